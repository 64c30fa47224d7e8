#pragma once
// The message store of one run: language rules, counters, text collections and
// one findings store per check. Messages are not kept; only what the checks
// derive from them stays.

#include "checks/textset.h"
#include "checks/textutil.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "model/charactertables.h"
#include "model/findings.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <bitset>
#include <deque>
#include <memory>

// Where a message of a catalogue stands and what it says: kept once per message
// that has a finding, and named by index from the findings. Lines are 1-based,
// 0 when unknown.
struct MessageRecord {
    int file = -1; // index into results::files(), -1 for none
    int sourceLine = 0; // the msgid keyword or the <source> element
    int translationLine = 0; // msgstr / msgstr[n], <translation> or that <numerusform>
    int numerusForm = 0;
    QString context;
    QString source;
    QString translation;
};
// Moved by memory copy: a growing list of records is reallocated in place.
Q_DECLARE_TYPEINFO(MessageRecord, Q_RELOCATABLE_TYPE);

// The line a finding of check index names: the source line for a source check,
// the translation line for the others (the source line when there is none).
inline int findingLine(const MessageRecord &record, int index)
{
    const char *id = checkInfo(index).id;
    const bool sourceCheck = id && id[0] == 'S' && id[1] != 'T';
    return sourceCheck || record.translationLine == 0 ? record.sourceLine : record.translationLine;
}

// The first message of a source and of a translation, kept by the catalogue-wide
// comparisons (ST10.1, ST11.1) so that a later message that differs from it can
// name it: its texts and where it stands. One entry serves both tables when the
// message is the first of its source and of its translation.
struct FirstMessage {
    QString texts; // the source, a line feed and the translation (see MessageState)
    QString context;
    qsizetype sourceSize = 0;
    int file = -1;
    int sourceLine = 0;
    int translationLine = 0;
    int numerusForm = 0;
    // Its MessageRecord as each table's findings name it (made at the first one).
    std::array<int, 2> record {-1, -1};
    // The keys of the two tables where they are not the texts (like forms), else null.
    CopiedBox<std::array<QString, 2>> keys;

    QStringView source() const { return QStringView(texts).first(sourceSize); }
    QStringView translation() const { return QStringView(texts).sliced(sourceSize + 1); }
    QString sourcePart() const { return sharedPart(texts, 0, sourceSize); }
    QString translationPart() const
    {
        return sharedPart(texts, sourceSize + 1, texts.size() - sourceSize - 1);
    }
    QStringView key(int side) const
    {
        if (keys)
            return keys->at(size_t(side));
        return side == 0 ? source() : translation();
    }
};

// A key with its hash, computed where the key is made: a worker thread hashes
// the keys of its messages, and the run's tables do not hash them again.
struct HashedText {
    QString text;
    size_t hash = 0;
    explicit HashedText(QString key)
        : text(std::move(key))
        , hash(TextIndex::hashOf(text))
    { }
    bool operator==(const HashedText &other) const
    {
        return hash == other.hash && text == other.text;
    }
};
// The hash is the one every text index of the run uses (seeded once per process).
inline size_t qHash(const HashedText &key, size_t) noexcept
{
    return key.hash;
}

// The first message of each source (ST10.1, side BySource) and of each
// translation (ST11.1, side ByTranslation): entries that stay where they are,
// found through an index of their keys' hashes per side. A merge asks for the
// slots and entries of the keys it comes to next (prefetch) while it consults
// the tables for the current one.
class FirstMessageTables
{
public:
    enum Side { BySource = 0, ByTranslation = 1 };

