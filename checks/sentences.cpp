// Sentences that begin with a lowercase letter (S10.1 and T10.1).

#include "checks/singletext.h"
#include "checks/textutil.h"

namespace {

// The length of the placeholder, tag or entity that starts at i; 0 for none.
int tokenAt(const QString &text, int i)
{
    const int n = text.size();
    const QChar c = text.at(i);
    if (c == QLatin1Char('%') && i + 1 < n) {
        int j = i + 1;
        while (j < n && QStringView(u"0123456789.-+#$L'lhqjzt").contains(text.at(j)))
            ++j;
        if (j < n && text.at(j).isLetter() && text.at(j).unicode() < 128)
            return j + 1 - i;
        return j > i + 1 ? j - i : 0;
    }
    // A tag may hold blanks (attributes); a placeholder or entity does not.
    const auto closing = [&](QChar open, QChar close, bool blanks) {
        if (c != open)
            return 0;
        for (int j = i + 1; j < n && j < i + 200; ++j) {
            const QChar d = text.at(j);
            if (d == close)
                return j + 1 - i;
            if (d == open || (!blanks && d.isSpace()))
                break;
        }
        return 0;
    };
    if (const int length = closing(QLatin1Char('{'), QLatin1Char('}'), false))
        return length;
    if (const int length = closing(QLatin1Char('<'), QLatin1Char('>'), true))
        return length;
    return closing(QLatin1Char('&'), QLatin1Char(';'), false);
}

// "z. B. etwas", "etc. and": the word before a full stop is an abbreviation:
// one letter, a word with a full stop inside, or up to three lowercase letters.
bool abbreviationBefore(const QString &text, int fullStop)
{
    int start = fullStop;
    while (start > 0 && !text.at(start - 1).isSpace())
        --start;
    const QStringView word = QStringView(text).mid(start, fullStop - start);
    if (word.contains(QLatin1Char('.')) || (word.size() == 1 && word.front().isLetter()))
        return true;
    if (word.size() > 3 || word.isEmpty())
        return false;
    for (const QChar c : word)
        if (!c.isLower())
            return false;
    return true;
}

} // namespace

QStringList lowercaseSentences(const QString &text, const LanguageRules &rules,
                               bool splitAtLineFeeds, bool skipTokens)
{
    // Sentences end at a full stop followed by a blank (always ". ", whatever the
    // language), at the exclamation and question marks of the language and, when
    // asked, at line feeds. The first digit or letter of a sentence decides;
    // anything else before it is skipped.
    const Mark exclamation(rules.exclamationMark);
    const Mark question(rules.questionMark);
    const int n = text.size();
    QStringList found;
    int start = 0;
    bool decided = false;
    bool lowercase = false;
    for (int i = 0; i <= n; ++i) {
        int delimiter = 0;
        if (i == n)
            delimiter = 1;
        else if (text.at(i) == QLatin1Char('.') && i + 1 < n && text.at(i + 1) == QLatin1Char(' ')
                 && !(skipTokens && abbreviationBefore(text, i)))
            delimiter = 2;
        else if ((splitAtLineFeeds && text.at(i) == QLatin1Char('\n'))
                 || exclamation.matches(text.at(i)) || question.matches(text.at(i)))
            delimiter = 1;
        if (delimiter) {
            if (lowercase)
                found.append(text.mid(start, i - start));
            start = i + delimiter;
            i = start - 1;
            decided = lowercase = false;
            continue;
        }
        if (decided)
            continue;
        if (skipTokens) {
            if (const int length = tokenAt(text, i)) {
                i += length - 1;
                continue;
            }
        }
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (isDigit(c) || (u >= u'A' && u <= u'Z') || categoryOf(c) == QChar::Letter_Uppercase) {
            decided = true;
        } else if ((u >= u'a' && u <= u'z') || categoryOf(c) == QChar::Letter_Lowercase) {
            decided = true;
            lowercase = true;
        } else if (skipTokens && c.isLetter()) {
            decided = true; // a letter without case
        }
    }
    return found;
}

void checkSentenceStarts(TextSide &side, bool splitAtLineFeeds, bool skipTokens)
{
    const QStringList sentences
        = lowercaseSentences(side.text, side.rules, splitAtLineFeeds, skipTokens);
    for (const QString &sentence : sentences) {
        // The source finding is the sentence alone; the translation finding adds
        // the source and the translation below it.
        if (side.translationSide)
            side.fail({CheckS10_1, CheckT10_1}, sentence);
        else
            side.failWithKey({CheckS10_1, CheckT10_1}, sentence);
    }
}
