// The single-text checks on the source and on the translation, the recording of
// their findings and the partially-checked rule; groups S1 to S5 and their twins.

#include "checks/singletext.h"

#include "model/appsettings.h"

namespace {

static_assert(CheckS3_4 - CheckS3_1 == 3 && CheckT3_4 - CheckT3_1 == 3);
static_assert(CheckS4_4 - CheckS4_1 == 3 && CheckT4_4 - CheckT4_1 == 3);
static_assert(CheckS5_3 - CheckS5_1 == 2 && CheckT5_3 - CheckT5_1 == 2);
static_assert(CheckS2_3 - CheckS2_1 == 2 && CheckT2_3 - CheckT2_1 == 2);

// Which source checks the partially-checked box of a translation check consults.
// Mostly its twin; T1.2 and T1.3 consult the source limits of S1.2 and S1.3, T2.2
// and T2.3 a line feed in the source (S2.3), T8.2 also S8.1.
struct PartialRule {
    int translationCheck;
    int AppSettingsRecord::*box;
    int sourceCheck;
    int alsoSourceCheck; // -1 for none
};

using R = AppSettingsRecord;
const PartialRule PartialRules[] = {
    {CheckT1_2, &R::checkT1_2CheckBox, CheckS1_2, -1},
    {CheckT1_3, &R::checkT1_3CheckBox, CheckS1_3, -1},
    {CheckT2_1, &R::checkT2_1CheckBox, CheckS2_1, -1},
    {CheckT2_2, &R::checkT2_2CheckBox, CheckS2_2, CheckS2_3},
    {CheckT2_3, &R::checkT2_3CheckBox, CheckS2_3, -1},
    {CheckT3_1, &R::checkT3_1CheckBox, CheckS3_1, -1},
    {CheckT3_2, &R::checkT3_2CheckBox, CheckS3_2, -1},
    {CheckT3_3, &R::checkT3_3CheckBox, CheckS3_3, -1},
    {CheckT3_4, &R::checkT3_4CheckBox, CheckS3_4, -1},
    {CheckT4_1, &R::checkT4_1CheckBox, CheckS4_1, -1},
    {CheckT4_2, &R::checkT4_2CheckBox, CheckS4_2, -1},
    {CheckT4_3, &R::checkT4_3CheckBox, CheckS4_3, -1},
    {CheckT4_4, &R::checkT4_4CheckBox, CheckS4_4, -1},
    {CheckT5_1, &R::checkT5_1CheckBox, CheckS5_1, -1},
    {CheckT5_2, &R::checkT5_2CheckBox, CheckS5_2, -1},
    {CheckT5_3, &R::checkT5_3CheckBox, CheckS5_3, -1},
    {CheckT6_1, &R::checkT6_1CheckBox, CheckS6_1, -1},
    {CheckT6_2, &R::checkT6_2CheckBox, CheckS6_2, -1},
    {CheckT6_3, &R::checkT6_3CheckBox, CheckS6_3, -1},
    {CheckT6_4, &R::checkT6_4CheckBox, CheckS6_4, -1},
    {CheckT7_1, &R::checkT7_1CheckBox, CheckS7_1, -1},
    {CheckT7_2, &R::checkT7_2CheckBox, CheckS7_2, -1},
    {CheckT7_3, &R::checkT7_3CheckBox, CheckS7_3, -1},
    {CheckT7_4, &R::checkT7_4CheckBox, CheckS7_4, -1},
    {CheckT8_1, &R::checkT8_1CheckBox, CheckS8_1, -1},
    {CheckT8_2, &R::checkT8_2CheckBox, CheckS8_1, CheckS8_2},
    {CheckT8_3, &R::checkT8_3CheckBox, CheckS8_3, -1},
    {CheckT8_4, &R::checkT8_4CheckBox, CheckS8_4, -1},
    {CheckT9_1, &R::checkT9_1CheckBox, CheckS9_1, -1},
    {CheckT9_2, &R::checkT9_2CheckBox, CheckS9_2, -1},
    {CheckT9_3, &R::checkT9_3CheckBox, CheckS9_3, -1},
    {CheckT9_4, &R::checkT9_4CheckBox, CheckS9_4, -1},
    {CheckT10_1, &R::checkT10_1CheckBox, CheckS10_1, -1},
};

const PartialRule *partialRule(int index)
{
    static const std::array<const PartialRule *, CheckCount> byIndex = [] {
        std::array<const PartialRule *, CheckCount> table{};
        for (const PartialRule &rule : PartialRules)
            table[rule.translationCheck] = &rule;
        return table;
    }();
    return index >= 0 && index < CheckCount ? byIndex[index] : nullptr;
}

bool isAsciiLetterOrDigit(char16_t u)
{
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

// The partially-checked rule of translation check `index`: true when its box is
// partially checked and the source failed the source check(s) it consults.
bool skippedInPartialState(const AppSettingsRecord &options, int index, const MessageState &state)
{
    const PartialRule *rule = partialRule(index);
    if (!rule)
        return false;
    const bool sourceFailed =
        state.failed[rule->sourceCheck]
        || (rule->alsoSourceCheck >= 0 && state.failed[rule->alsoSourceCheck]);
    return results::skippedByPartialRule(options.*(rule->box), sourceFailed);
}

} // namespace

TextSide::TextSide(results &checkStore, MessageState &state, bool isTranslation)
    : text(isTranslation ? state.translation : state.source)
    , source(state.source)
    , rules(isTranslation ? checkStore.translationRules : checkStore.sourceRules)
    , firstSignificant(isTranslation ? state.firstTranslation : state.firstSource)
    , translationSide(isTranslation)
    , store(checkStore)
    , m_state(state)
{}

// A translation check skipped by its partially checked box still sets its failure
// flag: the flags say what the text is (T8.2 and T8.4 ask about T8.1 to T8.3), the
// box only what the report shows.
bool TextSide::recordable(int index)
{
    return (!translationSide || !skippedInPartialState(store.options(), index, m_state))
           && store.findingAllowed(m_state, index);
}

void TextSide::record(int index, const QString &key, int times)
{
    if (translationSide)
        store.recordTranslationFinding(m_state, index, key, times);
    else
        store.recordSourceFinding(m_state, index, key, QString(), times);
}

const QString &TextSide::ownKey()
{
    if (!translationSide)
        return m_state.source;
    if (m_ownKey.isEmpty())
        m_ownKey = m_state.source + QLatin1Char('\n') + m_state.translation;
    return m_ownKey;
}

void TextSide::found(int index, const QString &key, int times)
{
    if (m_capture)
        m_capture->findings.append({index, key, times, QString(), false});
    else
        record(index, key, times);
}

void TextSide::fail(int index, int hits)
{
    if (hits <= 0)
        return;
    m_state.failed.set(index);
    if (m_capture || recordable(index))
        found(index, ownKey(), hits);
}

void TextSide::fail(int index, const QString &what)
{
    m_state.failed.set(index);
    if (m_capture || recordable(index))
        found(index, what + QLatin1Char('\n') + ownKey());
}

void TextSide::failWithKey(int index, const QString &key)
{
    m_state.failed.set(index);
    if (m_capture || recordable(index))
        found(index, key);
}

int countLettersOrNumbers(const QString &text)
{
    int count = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 ? isAsciiLetterOrDigit(u) : c.isLetterOrNumber())
            ++count;
    }
    return count;
}

