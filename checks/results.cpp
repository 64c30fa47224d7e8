#include "checks/results.h"

#include <QtDebug>
#include <limits>

results::results(const AppSettingsRecord &options)
    : m_options(options)
{
    clear();
}

void results::setOptions(const AppSettingsRecord &options)
{
    m_options = options;
    for (auto &outcomes : m_sourceOutcomes)
        outcomes.clear();
}

void results::clear()
{
    if (diverting())
        m_divert->finish();
    languageReady = false;
    emptyElements.clear();
    htmlSubsetTags.clear();
    htmlSubsetAttributes.clear();
    cssSubsetProperties.clear();
    vanishedCount = 0;
    sourceCount = 0;
    translationCount = 0;
    unfinishedCount = 0;
    catalogueLanguage.clear();

    translationRules = LanguageRules();
    translationRules.maxNumerus = unknownNumerus;
    translationRules.script = -1;
    acceleratorMarker = QStringLiteral("&");
    argumentMarker = QStringLiteral("%");
    sourceRules = LanguageRules();
    sourceRules.maxNumerus = 2;
    sourceRules.script = 3; // QChar::Script_Latin: the source language is English

    sourceTexts.clear();
    usedSourceCharacters.clear();
    translationTexts.clear();
    usedTranslationCharacters.clear();
    firstMessages.clear();
    for (auto &outcomes : m_sourceOutcomes)
        outcomes.clear();
    for (FindingMap &map : m_findings)
        map.clear();
    for (ItemList &list : m_items)
        list.clear();
    m_files.clear();
    m_fileLanguages.clear();
    m_currentFile = -1;
    m_origin = MessageOrigin();
    m_currentRecord = -1;
    m_messages.clear();
    m_itemOrigins.clear();
    m_silencedCounts.fill(0);
    m_suppressionProblems.clear();
    m_originInherited = m_worker;
    m_orderSensitive = false;
    m_consistencyEntries.clear();
    m_log.clear();
}

int results::beginFile(const QString &path)
{
    m_files.append(path);
    m_fileLanguages.append(QString());
    m_currentFile = int(m_files.size()) - 1;
    return m_currentFile;
}

int results::currentMessage(const QString &source, const QString &translation,
                            const QString &context, int numerusForm)
{
    if (m_currentRecord < 0) {
        m_messages.append(MessageRecord {m_currentFile, m_origin.sourceLine,
                                         m_origin.translationLine, numerusForm, context, source,
                                         translation});
        m_currentRecord = int(m_messages.size()) - 1;
    }
    return m_currentRecord;
}

void results::relateFinding(int &related, FirstMessage &first, FirstMessageTables::Side side,
                            const QString &source, const QString &translation)
{
    if (related >= 0)
        return;
    int &record = first.record[size_t(side)];
    if (record < 0) {
        m_messages.append(MessageRecord {first.file, first.sourceLine, first.translationLine,
                                         first.numerusForm, first.context, source, translation});
        record = int(m_messages.size()) - 1;
    }
    related = record;
}

bool results::silenced(int index, int times)
{
    if (!honourSuppressions || !m_origin.silenced.test(size_t(index)))
        return false;
    m_silencedCounts[index] += times;
    return true;
}

void results::reportUnknownIgnoreId(const QString &id, int line)
{
    if (diverting()) {
        m_divert->take(ReaderCall::of(ReaderCall::UnknownIgnoreId, id, line));
        return;
    }
    const QString path = m_currentFile >= 0 ? m_files.at(m_currentFile) : QString();
    m_suppressionProblems.append(
        tr("%1:%2: kvn-ignore names no check: %3").arg(path, QString::number(line), id));
}

void results::fileAssert(bool condition, const QString &message, bool internalError, int line)
{
    if (condition)
        return;
    if (diverting()) {
        ReaderCall call = ReaderCall::of(ReaderCall::Problem, message, line);
        call.internalError = internalError;
        m_divert->take(std::move(call));
        return;
    }
    // A problem met while checking a message (a spent finding budget) stands at
    // the message.
    if (line <= 0)
        noteInheritedOrigin();
    m_itemOrigins.append(ItemOrigin {m_currentFile, line > 0 ? line : m_origin.sourceLine});
    QString item = message;
    if (internalError)
        item += QLatin1Char('\n')
                + tr("Please report this error to Oskerbay! I want to improve KVN.");
    m_items[Check_0].append(item);
    log(internalError ? QtCriticalMsg : QtInfoMsg, item);
}