    FirstMessage *find(Side side, const HashedText &key)
    {
        const qsizetype at
            = m_index[side].find(key.text, key.hash, [this, side](qsizetype position) {
                  return m_entries[size_t(position)].key(side);
              });
        return at < 0 ? nullptr : &m_entries[size_t(at)];
    }
    // Adds an entry, to be named on either side by insert.
    qsizetype append(FirstMessage &&first)
    {
        m_entries.push_back(std::move(first));
        return qsizetype(m_entries.size()) - 1;
    }
    FirstMessage &at(qsizetype position) { return m_entries[size_t(position)]; }
    // Makes the entry at position the first message of a key that find did not find.
    void insert(Side side, const HashedText &key, qsizetype position)
    {
        m_index[side].add(key.hash, position);
    }
    // Asks for what find(side, key) reads: stage 0 its slot, then the entry the
    // slot likely names (stage 1), then that entry's texts (stage 2).
    void prefetch(Side side, const HashedText &key, int stage) const
    {
        if (stage == 0) {
            m_index[side].prefetch(key.hash);
            return;
        }
        const qsizetype position = m_index[side].likelyPosition(key.hash);
        if (position < 0)
            return;
        const FirstMessage &entry = m_entries[size_t(position)];
        if (stage == 1)
            __builtin_prefetch(&entry);
        else
            __builtin_prefetch(entry.texts.constData());
    }
    void clear()
    {
        m_entries.clear();
        m_index[BySource].clear();
        m_index[ByTranslation].clear();
    }

private:
    std::deque<FirstMessage> m_entries;
    std::array<TextIndex, 2> m_index;
};

// What a reader knows of the message it hands over next (results::setMessageOrigin).
struct MessageOrigin {
    int sourceLine = 0;
    int translationLine = 0;
    std::bitset<CheckCount> silenced; // checks named by the message's kvn-ignore comments
};

// Where an item of check "0" comes from.
struct ItemOrigin {
    int file = -1;
    int line = 0;
};

using ItemList = QStringList;

// A call of a file reader on the run's store, kept to be made on a worker store
// (results::divertReaderCalls). Which fields count depends on the kind.
struct ReaderCall {
    enum Kind : quint8 { Message, PluralForms, Origin, Problem, UnknownIgnoreId, Log };
    Kind kind = Message;
    bool unfinished = false;
    bool vanished = false;
    bool internalError = false; // Problem
    bool poFile = false; // Message, PluralForms: the store's fields at the call
    bool sourceOnly = false;
    int formatFlag = 0;
    int number = 0; // the numerus form; the forms (PluralForms); the line; a QtMsgType (Log)
    int expected = 0; // PluralForms
    QString source; // the text of a Problem, an UnknownIgnoreId or a Log
    QString translation;
    QString context;
    QList<QString> locations;
    QString sourceNumerusWarnings;
    QString translationNumerusWarnings;
    MessageOrigin origin; // Origin

    static ReaderCall of(Kind kind, const QString &text, int number)
    {
        ReaderCall call;
        call.kind = kind;
        call.source = text;
        call.number = number;
        return call;
    }
};

// Takes the calls a reader makes on the run's store while they are diverted.
class ReaderCallSink
{
public:
    virtual ~ReaderCallSink() = default;
    virtual void take(ReaderCall &&call) = 0;
    // Makes every call taken so far, so that the run's store holds their
    // outcome; the store calls it before it changes its language set-up.
    virtual void finish() = 0;
};

// The rules of one side (source or translation) of the catalogue.
struct LanguageRules {
    int maxNumerus = 2;
    int script = -1; // a QChar::Script value, -1 for none
    QString decimalSeparator = QStringLiteral(".");
    QString questionMark = QStringLiteral("?");
    QString exclamationMark = QStringLiteral("!");
    QString fullStop = QStringLiteral(".");
    QString colon = QStringLiteral(":");
    CharacterMap openToClose;
    CharacterMap closeToOpen;
    CharacterSet openingCharacters;
    CharacterSet closingCharacters;
};

// What the source checks and scanners found on one text: their failure flags,
// tokens and the findings they would record, in order (see
// results::reuseSourceOutcomes).
struct SourceCheckOutcome {
    struct Finding {
        int index;
        QString key;
        int times;
        QString valuePrefix; // see results::recordSourceFinding
        bool needsLocations; // not recorded for a message without locations
    };
    std::bitset<CheckCount> failed;
    QList<Finding> findings;
    QSet<QString> emails, uris, tags;
};

