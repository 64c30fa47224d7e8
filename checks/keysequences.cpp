// Key sequences marked with the accelerator marker (group S14 and T14). S14.3,
// S14.4, T14.3 and T14.4 record ready-made report rows, plain or HTML; the order
// of the findings store sorts them by key and by text.

#include "checks/singletext.h"

namespace {

static_assert(CheckS14_4 - CheckS14_1 == 3 && CheckT14_4 - CheckT14_1 == 3);

} // namespace

KeySequence findKeySequence(const QString &text, const QString &marker)
{
    KeySequence found;
    if (marker.isEmpty())
        return found;
    const int firstMarker = text.indexOf(marker);
    if (firstMarker < 0)
        return found;
    found.markers = text.count(marker);
    found.atEnd = text.endsWith(marker);
    if (!found.atEnd) {
        // A character outside the BMP is a surrogate pair: the key is both halves.
        const int at = firstMarker + marker.size();
        const bool pair = text.at(at).isHighSurrogate() && at + 1 < text.size()
                          && text.at(at + 1).isLowSurrogate();
        found.key = text.mid(at, pair ? 2 : 1);
    }
    found.withoutMarkers = text;
    found.withoutMarkers.remove(marker);
    return found;
}

void checkKeySequences(TextSide &side, bool html)
{
    const KeySequence sequence = findKeySequence(side.text, side.store.acceleratorMarker);
    if (sequence.markers == 0)
        return;
    side.fail({CheckS14_1, CheckT14_1}, sequence.markers != 1);
    if (sequence.atEnd)
        side.fail({CheckS14_2, CheckT14_2});
    if (!side.store.recordListings) {
        // The rows are not kept: only the flags and the silenced counts.
        if (!sequence.atEnd)
            side.failWithKey({CheckS14_3, CheckT14_3}, QString());
        side.failWithKey({CheckS14_4, CheckT14_4}, QString());
        return;
    }

    // An HTML row shows the texts as they are written, never as markup.
    const auto cell = [html](const QString &value) { return html ? value.toHtmlEscaped() : value; };
    const QString key = cell(sequence.key);
    const QString stripped = cell(sequence.withoutMarkers);
    const QString text = cell(side.text);
    // The rows are put together in one allocation each.
    if (!side.translationSide) {
        if (!sequence.atEnd)
            side.failWithKey(CheckS14_3, html ? QString(u"<tr><td>QKeySequence " % key
                                                        % u"</td><td>" % text % u"</td></tr>")
                                              : QString(u"QKeySequence " % key % u": " % text));
        side.failWithKey(
            CheckS14_4, html ? QString(u"<tr><td>" % stripped % u"</td><td>" % text % u"</td></tr>")
                             : QString(stripped % u"\t:\t" % text));
        return;
    }
    const QString source = cell(side.source);
    if (!sequence.atEnd)
        side.failWithKey(CheckT14_3, html ? QString(u"<tr><td>QKeySequence " % key % u"</td><td>"
                                                    % text % u"</td><td>" % source % u"</td></tr>")
                                          : QString(u"QKeySequence " % key % u":\t\t" % text
                                                    % u"\t\t: " % source));
    side.failWithKey(CheckT14_4, html ? QString(u"<tr><td>" % stripped % u"</td><td>" % text
                                                % u"</td><td>" % source % u"</td></tr>")
                                      : QString(stripped % u"\t\t: " % text % u"\t\t: " % source));
}