void checkControlCharacters(TextSide &side, int first)
{
    bool nonAscii = false;
    bool control = false;
    bool lineFeed = false;
    for (const QChar c : side.text) {
        const char16_t u = c.unicode();
        nonAscii = nonAscii || u >= 0x80;
        control = control || (u < 0x20 && u != u'\n') || u == 0x7F;
        lineFeed = lineFeed || u == u'\n';
    }
    side.fail(first, nonAscii);
    side.fail(first + 1, control);
    side.fail(first + 2, lineFeed);
}

void checkFirstCharacter(TextSide &side, int first, const QString &allowed)
{
    const QChar c = side.text.at(0);
    const bool lineFeed = c == QLatin1Char('\n');
    const bool space = !lineFeed && c.isSpace();
    const bool closing = side.rules.closingCharacters.contains(c);
    side.fail(first, lineFeed);
    side.fail(first + 1, space);
    side.fail(first + 2, closing);
    if (lineFeed || space || closing)
        return;
    // The accelerator and argument markers before the first character are skipped.
    const QChar significant = side.firstSignificant;
    side.fail(first + 3, !significant.isLetterOrNumber()
                             && !side.rules.openingCharacters.contains(significant)
                             && !allowed.contains(significant));
}

void checkLastCharacter(TextSide &side, int first, const QString &allowed)
{
    const QChar c = side.text.back();
    const bool lineFeed = c == QLatin1Char('\n');
    const bool space = !lineFeed && c.isSpace();
    const bool opening = side.rules.openingCharacters.contains(c);
    side.fail(first, lineFeed);
    side.fail(first + 1, space);
    side.fail(first + 2, opening);
    if (lineFeed || space || opening)
        return;
    side.fail(first + 3, !c.isLetterOrNumber() && !side.rules.closingCharacters.contains(c)
                             && !allowed.contains(c));
}

void checkQuotesAndBrackets(TextSide &side, int first, bool disallowListings)
{
    int quotes = 0;
    int apostrophes = 0;
    for (const QChar c : side.text) {
        if (c == QLatin1Char('"'))
            ++quotes;
        else if (c == QLatin1Char('\''))
            ++apostrophes;
    }
    side.fail(first, quotes % 2 != 0);
    side.fail(first + 1, apostrophes % 2 != 0);
    QString message;
    if (!side.store.checkBrackets(side.text, side.rules.openToClose, side.rules.closeToOpen,
                                  message, disallowListings))
        side.fail(first + 2, message);
}