// Per-call state of checkMessage shared by the single-text and comparison checks.
struct MessageState {
    const QString &source;
    const QString &translation;
    // The source, a line feed and the translation: the key of the message's
    // translation findings, whose buffer the source and the translation share
    // (null when the message has no translation to check).
    const QString &texts;
    const QString &context;
    const QList<QString> &locations;
    bool unfinished;
    int numerusForm;
    std::bitset<CheckCount> failed; // failure flags by check index, set whether or not recorded
    QChar firstSource; // first character that is no accelerator or argument marker
    QChar firstTranslation;
    QSet<QString> sourceEmails, sourceUris, sourceTags;
    QSet<QString> translationEmails, translationUris, translationTags;
    std::array<qsizetype, CheckCount> recordedKeySize; // by check index, see results::findingBudget
};

class results
{
    // Engine messages use the translation context "results": tr() in methods,
    // results::tr() elsewhere.
    Q_DECLARE_TR_FUNCTIONS(results)

public:
    // The options are the store's own copy: two stores may check with different
    // options in one process.
    explicit results(const AppSettingsRecord &options = defaultOptions());

    // The options of the checks. Setting them forgets the replayed source outcomes.
    void setOptions(const AppSettingsRecord &options);
    const AppSettingsRecord &options() const { return m_options; }

    static const int unknownNumerus = 99;
    static QString unknownLanguage() { return QStringLiteral("---KVN UNKNOWN---"); }

    void clear();
    // line: the line of the file being read that the problem names, 0 for none.
    void fileAssert(bool condition, const QString &message, bool internalError = false,
                    int line = 0);

    // The readers name the file they start and, before each checkMessage, where
    // the message stands and which checks its comments silence.
    int beginFile(const QString &path);
    void setMessageOrigin(const MessageOrigin &origin)
    {
        if (diverting()) {
            ReaderCall call = ReaderCall::of(ReaderCall::Origin, QString(), 0);
            call.origin = origin;
            m_divert->take(std::move(call));
            return;
        }
        m_origin = origin;
        m_originInherited = false;
    }
    const MessageOrigin &messageOrigin() const { return m_origin; }
    // Files in the order they were read, messages with findings in the order of
    // their first finding, and the origins of the items of check "0".
    const QStringList &files() const { return m_files; }
    // The language a file declares (its .ts language attribute or .po Language
    // header), empty when it names none.
    QString fileLanguage(int file) const { return m_fileLanguages.value(file); }
    const QList<MessageRecord> &messages() const { return m_messages; }
    const QList<ItemOrigin> &itemOrigins() const { return m_itemOrigins; }
    // Findings of each check left out by kvn-ignore comments.
    int silencedCount(int index) const { return m_silencedCounts[index]; }
    // False: the kvn-ignore comments are read but silence nothing (kvn --no-ignore).
    bool honourSuppressions = true;
    // An id of a kvn-ignore comment that names no check, as "PATH:LINE: ..." lines.
    void reportUnknownIgnoreId(const QString &id, int line);
    const QStringList &suppressionProblems() const { return m_suppressionProblems; }

    // Language rules and markup subsets.
    void setUpLanguage(const QString &language, bool clearFirst, const QString &fileName);

    // The per-message entry of the check engine.
    void checkMessage(const QString &source, const QString &translation, const QString &context,
                      const QList<QString> &locations, bool unfinished, bool vanished,
                      int numerusForm, const QString &sourceNumerusWarnings,
                      const QString &translationNumerusWarnings);

    // A plural message with `forms` translated forms where the language has
    // `expected` (check ST22.4); the readers call it once per message.
    void checkPluralForms(const QString &source, const QString &context, bool unfinished, int forms,
                          int expected);

    // The catalogue-wide pass, once after the last file of a run.
    void runCatalogueChecks();