void results::log(QtMsgType type, const QString &text)
{
    if (diverting()) {
        m_divert->take(ReaderCall::of(ReaderCall::Log, text, int(type)));
        return;
    }
    writeLog(type, text);
}

void results::writeLog(QtMsgType type, const QString &text)
{
    if (m_worker) {
        m_log.append(qMakePair(type, text));
        return;
    }
    switch (type) {
    case QtCriticalMsg:
    case QtFatalMsg:
        qCritical().noquote() << text;
        break;
    case QtWarningMsg:
        qWarning().noquote() << text;
        break;
    case QtInfoMsg:
        qInfo().noquote() << text;
        break;
    case QtDebugMsg:
        qDebug().noquote() << text;
        break;
    }
}

void results::recordFinding(FindingMap &map, const QString &findingText, const QString &value)
{
    map.insert(findingText, value);
}

namespace {

// The start of a text, to name it in a report line.
QString textStart(const QString &text)
{
    const qsizetype shown = 60;
    return text.size() <= shown ? text : text.left(shown) + QStringLiteral("...");
}

} // namespace

bool results::itemAllowed(qsizetype &recordedSize, int index, const QString &text,
                          QStringList *problems)
{
    const qsizetype reported = std::numeric_limits<qsizetype>::max();
    if (recordedSize < findingBudget)
        return true;
    if (recordedSize != reported) {
        recordedSize = reported;
        const QString problem = tr("Too many findings of check %1 in one text. Its further "
                                   "findings in this text are not reported.")
                                    .arg(QLatin1String(checkInfo(index).id))
                                + QLatin1Char('\n') + textStart(text);
        if (problems)
            problems->append(problem);
        else
            fileAssert(false, problem);
    }
    return false;
}

bool results::findingAllowed(MessageState &state, int index)
{
    const bool translationCheck = checkInfo(index).id[0] == 'T';
    return itemAllowed(state.recordedKeySize[index], index,
                       translationCheck ? state.translation : state.source);
}

void results::recordSourceFinding(MessageState &state, int index, const QString &key,
                                  const QString &valuePrefix, int times)
{
    if (state.numerusForm > sourceRules.maxNumerus
        || silenced(index, times * int(state.locations.size())))
        return;
    const bool kept = keepsFindings(index);
    const int message = state.locations.isEmpty() || !kept ? -1 : currentMessage(state);
    for (int i = 0; i < times && findingAllowed(state, index); ++i) {
        state.recordedKeySize[index] += key.size() + valuePrefix.size() * state.locations.size();
        if (!kept)
            continue;
        for (const QString &location : state.locations)
            m_findings[index].insert(
                key, valuePrefix.isEmpty() ? location : QString(valuePrefix + location), 1,
                message);
    }
}

int *results::recordTranslationFinding(MessageState &state, int index, const QString &key,
                                       int times)
{
    // The budget is checked before each finding, as if they came one by one; the
    // ones it allows share one search of the findings store.
    if (silenced(index, times))
        return nullptr;
    int allowed = 0;
    while (allowed < times && findingAllowed(state, index)) {
        state.recordedKeySize[index] += key.size();
        ++allowed;
    }
    if (!keepsFindings(index))
        return nullptr;
    return m_findings[index].insert(key, state.context, allowed,
                                    allowed > 0 ? currentMessage(state) : -1);
}

void results::startWorker(const results &run)
{
    m_options = run.m_options;
    m_worker = true;
    clear();
    honourSuppressions = run.honourSuppressions;
    reuseSourceOutcomes = run.reuseSourceOutcomes;
    recordListings = run.recordListings;
    languageReady = run.languageReady;
    emptyElements = run.emptyElements;
    htmlSubsetTags = run.htmlSubsetTags;
    htmlSubsetAttributes = run.htmlSubsetAttributes;
    cssSubsetProperties = run.cssSubsetProperties;
    catalogueLanguage = run.catalogueLanguage;
    translationRules = run.translationRules;
    sourceRules = run.sourceRules;
    acceleratorMarker = run.acceleratorMarker;
    argumentMarker = run.argumentMarker;
}