// The source checks and the source scanners.
void results::runSourceChecks(MessageState &state)
{
    // Only short texts are reused: none of their checks can spend the finding
    // budget of a message, so replaying the findings records exactly what
    // checking the text again would.
    const qsizetype longestReused = 512;
    if (!reuseSourceOutcomes || state.source.size() > longestReused) {
        runSourceCheckGroups(state, nullptr);
        return;
    }
    auto &outcomes = m_sourceOutcomes[state.numerusForm > sourceRules.maxNumerus ? 1 : 0];
    auto it = outcomes.constFind(state.source);
    if (it == outcomes.constEnd()) {
        SourceCheckOutcome outcome;
        const std::bitset<CheckCount> before = state.failed;
        runSourceCheckGroups(state, &outcome);
        outcome.failed = state.failed & ~before;
        outcome.emails = state.sourceEmails;
        outcome.uris = state.sourceUris;
        outcome.tags = state.sourceTags;
        it = outcomes.insert(state.source, outcome);
    }
    replaySourceOutcome(state, *it);
}

void results::replaySourceOutcome(MessageState &state, const SourceCheckOutcome &outcome)
{
    state.failed |= outcome.failed;
    state.sourceEmails = outcome.emails;
    state.sourceUris = outcome.uris;
    state.sourceTags = outcome.tags;
    for (const SourceCheckOutcome::Finding &finding : outcome.findings) {
        if (!findingAllowed(state, finding.index)
            || (finding.needsLocations && state.locations.isEmpty()))
            continue;
        recordSourceFinding(state, finding.index, finding.key, finding.valuePrefix, finding.times);
    }
}

void results::runSourceCheckGroups(MessageState &state, SourceCheckOutcome *capture)
{
    const AppSettingsRecord &o = m_options;
    const QString &s = state.source;
    TextSide side(*this, state, false);
    side.capture(capture);
    side.fail(CheckS1_2, s.size() > o.checkS1_2SpinBox);
    // A later numerus form counts no letters, so it always fails S1.3 (T1.3 then
    // skips it in the partial state); its finding is not recorded anyway.
    const int letters = state.numerusForm <= sourceRules.maxNumerus ? countLettersOrNumbers(s) : 0;
    side.fail(CheckS1_3, letters < o.checkS1_3SpinBox);
    checkControlCharacters(side, CheckS2_1);
    checkFirstCharacter(side, CheckS3_1, o.checkS3_4LineEdit);
    checkLastCharacter(side, CheckS4_1, o.checkS4_4LineEdit);
    checkQuotesAndBrackets(side, CheckS5_1, o.checkS5_3_2CheckBox);
    checkBlankAfterPunctuation(side, CheckS6_1, o.checkS6_1_1CheckBox, o.checkS6_2_1CheckBox,
                               o.checkS6_4_1CheckBox);
    checkBlankBeforePunctuation(side, CheckS7_1, o.checkS7_2_1CheckBox);
    checkDoubles(side, CheckS8_1, o.checkS8_3_1CheckBox, o.checkS8_4LineEdit);
    checkCategoryPairs(side, CheckS9_1);
    checkSentenceStarts(side, CheckS10_1, o.checkS10_1_1CheckBox);
    checkKeySequences(side, CheckS14_1, o.checkS14CheckBox);
    scanEmailsUrisTags(state, false, capture);
}

void results::runTranslationChecks(MessageState &state)
{
    const AppSettingsRecord &o = m_options;
    const QString &t = state.translation;
    TextSide side(*this, state, true);
    side.fail(CheckT1_1b, state.unfinished);
    side.fail(CheckT1_2, t.size() > o.checkT1_2SpinBox);
    side.fail(CheckT1_3, countLettersOrNumbers(t) < o.checkT1_3SpinBox);
    checkControlCharacters(side, CheckT2_1);
    checkFirstCharacter(side, CheckT3_1, o.checkT3_4LineEdit);
    checkLastCharacter(side, CheckT4_1, o.checkT4_4LineEdit);
    checkQuotesAndBrackets(side, CheckT5_1, o.checkT5_3_2CheckBox);
    checkBlankAfterPunctuation(side, CheckT6_1, o.checkT6_1_1CheckBox, o.checkT6_2_1CheckBox,
                               o.checkT6_4_1CheckBox, o.checkST6MarksCheckBox);
    checkBlankBeforePunctuation(side, CheckT7_1, o.checkT7_2_1CheckBox);
    checkDoubles(side, CheckT8_1, o.checkT8_3_1CheckBox, o.checkT8_4LineEdit);
    checkCategoryPairs(side, CheckT9_1);
    checkSentenceStarts(side, CheckT10_1, o.checkT10_1_1CheckBox, o.checkT10_1_2CheckBox);
    checkKeySequences(side, CheckT14_1, o.checkT14CheckBox);
}