    // Files read in parallel: each file is read into a worker store that starts
    // from the run's language set-up (startWorker), and the workers are merged
    // into the run's store in file order (mergeWorker), which then holds what
    // one store reading the files in turn would hold.
    void startWorker(const results &run);
    // False when the worker met what only the run's store knows (where the
    // previous file's last message stands): read that file again into the run's
    // store instead of merging it.
    bool mergeable() const { return !m_orderSensitive; }
    // continuesFile: the worker read on in the file being read here (see
    // divertReaderCalls), its only file.
    void mergeWorker(results &worker, bool continuesFile = false);

    // One file read by several workers: while a sink is set, the calls a reader
    // makes on this store once its file has begun and its language is set up go
    // to the sink instead, which makes them on worker stores, a run of calls
    // each, and merges those in order (continuesFile). A change of the language
    // set-up has the sink finish first. Null: the calls are made here again.
    void divertReaderCalls(ReaderCallSink *sink) { m_divert = sink; }
    // Makes a call that a reader made on the run's store.
    void replayReaderCall(const ReaderCall &call);
    // Standard error lines (information, warnings, internal errors); a worker
    // keeps them for the merge.
    void log(QtMsgType type, const QString &text);

    // Findings and report blocks.
    static void recordFinding(FindingMap &map, const QString &findingText, const QString &value);
    QString formatItemList(int index, bool showHeading, bool showItems) const;
    QString formatFindings(int index, bool showHeading, bool showDetails, bool showLocations,
                           bool listMode, bool html) const;

    // Characters and brackets.
    QString characterName(QChar ch, bool warn, QString &warnings) const;
    QString usedCharacterReport(int localScript, const QSet<QString> &characters,
                                const CharacterMap &openToClose,
                                const CharacterMap &closeToOpen) const;
    void collectCharacters(const TextSet &texts, QSet<QString> &characters);
    bool checkBrackets(const QString &text, const CharacterMap &openToClose,
                       const CharacterMap &closeToOpen, QString &message,
                       bool disallowListings) const;

    // E-mail, URI and markup validators.
    bool checkEmail(const QString &address, QString &message) const;
    bool checkUri(const QString &uri, QString &message) const;
    void trimToLettersOrNumbers(QString &text) const;
    bool checkTagName(const QString &name, bool qtSubsetOnly, QString &message) const;
    bool checkTagAttribute(const QString &attribute, bool qtHtmlSubsetOnly, bool qtCssSubsetOnly,
                           QString &message) const;

    // Words and numbers.
    // The problems met (a spent budget of doubled words) are added to problems,
    // for check "0" once the catalogue pass has run both sides.
    void splitWords(const QString &text, TextSet &words, bool isTranslation, QStringList &problems);
    void processWord(QStringView word, bool hasLetter, TextSet &words, QStringView &previousWord,
                     bool &duplicate, bool isTranslation);
    // The distinct numbers of a text in ascending order, and its distinct runs
    // of digits in code-unit order.
    QList<double> extractNumbers(const QString &text, const QString &decimalSeparator) const;
    QStringList extractNumberRuns(const QString &text) const;

    FindingMap &findings(int index) { return m_findings[index]; }
    const FindingMap &findings(int index) const { return m_findings[index]; }
    ItemList &items(int index) { return m_items[index]; }
    const ItemList &items(int index) const { return m_items[index]; }

    // Set-up state and markup sets.
    bool languageReady = false;
    QSet<QString> emptyElements;
    QSet<QString> htmlSubsetTags;
    QSet<QString> htmlSubsetAttributes;
    QSet<QString> cssSubsetProperties;

    // Summary counters.
    int vanishedCount = 0;
    int sourceCount = 0;
    int translationCount = 0;
    int unfinishedCount = 0;

