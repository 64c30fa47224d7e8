// The single-text checks on the source and on the translation, the recording of
// their findings and the partially-checked rule; groups S1 to S5 and their twins.

#include "checks/singletext.h"

#include "model/appsettings.h"

namespace {

bool isAsciiLetterOrDigit(char16_t u)
{
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
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
{ }

// A translation check skipped by its partially checked box still sets its failure
// flag: the flags say what the text is (T8.2 and T8.4 ask about T8.1 to T8.3), the
// box only what the report shows.
bool TextSide::recordable(int index)
{
    return (!translationSide || !store.skippedByPartialRule(index, m_state))
           && store.findingAllowed(m_state, index);
}

void TextSide::record(int index, const QString &key, int times)
{
    if (translationSide)
        store.recordTranslationFinding(m_state, index, key, times);
    else
        store.recordSourceFinding(m_state, index, key, QString(), times);
}

const QString &TextSide::ownKey() const
{
    if (!translationSide)
        return m_state.source;
    return m_state.texts;
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

void checkControlCharacters(TextSide &side)
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
    side.fail({CheckS2_1, CheckT2_1}, nonAscii);
    side.fail({CheckS2_2, CheckT2_2}, control);
    side.fail({CheckS2_3, CheckT2_3}, lineFeed);
}

void checkFirstCharacter(TextSide &side, const QString &allowed)
{
    const QChar c = side.text.at(0);
    const bool lineFeed = c == QLatin1Char('\n');
    const bool space = !lineFeed && c.isSpace();
    const bool closing = side.rules.closingCharacters.contains(c);
    side.fail({CheckS3_1, CheckT3_1}, lineFeed);
    side.fail({CheckS3_2, CheckT3_2}, space);
    side.fail({CheckS3_3, CheckT3_3}, closing);
    if (lineFeed || space || closing)
        return;
    // The accelerator and argument markers before the first character are skipped.
    const QChar significant = side.firstSignificant;
    side.fail({CheckS3_4, CheckT3_4}, !significant.isLetterOrNumber()
                                          && !side.rules.openingCharacters.contains(significant)
                                          && !allowed.contains(significant));
}

void checkLastCharacter(TextSide &side, const QString &allowed)
{
    const QChar c = side.text.back();
    const bool lineFeed = c == QLatin1Char('\n');
    const bool space = !lineFeed && c.isSpace();
    const bool opening = side.rules.openingCharacters.contains(c);
    side.fail({CheckS4_1, CheckT4_1}, lineFeed);
    side.fail({CheckS4_2, CheckT4_2}, space);
    side.fail({CheckS4_3, CheckT4_3}, opening);
    if (lineFeed || space || opening)
        return;
    side.fail({CheckS4_4, CheckT4_4}, !c.isLetterOrNumber()
                                          && !side.rules.closingCharacters.contains(c)
                                          && !allowed.contains(c));
}

void checkQuotesAndBrackets(TextSide &side, bool disallowListings)
{
    int quotes = 0;
    int apostrophes = 0;
    for (const QChar c : side.text) {
        if (c == QLatin1Char('"'))
            ++quotes;
        else if (c == QLatin1Char('\''))
            ++apostrophes;
    }
    side.fail({CheckS5_1, CheckT5_1}, quotes % 2 != 0);
    side.fail({CheckS5_2, CheckT5_2}, apostrophes % 2 != 0);
    QString message;
    if (!side.store.checkBrackets(side.text, side.rules.openToClose, side.rules.closeToOpen,
                                  message, disallowListings))
        side.fail({CheckS5_3, CheckT5_3}, message);
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
    const HashedText key(state.source);
    auto it = outcomes.constFind(key);
    if (it == outcomes.constEnd()) {
        SourceCheckOutcome outcome;
        const std::bitset<CheckCount> before = state.failed;
        runSourceCheckGroups(state, &outcome);
        outcome.failed = state.failed & ~before;
        outcome.emails = state.sourceEmails;
        outcome.uris = state.sourceUris;
        outcome.tags = state.sourceTags;
        // A text checked again records the same as its replay: the table starts
        // afresh when full, so that it stays small (and fast) on a large run.
        const qsizetype mostOutcomes = 1 << 16;
        if (outcomes.size() >= mostOutcomes)
            outcomes.clear();
        it = outcomes.insert(key, outcome);
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
    checkControlCharacters(side);
    checkFirstCharacter(side, o.checkS3_4LineEdit);
    checkLastCharacter(side, o.checkS4_4LineEdit);
    checkQuotesAndBrackets(side, o.checkS5_3_2CheckBox);
    checkBlankAfterPunctuation(side, o.checkS6_1_1CheckBox, o.checkS6_2_1CheckBox,
                               o.checkS6_4_1CheckBox);
    checkBlankBeforePunctuation(side, o.checkS7_2_1CheckBox);
    checkDoubles(side, o.checkS8_3_1CheckBox, o.checkS8_4LineEdit);
    checkCategoryPairs(side);
    checkSentenceStarts(side, o.checkS10_1_1CheckBox);
    checkKeySequences(side, o.checkS14CheckBox);
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
    checkControlCharacters(side);
    checkFirstCharacter(side, o.checkT3_4LineEdit);
    checkLastCharacter(side, o.checkT4_4LineEdit);
    checkQuotesAndBrackets(side, o.checkT5_3_2CheckBox);
    checkBlankAfterPunctuation(side, o.checkT6_1_1CheckBox, o.checkT6_2_1CheckBox,
                               o.checkT6_4_1CheckBox, o.checkST6MarksCheckBox);
    checkBlankBeforePunctuation(side, o.checkT7_2_1CheckBox);
    checkDoubles(side, o.checkT8_3_1CheckBox, o.checkT8_4LineEdit);
    checkCategoryPairs(side);
    checkSentenceStarts(side, o.checkT10_1_1CheckBox, o.checkT10_1_2CheckBox);
    checkKeySequences(side, o.checkT14CheckBox);
}
