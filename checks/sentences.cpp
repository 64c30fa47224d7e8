// Sentences that begin with a lowercase letter (S10.1 and T10.1).

#include "checks/singletext.h"
#include "checks/textutil.h"

QStringList lowercaseSentences(const QString &text, const LanguageRules &rules,
                               bool splitAtLineFeeds)
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
        else if (text.at(i) == QLatin1Char('.') && i + 1 < n && text.at(i + 1) == QLatin1Char(' '))
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
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (isDigit(c) || (u >= u'A' && u <= u'Z') || categoryOf(c) == QChar::Letter_Uppercase) {
            decided = true;
        } else if ((u >= u'a' && u <= u'z') || categoryOf(c) == QChar::Letter_Lowercase) {
            decided = true;
            lowercase = true;
        }
    }
    return found;
}

void checkSentenceStarts(TextSide &side, int index, bool splitAtLineFeeds)
{
    const QStringList sentences = lowercaseSentences(side.text, side.rules, splitAtLineFeeds);
    for (const QString &sentence : sentences) {
        // The source finding is the sentence alone; the translation finding adds
        // the source and the translation below it.
        if (side.translationSide)
            side.fail(index, sentence);
        else
            side.failWithKey(index, sentence);
    }
}
