// Blanks around punctuation marks: groups S6 (after a mark) and S7 (before a
// mark) and their translation twins. Each rule looks at every pair of
// neighbouring characters once.

#include "checks/singletext.h"

namespace {

static_assert(CheckS6_4 - CheckS6_1 == 3 && CheckT6_4 - CheckT6_1 == 3);
static_assert(CheckS7_4 - CheckS7_1 == 3 && CheckT7_4 - CheckT7_1 == 3);

bool isCommaOrSemicolon(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char(';');
}

// A digit on both sides of position i-1, as in 1,5 or 12:30.
bool betweenDigits(const QString &text, int i)
{
    return i >= 2 && isDigit(text.at(i - 2)) && isDigit(text.at(i));
}

} // namespace

int countMissingBlankAfterComma(const QString &text, bool reportNumbers)
{
    int hits = 0;
    for (int i = 1; i < text.size(); ++i) {
        const QChar before = text.at(i - 1);
        if (!isCommaOrSemicolon(before) || text.at(i).isSpace())
            continue;
        if (!reportNumbers && before == QLatin1Char(',') && betweenDigits(text, i))
            continue;
        ++hits;
    }
    return hits;
}

// beforeCapitalOnly: only a full stop followed by an uppercase letter counts, as
// a sentence that starts without a blank; ".txt", "example.org" and ".</p>" do not.
int countMissingBlankAfterFullStop(const QString &text, const LanguageRules &rules,
                                   bool reportNumbers, bool beforeCapitalOnly)
{
    const Mark fullStop(rules.fullStop);
    const int n = text.size();
    int hits = 0;
    for (int i = 1; i < n; ++i) {
        if (!fullStop.matches(text.at(i - 1)))
            continue;
        if (!reportNumbers && betweenDigits(text, i))
            continue;
        const QChar c = text.at(i);
        if (i + 1 < n && fullStop.matches(c) && fullStop.matches(text.at(i + 1))) {
            i += 2; // an ellipsis: go on behind it
            continue;
        }
        if (!fullStop.matches(c) && !c.isSpace() && !isDecimalDigit(c)
            && !rules.closingCharacters.contains(c) && (!beforeCapitalOnly || c.isUpper()))
            ++hits;
    }
    return hits;
}

int countMissingBlankAfterMark(const QString &text, const LanguageRules &rules)
{
    const Mark exclamation(rules.exclamationMark);
    const Mark question(rules.questionMark);
    int hits = 0;
    for (int i = 1; i < text.size(); ++i) {
        const QChar before = text.at(i - 1);
        if (!exclamation.matches(before) && !question.matches(before))
            continue;
        const QChar c = text.at(i);
        if (!c.isSpace() && !rules.closingCharacters.contains(c))
            ++hits;
    }
    return hits;
}

int countMissingBlankAfterColon(const QString &text, const LanguageRules &rules, bool reportTimes)
{
    const Mark colon(rules.colon);
    int hits = 0;
    for (int i = 1; i < text.size(); ++i) {
        if (!colon.matches(text.at(i - 1)) || text.at(i).isSpace())
            continue;
        if (!reportTimes && betweenDigits(text, i))
            continue;
        ++hits;
    }
    return hits;
}

int countBlankBeforeComma(const QString &text)
{
    int hits = 0;
    for (int i = 1; i < text.size(); ++i)
        if (isCommaOrSemicolon(text.at(i)) && text.at(i - 1).isSpace())
            ++hits;
    return hits;
}

int countBlankBeforeFullStop(const QString &text, const LanguageRules &rules, bool reportEllipses)
{
    const Mark fullStop(rules.fullStop);
    const int n = text.size();
    int hits = 0;
    for (int i = 1; i < n; ++i) {
        if (!fullStop.matches(text.at(i)))
            continue;
        if (!reportEllipses && i + 2 < n && fullStop.matches(text.at(i + 1))
            && fullStop.matches(text.at(i + 2))) {
            i += 2; // an ellipsis may follow a blank
            continue;
        }
        const QChar before = text.at(i - 1);
        if (before.isSpace() || rules.openingCharacters.contains(before))
            ++hits;
    }
    return hits;
}

int countBlankBeforeMark(const QString &text, const LanguageRules &rules)
{
    const Mark exclamation(rules.exclamationMark);
    const Mark question(rules.questionMark);
    int hits = 0;
    for (int i = 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!exclamation.matches(c) && !question.matches(c))
            continue;
        const QChar before = text.at(i - 1);
        if (before.isSpace() || rules.openingCharacters.contains(before))
            ++hits;
    }
    return hits;
}

int countBlankBeforeColon(const QString &text, const LanguageRules &rules)
{
    const Mark colon(rules.colon);
    int hits = 0;
    for (int i = 1; i < text.size(); ++i) {
        if (!colon.matches(text.at(i)))
            continue;
        const QChar before = text.at(i - 1);
        if (before.isSpace() || rules.openingCharacters.contains(before))
            ++hits;
    }
    return hits;
}

void checkBlankAfterPunctuation(TextSide &side, bool commaNumbers, bool fullStopNumbers,
                                bool colonTimes, bool fullWidthMarks)
{
    const QString &text = side.text;
    const LanguageRules &rules = side.rules;
    // Full-width and ideographic marks (from U+3000 on) carry their own space.
    const auto wide = [fullWidthMarks](const QString &mark) {
        return fullWidthMarks && !mark.isEmpty() && mark.front().unicode() >= 0x3000;
    };
    side.fail({CheckS6_1, CheckT6_1}, countMissingBlankAfterComma(text, commaNumbers));
    if (!wide(rules.fullStop))
        side.fail({CheckS6_2, CheckT6_2},
                  countMissingBlankAfterFullStop(text, rules, fullStopNumbers, fullWidthMarks));
    if (!wide(rules.exclamationMark) || !wide(rules.questionMark))
        side.fail({CheckS6_3, CheckT6_3}, countMissingBlankAfterMark(text, rules));
    if (!wide(rules.colon))
        side.fail({CheckS6_4, CheckT6_4}, countMissingBlankAfterColon(text, rules, colonTimes));
}

void checkBlankBeforePunctuation(TextSide &side, bool reportEllipses)
{
    const QString &text = side.text;
    side.fail({CheckS7_1, CheckT7_1}, countBlankBeforeComma(text));
    side.fail({CheckS7_2, CheckT7_2}, countBlankBeforeFullStop(text, side.rules, reportEllipses));
    side.fail({CheckS7_3, CheckT7_3}, countBlankBeforeMark(text, side.rules));
    side.fail({CheckS7_4, CheckT7_4}, countBlankBeforeColon(text, side.rules));
}
