// Matching of opening and closing characters (S5.3 and T5.3).

#include "checks/results.h"

#include <QVarLengthArray>

namespace {

// The characters a list label such as "1)", "a)" or "2.b)" is made of.
bool isLabelCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
               || u == u'.';
    return c.isLetterOrNumber();
}

} // namespace

bool results::checkBrackets(const QString &text, const CharacterMap &openToClose,
                            const CharacterMap &closeToOpen, QString &message,
                            bool disallowListings) const
{
    QVarLengthArray<QChar, 16> stack;
    // A text that starts with a list label behaves as if the label's opening
    // character had been written before the text.
    if (!disallowListings) {
        for (const QChar c : text) {
            if (c.category() == QChar::Punctuation_Close) {
                stack.append(c.mirroredChar());
                break;
            }
            if (!isLabelCharacter(c))
                break;
        }
    }

    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character that both opens and closes (a quotation mark) opens.
        if (openToClose.contains(c)) {
            stack.append(c);
            continue;
        }
        if (!closeToOpen.contains(c))
            continue;
        if (stack.isEmpty()) {
            message
                = tr("%1 is not opened before position %2.").arg(QString(c), QString::number(i));
            return false;
        }
        const QChar expected = openToClose.value(stack.last(), QChar());
        if (expected != c) {
            message = tr("Missing %1 at position %2.").arg(QString(expected), QString::number(i));
            return false;
        }
        stack.removeLast();
    }
    if (stack.isEmpty())
        return true;
    message = tr("%1 is not closed.").arg(QString(stack.last()));
    return false;
}