void results::mergeWorker(results &worker, bool continuesFile)
{
    Q_ASSERT(worker.m_worker && !worker.m_orderSensitive);
    Q_ASSERT(!continuesFile || (m_currentFile >= 0 && worker.m_files.size() == 1));
    for (const auto &line : std::as_const(worker.m_log))
        writeLog(line.first, line.second);
    const int fileOffset = continuesFile ? m_currentFile : int(m_files.size());
    const int messageOffset = int(m_messages.size());
    const auto movedFile = [fileOffset](int file) { return file >= 0 ? file + fileOffset : file; };
    if (!continuesFile) {
        m_files += worker.m_files;
        m_fileLanguages += worker.m_fileLanguages;
    }
    for (MessageRecord &record : worker.m_messages) {
        record.file = movedFile(record.file);
        m_messages.append(std::move(record));
    }
    for (ItemOrigin origin : std::as_const(worker.m_itemOrigins)) {
        origin.file = movedFile(origin.file);
        m_itemOrigins.append(origin);
    }
    for (int index = 0; index < CheckCount; ++index) {
        m_items[index] += worker.m_items[index];
        m_findings[index].take(worker.m_findings[index], messageOffset);
        m_silencedCounts[index] += worker.m_silencedCounts[index];
    }
    m_suppressionProblems += worker.m_suppressionProblems;
    vanishedCount += worker.vanishedCount;
    sourceCount += worker.sourceCount;
    translationCount += worker.translationCount;
    unfinishedCount += worker.unfinishedCount;
    sourceTexts.unite(worker.sourceTexts);
    translationTexts.unite(worker.translationTexts);
    // A reader that reads on sets these for its next message itself.
    if (!continuesFile) {
        poFile = worker.poFile;
        formatFlag = worker.formatFlag;
    }

    QList<ConsistencyEntry> &entries = worker.m_consistencyEntries;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        // The tables are large and the keys come in no order of theirs: each
        // step asks for what a later entry will read.
        for (const auto &[ahead, stage] : {std::pair {12, 0}, {6, 1}, {2, 2}}) {
            if (i + ahead < entries.size()) {
                const ConsistencyEntry &later = entries.at(i + ahead);
                firstMessages.prefetch(FirstMessageTables::BySource, later.sourceKey, stage);
                firstMessages.prefetch(FirstMessageTables::ByTranslation, later.translationKey,
                                       stage);
            }
        }
        ConsistencyEntry &entry = entries[i];
        entry.record.file = movedFile(entry.record.file);
        replayConsistency(entry, entry.recordIndex >= 0 ? entry.recordIndex + messageOffset : -1);
    }

    // A walk's problem that follows stands where the worker's last message stood.
    if (worker.m_currentFile >= 0)
        m_currentFile = movedFile(worker.m_currentFile);
    if (!worker.m_originInherited)
        m_origin = worker.m_origin;
    // The worker is spent: what was moved out of it is left empty, and the
    // caller frees the rest, where freeing does not hold up the merge.
}

void results::replayReaderCall(const ReaderCall &call)
{
    if (call.kind == ReaderCall::Message || call.kind == ReaderCall::PluralForms) {
        poFile = call.poFile;
        formatFlag = call.formatFlag;
        sourceOnly = call.sourceOnly;
    }
    switch (call.kind) {
    case ReaderCall::Message:
        checkMessage(call.source, call.translation, call.context, call.locations, call.unfinished,
                     call.vanished, call.number, call.sourceNumerusWarnings,
                     call.translationNumerusWarnings);
        break;
    case ReaderCall::PluralForms:
        checkPluralForms(call.source, call.context, call.unfinished, call.number, call.expected);
        break;
    case ReaderCall::Origin:
        setMessageOrigin(call.origin);
        break;
    case ReaderCall::Problem:
        fileAssert(false, call.source, call.internalError, call.number);
        break;
    case ReaderCall::UnknownIgnoreId:
        reportUnknownIgnoreId(call.source, call.number);
        break;
    case ReaderCall::Log:
        log(QtMsgType(call.number), call.source);
        break;
    }
}

bool results::skippedByPartialRule(int index, const MessageState &state) const
{
    // The field of each translation check's tri-state box, from its catalogue row.
    static const std::array<int AppSettingsRecord::*, CheckCount> boxes = [] {
        std::array<int AppSettingsRecord::*, CheckCount> fields {};
        for (int i = 0; i < CheckCount; ++i) {
            const CheckInfo &info = checkInfo(i);
            if (info.box == BoxKind::TriState && info.twin != NoCheck)
                fields[i] = stateField(QLatin1String(info.key));
        }
        return fields;
    }();
    int AppSettingsRecord::*box = boxes[index];
    if (!box || m_options.*box != 1)
        return false;
    const CheckInfo &info = checkInfo(index);
    return state.failed[info.twin]
           || (info.partialAlso != NoCheck && state.failed[info.partialAlso]);
}