    QString catalogueLanguage;
    LanguageRules translationRules;
    QString acceleratorMarker = QStringLiteral("&");
    // What the reader knows of the file and the entry being checked: a .po file,
    // and the entry's format flag (1 c-format, -1 another format such as
    // no-c-format or qt-format, 0 none).
    bool poFile = false;
    int formatFlag = 0;
    QString argumentMarker = QStringLiteral("%");
    LanguageRules sourceRules;

    // Text collections.
    TextSet sourceTexts;
    QSet<QString> usedSourceCharacters;
    TextSet translationTexts;
    QSet<QString> usedTranslationCharacters;
    FirstMessageTables firstMessages;
    // Names `first` beside the messages of a finding of the table `side`, as its
    // related message with the texts source and translation.
    void relateFinding(int &related, FirstMessage &first, FirstMessageTables::Side side,
                       const QString &source, const QString &translation);

    // The source checks give the same outcome for every message with the same
    // source, as long as the options and the rules stay: a run sets this, and
    // then replays the outcome for a source that comes back instead of checking
    // it again. clear(), setOptions() and the language set-up forget the outcomes.
    bool reuseSourceOutcomes = false;

    // False: the rows of the listing checks and the lists of the catalogue-wide
    // pass are not made, and the text sets keep only the texts that may spend
    // the doubled words' budget; for an output that shows only warnings and
    // check "0" (kvn's gcc, GitHub, CSV and SARIF formats). Everything else
    // stays as it is: failure flags, silenced counts and the problems of check "0".
    bool recordListings = true;
    bool keepsFindings(int index) const { return recordListings || !checkInfo(index).listing; }

    // Set while a template (.pot) is read: its translations are empty by
    // design, so only the source checks and check "0" report on it, and a
    // missing language is no problem.
    bool sourceOnly = false;

private:
    // Steps of checkMessage, by area. checkTexts checks a message whose
    // `texts` (see MessageState) are made.
    void checkTexts(const QString &source, const QString &translation, const QString &texts,
                    const QString &context, const QList<QString> &locations, bool unfinished,
                    int numerusForm, const QString &sourceNumerusWarnings,
                    const QString &translationNumerusWarnings);
    void runSourceChecks(MessageState &state);
    void runSourceCheckGroups(MessageState &state, SourceCheckOutcome *capture);
    void replaySourceOutcome(MessageState &state, const SourceCheckOutcome &outcome);
    void runTranslationChecks(MessageState &state);
    // With `capture`, the findings go there instead of the store.
    void scanEmailsUrisTags(MessageState &state, bool translationSide,
                            SourceCheckOutcome *capture = nullptr);
    void runComparisonChecks(MessageState &state);
    // The consistency tables (first translation of a source and first source of
    // a translation): how a message fares depends on every message before it.
    void checkConsistency(MessageState &state);
    // A worker that uses the origin of a message of an earlier file cannot be merged.
    void noteInheritedOrigin()
    {
        if (m_originInherited)
            m_orderSensitive = true;
    }
    void runPlaceholderChecks(MessageState &state);
    // Steps of runCatalogueChecks.
    void reportUsedCharacters();
    void listWordsAndTexts(bool translationSide, QStringList &problems);
    // Splits the texts of one side into words, in code-unit order of the
    // texts; returns the texts in that order.
    QStringList splitTexts(bool translationSide, TextSet &words, QStringList &problems);
    // A text of n code units holds fewer than n / 2 + 1 doubled words, each
    // recorded with the whole text: only a text with n * (n / 2 + 1) at or above
    // the budget can spend the budget of the doubled words.
    static bool maySpendWordBudget(const QString &text)
    {
        return text.size() * (text.size() / 2 + 1) >= findingBudget;
    }

public:
    // A finding key (or value) may hold the whole text, and a check may fail at
    // every position of it: a huge text would need memory and time quadratic in
    // its size. So a check records the findings of one message only until their
    // keys and values hold findingBudget characters (the first finding always);
    // the first finding dropped is reported in check "0".
    static const qsizetype findingBudget = qsizetype(1) << 20;
    // False when check index has spent its budget for this message; call it before
    // building a costly key. The recording helpers call it too.
    bool findingAllowed(MessageState &state, int index);
    // The same for a list of one text that is not a message (doubled words).
    // With problems, the spent budget is added there instead of to check "0".
    bool itemAllowed(qsizetype &recordedSize, int index, const QString &text,
                     QStringList *problems = nullptr);

