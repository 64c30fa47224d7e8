// Doubled characters (group S8) and neighbouring characters of the same kind of
// category (group S9), and their translation twins.

#include "checks/singletext.h"
#include "checks/textutil.h"

namespace {

static_assert(CheckS8_4 - CheckS8_1 == 3 && CheckT8_4 - CheckT8_1 == 3);
static_assert(CheckS9_4 - CheckS9_1 == 3 && CheckT9_4 - CheckT9_1 == 3);

bool isMark(QChar::Category c)
{
    return c == QChar::Mark_NonSpacing || c == QChar::Mark_SpacingCombining
           || c == QChar::Mark_Enclosing;
}

bool isConnectorOrDash(QChar::Category c)
{
    return c == QChar::Punctuation_Connector || c == QChar::Punctuation_Dash;
}

bool isCurrencyOrModifierSymbol(QChar::Category c)
{
    return c == QChar::Symbol_Currency || c == QChar::Symbol_Modifier;
}

bool isTitlecaseOrModifierLetter(QChar::Category c)
{
    return c == QChar::Letter_Titlecase || c == QChar::Letter_Modifier;
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
    std::array<int, 4> hits{};
    if (text.isEmpty())
        return hits;
    QChar::Category before = categoryOf(text.at(0));
    for (int i = 1; i < text.size(); ++i) {
        const QChar::Category c = categoryOf(text.at(i));
        if (isMark(c) && isMark(before))
            ++hits[0];
        else if (isConnectorOrDash(c) && isConnectorOrDash(before))
            ++hits[1];
        else if (isCurrencyOrModifierSymbol(c) && isCurrencyOrModifierSymbol(before))
            ++hits[2];
        else if (isTitlecaseOrModifierLetter(c) && isTitlecaseOrModifierLetter(before))
            ++hits[3];
        before = c;
    }
    return hits;
}

void checkDoubles(TextSide &side, int first, bool reportEllipses, const QString &allowed)
{
    const QString &text = side.text;
    side.fail(first, countDoubleLineFeeds(text));
    if (!side.failed(first))
        side.fail(first + 1, countDoubleWhitespace(text));
    side.fail(first + 2, countDoubleFullStops(text, side.rules, reportEllipses));
    if (side.failed(first) || side.failed(first + 1) || side.failed(first + 2))
        return;
    const QList<int> positions = doubleCharacterPositions(text, side.rules, allowed);
    QString noWarnings;
    for (const int i : positions)
        side.fail(first + 3, results::tr("Double character %1 at position %2:")
                                 .arg(side.store.characterName(text.at(i), false, noWarnings),
                                      QString::number(i)));
}

void checkCategoryPairs(TextSide &side, int first)
{
    const std::array<int, 4> hits = countCategoryPairs(side.text);
    for (int k = 0; k < 4; ++k)
        side.fail(first + k, hits[k]);
}
