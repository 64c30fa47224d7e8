// The entry of the per-message checks: counters, the empty texts, the text sets,
// then the source checks, the translation checks and the comparison checks.

#include "checks/results.h"
#include "checks/textutil.h"
#include "model/appsettings.h"

#include <thread>

namespace {

bool isCreditsSource(const QString &source)
{
    for (const char *key :
         {"translator-credits", "translator_credits", "translator credits", "your names",
          "your emails", "name of translators", "email of translators", "translated by"})
        if (source.trimmed().compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

void results::checkMessage(const QString &source, const QString &translation,
                           const QString &context, const QList<QString> &locations, bool unfinished,
                           bool vanished, int numerusForm, const QString &sourceNumerusWarnings,
                           const QString &translationNumerusWarnings)
{
    // The diagnostic lines about form feeds, carriage returns, tabs and vertical
    // tabs are not written: they change nothing and would flood the log of a
    // large run.
    if (diverting()) {
        ReaderCall call = ReaderCall::of(ReaderCall::Message, source, numerusForm);
        call.translation = translation;
        call.context = context;
        call.locations = locations;
        call.unfinished = unfinished;
        call.vanished = vanished;
        call.sourceNumerusWarnings = sourceNumerusWarnings;
        call.translationNumerusWarnings = translationNumerusWarnings;
        divertMessageCall(std::move(call));
        return;
    }
    m_currentRecord = -1;
    noteInheritedOrigin();
    if (vanished) {
        ++vanishedCount;
        return;
    }
    // One buffer holds the source, a line feed and the translation: the key of
    // the translation findings, and the texts the store keeps (records, text
    // sets, consistency tables) are parts of it.
    QString texts, sourcePart, translationPart;
    if (!source.isEmpty() && !translation.isEmpty() && !sourceOnly) {
        texts = source + QLatin1Char('\n') + translation;
        sourcePart = sharedPart(texts, 0, source.size());
        translationPart = sharedPart(texts, source.size() + 1, translation.size());
    }
    checkTexts(texts.isNull() ? source : sourcePart, texts.isNull() ? translation : translationPart,
               texts, context, locations, unfinished, numerusForm, sourceNumerusWarnings,
               translationNumerusWarnings);
}

void results::checkTexts(const QString &source, const QString &translation, const QString &texts,
                         const QString &context, const QList<QString> &locations, bool unfinished,
                         int numerusForm, const QString &sourceNumerusWarnings,
                         const QString &translationNumerusWarnings)
{
    if (numerusForm <= sourceRules.maxNumerus)
        ++sourceCount;
    if (translation.isEmpty()) {
        if (unfinished)
            ++unfinishedCount;
        else if (!sourceOnly && !silenced(CheckT1_1))
            m_findings[CheckT1_1].insert(source, context, 1,
                                         currentMessage(source, translation, context, numerusForm));
    } else {
        ++translationCount;
    }
    if (source.isEmpty()) {
        static const QString emptySource = QStringLiteral(
            "Found empty string(s). Might be empty in the source or the data import is "
            "incorrect. Please report if the problem is not in the source!");
        if (!locations.isEmpty() && !silenced(CheckS1_1, int(locations.size()))) {
            const int message = currentMessage(source, translation, context, numerusForm);
            for (const QString &location : locations)
                m_findings[CheckS1_1].insert(emptySource, location, 1, message);
        }
        return;
    }
    if (recordListings || maySpendWordBudget(source))
        sourceTexts.insert(source);

    MessageState state {source,      translation, texts, context, locations, unfinished,
                        numerusForm, {},          {},    {},      {},        {},
                        {},          {},          {},    {},      {}};
    state.firstSource = firstSignificantCharacter(source, acceleratorMarker, argumentMarker);
    state.firstTranslation
        = firstSignificantCharacter(translation, acceleratorMarker, argumentMarker);
    if (!sourceNumerusWarnings.isEmpty()) {
        state.failed.set(CheckS0);
        recordSourceFinding(state, CheckS0, sourceNumerusWarnings + QLatin1Char('\n') + source);
    }
    runSourceChecks(state);

    if (translation.isEmpty() || sourceOnly)
        return;
    if (recordListings || maySpendWordBudget(translation))
        translationTexts.insert(translation);
    // Translator credits hold names and addresses instead of a translation.
    if (m_options.checkST20_1_1CheckBox && isCreditsSource(source))
        return;
    if (!translationNumerusWarnings.isEmpty() && numerusForm <= translationRules.maxNumerus) {
        state.failed.set(CheckT0);
        recordTranslationFinding(state, CheckT0,
                                 translationNumerusWarnings + QLatin1Char('\n') + texts);
    }
    runTranslationChecks(state);
    scanEmailsUrisTags(state, true);
    runComparisonChecks(state);
    runPlaceholderChecks(state);
    if (m_consistencyPending) {
        m_consistencyEntries.last().recordIndex = m_currentRecord;
        m_consistencyPending = false;
    }
}

void results::runCatalogueChecks()
{
    // The two sides share nothing until their lists are made: the translation
    // side is made on a thread of its own when the machine has more than one
    // core. Its problems wait for the source side's, and both for the used
    // characters' report.
    QStringList problems[2];
    const auto side = [this, &problems](bool translationSide) {
        if (!recordListings) {
            // Without the lists the text sets hold only the texts that may
            // spend the doubled words' budget: their problems are all that is made.
            TextSet words;
            splitTexts(translationSide, words, problems[translationSide]);
            return;
        }
        collectCharacters(translationSide ? translationTexts : sourceTexts,
                          translationSide ? usedTranslationCharacters : usedSourceCharacters);
        listWordsAndTexts(translationSide, problems[translationSide]);
    };
    std::thread thread;
    if (std::thread::hardware_concurrency() > 1)
        thread = std::thread(side, true);
    side(false);
    if (thread.joinable())
        thread.join();
    else
        side(true);
    if (recordListings)
        reportUsedCharacters();
    for (const QStringList &sideProblems : problems)
        for (const QString &problem : sideProblems)
            fileAssert(false, problem);
}
