#pragma once
// The single-text checks. Every rule is written once, over a text, the rules of
// its language and its options, and runs twice: on the source with the source
// rules and the S options, and on the translation with the translation rules and
// the T options. TextSide carries what differs between the two runs: the text,
// the rules, the recording and, on the translation, the partially-checked rule.
//
// A rule names the check of each side ({CheckS3_2, CheckT3_2}); the side picks
// its own, so searching for either id finds the rule.

#include "checks/results.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class TextSide
{
public:
    TextSide(results &checkStore, MessageState &state, bool isTranslation);

    const QString &text; // the source or the translation
    const QString &source; // the source on both sides
    const LanguageRules &rules; // the rules of its language
    const QChar firstSignificant;
    const bool translationSide;
    results &store;

    // The check failed `hits` times (nothing happens for 0): sets its failure flag
    // and records one finding per hit whose key is the side's own key (the source;
    // the source, a line feed and the translation).
    void fail(int index, int hits = 1);
    // The same with the key `what` + line feed + the side's own key.
    void fail(int index, const QString &what);
    // The same with a ready-made key (a report row, a sentence).
    void failWithKey(int index, const QString &key);
    bool failed(int index) const { return m_state.failed[index]; }
    // The same on the check of this side.
    void fail(TwinChecks checks, int hits = 1) { fail(own(checks), hits); }
    void fail(TwinChecks checks, const QString &what) { fail(own(checks), what); }
    void failWithKey(TwinChecks checks, const QString &key) { failWithKey(own(checks), key); }
    bool failed(TwinChecks checks) const { return failed(own(checks)); }

    // While an outcome is given, the findings go to it instead of the store.
    void capture(SourceCheckOutcome *outcome) { m_capture = outcome; }

private:
    int own(TwinChecks checks) const
    {
        Q_ASSERT(checkInfo(checks.source).twin == checks.translation);
        return checks.on(translationSide);
    }
    bool recordable(int index);
    void record(int index, const QString &key, int times = 1);
    void found(int index, const QString &key, int times = 1);
    const QString &ownKey() const;

    MessageState &m_state;
    SourceCheckOutcome *m_capture = nullptr;
};

// A punctuation mark of a side. A text character matches it only when the rule
// string has exactly one character.
class Mark
{
public:
    explicit Mark(const QString &rule)
        : m_unit(rule.size() == 1 ? rule.at(0).unicode() : NoUnit)
    { }
    bool matches(QChar c) const { return c.unicode() == m_unit; }

private:
    static constexpr char32_t NoUnit = 0x10000; // above every code unit: matches none
    char32_t m_unit;
};

// ASCII 0-9, or a non-ASCII number.
inline bool isDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= 0x80 && c.isNumber());
}

// ASCII 0-9, or a non-ASCII decimal digit.
inline bool isDecimalDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= 0x80 && c.category() == QChar::Number_DecimalDigit);
}

// ASCII letters and digits and the letters and numbers at or above U+0080.
int countLettersOrNumbers(const QString &text);

// Groups S1 to S5 and their translation twins (singletext.cpp).
void checkControlCharacters(TextSide &side);
void checkFirstCharacter(TextSide &side, const QString &allowed);
void checkLastCharacter(TextSide &side, const QString &allowed);
void checkQuotesAndBrackets(TextSide &side, bool disallowListings);

// Groups S6 and S7 (punctuation.cpp): hits per rule. The reportNumbers,
// reportTimes and reportEllipses options switch the exceptions off.
int countMissingBlankAfterComma(const QString &text, bool reportNumbers);
int countMissingBlankAfterFullStop(const QString &text, const LanguageRules &rules,
                                   bool reportNumbers, bool beforeCapitalOnly = false);
int countMissingBlankAfterMark(const QString &text, const LanguageRules &rules);
int countMissingBlankAfterColon(const QString &text, const LanguageRules &rules, bool reportTimes);
int countBlankBeforeComma(const QString &text);
int countBlankBeforeFullStop(const QString &text, const LanguageRules &rules, bool reportEllipses);
int countBlankBeforeMark(const QString &text, const LanguageRules &rules);
int countBlankBeforeColon(const QString &text, const LanguageRules &rules);
// fullWidthMarks: the marks of the language from U+3000 on ("。", "：") need
// no blank behind them.
void checkBlankAfterPunctuation(TextSide &side, bool commaNumbers, bool fullStopNumbers,
                                bool colonTimes, bool fullWidthMarks = false);
void checkBlankBeforePunctuation(TextSide &side, bool reportEllipses);

// Groups S8 and S9 (doubles.cpp).
int countDoubleLineFeeds(const QString &text);
int countDoubleWhitespace(const QString &text);
int countDoubleFullStops(const QString &text, const LanguageRules &rules, bool reportEllipses);
// Positions of doubled characters other than letters and numbers, line feeds,
// white space, the full stop and the characters of `allowed`.
QList<int> doubleCharacterPositions(const QString &text, const LanguageRules &rules,
                                    const QString &allowed);
// Neighbouring marks, dashes and connectors, currency and modifier symbols,
// title-case and modifier letters (each position counts for one of the four).
std::array<int, 4> countCategoryPairs(const QString &text);
void checkDoubles(TextSide &side, bool reportEllipses, const QString &allowed);
void checkCategoryPairs(TextSide &side);

// Group S10 (sentences.cpp): the sentences that begin with a lowercase letter.
// skipTokens: placeholders ("%d", "%1", "{name}"), tags and entities are
// skipped, a caseless letter (CJK, Arabic, ...) decides as an uppercase one, and
// no sentence ends after a short lowercase word or a word with a full stop
// inside ("z. B.", "etc.", "e.g.").
QStringList lowercaseSentences(const QString &text, const LanguageRules &rules,
                               bool splitAtLineFeeds, bool skipTokens = false);
void checkSentenceStarts(TextSide &side, bool splitAtLineFeeds, bool skipTokens = false);

// Group S14 (keysequences.cpp).
struct KeySequence {
    int markers = 0; // occurrences of the accelerator marker
    bool atEnd = false; // the text ends with the marker
    QString key; // the character after the first marker, whole (unless atEnd)
    QString withoutMarkers;
};
KeySequence findKeySequence(const QString &text, const QString &marker);
void checkKeySequences(TextSide &side, bool html);