    // Recording helpers shared by the check areas.
    // A non-empty valuePrefix is put before each location (S20: source + "\n").
    // `times` findings of the same key are recorded as many single ones.
    void recordSourceFinding(MessageState &state, int index, const QString &key,
                             const QString &valuePrefix = QString(), int times = 1);
    // Returns the related message of key (see FindingMap::insert), null when
    // nothing was recorded.
    int *recordTranslationFinding(MessageState &state, int index, const QString &key,
                                  int times = 1);
    // The partially-checked rule of translation check `index` (its catalogue row
    // names the source checks it consults): true when its tri-state box is
    // partially checked and the message's source failed one of them.
    bool skippedByPartialRule(int index, const MessageState &state) const;

private:
    AppSettingsRecord m_options;
    // The record of the message being checked, made at its first finding.
    int currentMessage(const QString &source, const QString &translation, const QString &context,
                       int numerusForm);
    int currentMessage(const MessageState &state)
    {
        return currentMessage(state.source, state.translation, state.context, state.numerusForm);
    }
    // True (and counted) when the current message's comments silence `times`
    // findings of check index.
    bool silenced(int index, int times = 1);

    std::array<FindingMap, CheckCount> m_findings;
    std::array<ItemList, CheckCount> m_items;
    QStringList m_files;
    QStringList m_fileLanguages;
    int m_currentFile = -1;
    MessageOrigin m_origin;
    int m_currentRecord = -1;
    QList<MessageRecord> m_messages;
    QList<ItemOrigin> m_itemOrigins;
    std::array<int, CheckCount> m_silencedCounts {};
    QStringList m_suppressionProblems;
    // By source text, apart for messages beyond the source numerus forms.
    std::array<QHash<HashedText, SourceCheckOutcome>, 2> m_sourceOutcomes;

    // Worker state. A worker cannot see the consistency tables of the files
    // before its own: it keeps each message's entry to the tables, and the merge
    // runs them in order.
    struct ConsistencyEntry {
        HashedText sourceKey, translationKey;
        QString texts; // see MessageState
        MessageRecord record; // the message and where it stands
        int recordIndex; // the worker's record of the message, -1 for none
        bool silencedSource, silencedTranslation; // ST10.1 and ST11.1 silenced
    };
    // Runs the tables for the message of entry, a worker's at its merge (its
    // record: an index into messages(), -1 for none yet).
    void replayConsistency(ConsistencyEntry &entry, int record);
    // Compares the message of entry with the tables, which it then joins (its
    // keys are moved into them); calls record(index, key) for each finding of
    // ST10.1 and ST11.1.
    template<typename Record>
    void consultConsistencyTables(ConsistencyEntry &entry, Record record);
    bool m_worker = false;
    ReaderCallSink *m_divert = nullptr;
    bool diverting() const { return m_divert && languageReady && m_currentFile >= 0; }
    // Hands a Message or PluralForms call to the sink, with the fields of this
    // store that the checks read.
    void divertMessageCall(ReaderCall &&call)
    {
        call.poFile = poFile;
        call.sourceOnly = sourceOnly;
        call.formatFlag = formatFlag;
        m_divert->take(std::move(call));
    }
    // Writes a line to standard error, or keeps it when this is a worker.
    void writeLog(QtMsgType type, const QString &text);
    bool m_originInherited = false; // no message origin set since the worker started
    bool m_orderSensitive = false;
    QList<ConsistencyEntry> m_consistencyEntries;
    bool m_consistencyPending = false; // the message being checked made the last entry
    QList<QPair<QtMsgType, QString>> m_log;
};
