// Doubled characters (group S8) and neighbouring characters of the same kind of
// category (group S9), and their translation twins.

#include "checks/singletext.h"
#include "checks/textutil.h"

namespace {

static_assert(CheckS8_4 - CheckS8_1 == 3 && CheckT8_4 - CheckT8_1 == 3);
static_assert(CheckS9_4 - CheckS9_1 == 3 && CheckT9_4 - CheckT9_1 == 3);

// The four kinds of neighbours S9 counts (slots 0 to 3 of countCategoryPairs),
// by category; -1 for the others.
int pairSlot(QChar::Category c)
{
    switch (c) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return 0;
    case QChar::Punctuation_Connector:
    case QChar::Punctuation_Dash:
        return 1;
    case QChar::Symbol_Currency:
    case QChar::Symbol_Modifier:
        return 2;
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
        return 3;
    default:
        return -1;
    }
}

} // namespace

int countDoubleLineFeeds(const QString &text)
{
    int hits = 0;
    for (int i = 1; i < text.size(); ++i)
        if (text.at(i) == QLatin1Char('\n') && text.at(i - 1) == QLatin1Char('\n'))
            ++hits;
    return hits;
}

int countDoubleWhitespace(const QString &text)
{
    int hits = 0;
    for (int i = 1; i < text.size(); ++i)
        if (text.at(i) == text.at(i - 1) && text.at(i).isSpace())
            ++hits;
    return hits;
}

int countDoubleFullStops(const QString &text, const LanguageRules &rules, bool reportEllipses)
{
    const Mark fullStop(rules.fullStop);
    const int n = text.size();
    int hits = 0;
    for (int i = 1; i < n; ++i) {
        if (!fullStop.matches(text.at(i)) || !fullStop.matches(text.at(i - 1)))
            continue;
        // Exactly three full stops are an ellipsis; two, or four and more, are not.
        if (!reportEllipses && i + 1 < n && fullStop.matches(text.at(i + 1))
            && (i + 2 >= n || !fullStop.matches(text.at(i + 2)))) {
            ++i;
            continue;
        }
        ++hits;
    }
    return hits;
}

QList<int> doubleCharacterPositions(const QString &text, const LanguageRules &rules,
                                    const QString &allowed)
{
    // Line feeds, white space and full stops are the business of the three checks
    // before this one; an ellipsis would otherwise count as two doubled full stops.
    const Mark fullStop(rules.fullStop);
    QList<int> positions;
    for (int i = 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != text.at(i - 1) || c.isLetterOrNumber() || c.isSpace() || fullStop.matches(c)
            || allowed.contains(c))
            continue;
        positions.append(i);
    }
    return positions;
}

std::array<int, 4> countCategoryPairs(const QString &text)
{
    std::array<int, 4> hits {};
    int before = -1;
    for (const QChar c : text) {
        const int slot = pairSlot(categoryOf(c));
        if (slot >= 0 && slot == before)
            ++hits[slot];
        before = slot;
    }
    return hits;
}

void checkDoubles(TextSide &side, bool reportEllipses, const QString &allowed)
{
    const QString &text = side.text;
    const TwinChecks lineFeeds {CheckS8_1, CheckT8_1};
    const TwinChecks whitespace {CheckS8_2, CheckT8_2};
    const TwinChecks fullStops {CheckS8_3, CheckT8_3};
    side.fail(lineFeeds, countDoubleLineFeeds(text));
    if (!side.failed(lineFeeds))
        side.fail(whitespace, countDoubleWhitespace(text));
    side.fail(fullStops, countDoubleFullStops(text, side.rules, reportEllipses));
    if (side.failed(lineFeeds) || side.failed(whitespace) || side.failed(fullStops))
        return;
    const QList<int> positions = doubleCharacterPositions(text, side.rules, allowed);
    QString noWarnings;
    for (const int i : positions)
        side.fail(
            {CheckS8_4, CheckT8_4},
            results::tr("Double character %1 at position %2:")
                .arg(side.store.characterName(text.at(i), false, noWarnings), QString::number(i)));
}

void checkCategoryPairs(TextSide &side)
{
    // In the order of countCategoryPairs.
    const TwinChecks checks[] = {{CheckS9_1, CheckT9_1},
                                 {CheckS9_2, CheckT9_2},
                                 {CheckS9_3, CheckT9_3},
                                 {CheckS9_4, CheckT9_4}};
    const std::array<int, 4> hits = countCategoryPairs(side.text);
    for (int k = 0; k < 4; ++k)
        side.fail(checks[k], hits[k]);
}
