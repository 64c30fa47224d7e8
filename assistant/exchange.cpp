#include "assistant/exchange.h"

#include "input/fileaccess.h"
#include "input/readers.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSet>
#include <QStringList>
#include <QTextStream>

QString decodeEntities(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("&lt;"), QLatin1String("<"));
    result.replace(QLatin1String("&gt;"), QLatin1String(">"));
    result.replace(QLatin1String("&quot;"), QLatin1String("\""));
    result.replace(QLatin1String("&apos;"), QLatin1String("'"));
    result.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return result;
}

QString encodeEntities(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("&"), QLatin1String("&amp;"));
    result.replace(QLatin1String("<"), QLatin1String("&lt;"));
    result.replace(QLatin1String(">"), QLatin1String("&gt;"));
    result.replace(QLatin1String("\""), QLatin1String("&quot;"));
    result.replace(QLatin1String("'"), QLatin1String("&apos;"));
    return result;
}

namespace exchange {
namespace {

const QLatin1Char lineFeed('\n');
const QLatin1String entryEnd("*****");
const QLatin1String emptyUnfinishedTranslation("<translation type=\"unfinished\"></translation>");
const QLatin1String emptyNumerusForm("<numerusform></numerusform>");
const int translationIndent = 8;
const int numerusFormIndent = 12;
// How long an export or a merge waits for another process to leave its work folder.
const int lockWaitMilliseconds = 2000;

// Messages used in more than one place.
const char readingFailed[] = QT_TRANSLATE_NOOP("TranslateTsDialog", "Reading %1 failed.");
const char readingTs[] = QT_TRANSLATE_NOOP("TranslateTsDialog", "Reading %1...");
const char readingDone[] = QT_TRANSLATE_NOOP("TranslateTsDialog", "Reading %1 done.");
const char readingError[]
    = QT_TRANSLATE_NOOP("TranslateTsDialog", "Reading %1 gave error code %2.");
const char writingDone[] = QT_TRANSLATE_NOOP("TranslateTsDialog", "Writing %1 done.");
const char writingFileError[]
    = QT_TRANSLATE_NOOP("TranslateTsDialog", "Writing file %1 gave error code %2.");
const char mergingAbort[] = QT_TRANSLATE_NOOP("TranslateTsDialog", "Merging abort.");
const char notUtf8[] = QT_TRANSLATE_NOOP("TranslateTsDialog",
                                         "Reading %1 stopped in line %2: the line is not UTF-8.");

// A message in the dialog's translation context, with its arguments.
template<typename... Args>
QString text(const char *source, const Args &...arguments)
{
    const QString translated = QCoreApplication::translate("TranslateTsDialog", source);
    if constexpr (sizeof...(Args) == 0)
        return translated;
    else
        return translated.arg(arguments...);
}

// The same as a line of the message box.
template<typename... Args>
QString line(const char *source, const Args &...arguments)
{
    return text(source, arguments...) + lineFeed;
}

// "Critical error." joined by a blank to its detail, then the abort line.
QString criticalError(const QString &detail)
{
    return text(QT_TRANSLATE_NOOP("TranslateTsDialog", "Critical error.")) + QLatin1Char(' ')
           + detail + lineFeed + line(mergingAbort);
}

QString errorCode(QFileDevice::FileError error)
{
    return QString::number(int(error));
}

QString exchangeText(const QStringList &texts)
{
    QString result;
    for (const QString &entry : texts)
        result += decodeEntities(entry) + QLatin1String(separator);
    return result;
}

// Follows the texts of one element through the lines of a .ts file. Only the
// first start tag and the first end tag of a line count; a text may span lines.
class TextCollector
{
public:
    enum Step { Nothing, Completed, StartedTwice, EndedBeforeStart };

    explicit TextCollector(const QString &element)
        : m_element(element)
        , m_startTag(QLatin1Char('<') + element + QLatin1Char('>'))
        , m_endTag(QLatin1String("</") + element + QLatin1Char('>'))
    { }

    Step addLine(const QString &line, int lineNumber)
    {
        const int start = line.indexOf(m_startTag);
        const int end = line.indexOf(m_endTag);
        if (m_open) {
            if (start >= 0)
                return StartedTwice;
            if (end < 0) {
                m_text += line + lineFeed;
                return Nothing;
            }
            m_text += line.left(end);
            m_open = false;
            return Completed;
        }
        if (start < 0)
            return Nothing;
        const int textStart = start + m_startTag.size();
        if (end >= 0) {
            if (end < textStart)
                return EndedBeforeStart;
            m_text = line.mid(textStart, end - textStart);
            return Completed;
        }
        m_text = line.mid(textStart) + lineFeed;
        m_open = true;
        m_openedAt = lineNumber;
        return Nothing;
    }

    bool isOpen() const { return m_open; }
    const QString &text() const { return m_text; }

    // The message for a step that stops the reading of path.
    QString failure(Step step, const QString &path, int lineNumber) const
    {
        return exchange::text(step == StartedTwice
                                  ? QT_TRANSLATE_NOOP("TranslateTsDialog",
                                                      "Reading %1 stopped in line %2: a <%3> "
                                                      "element starts before the previous one "
                                                      "ends.")
                                  : QT_TRANSLATE_NOOP("TranslateTsDialog",
                                                      "Reading %1 stopped in line %2: the line "
                                                      "ends a <%3> element before it starts one."),
                              path, QString::number(lineNumber), m_element);
    }

    QString unclosedFailure(const QString &path) const
    {
        return exchange::text(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                                "Reading %1 stopped: the <%3> element that starts "
                                                "in line %2 never ends."),
                              path, QString::number(m_openedAt), m_element);
    }

private:
    QString m_element;
    QString m_startTag;
    QString m_endTag;
    QString m_text;
    bool m_open = false;
    int m_openedAt = 0;
};

// Reads every line of an open text file, line endings removed. Bytes that are not
// UTF-8 would be read as replacement characters and end up in the files written
// from them, so invalidLine receives the first line that holds some (0: none).
QFileDevice::FileError readLines(QFile &file, QStringList &lines, int &invalidLine)
{
    invalidLine = firstInvalidUtf8Line(&file);
    if (!file.seek(0))
        return QFileDevice::ReadError;
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line))
        lines.append(line);
    return file.error();
}

// Writes text in UTF-8 with a byte order mark, completely or not at all.
fileaccess::WriteOutcome writeWithByteOrderMark(const QString &path, const QString &text)
{
    return fileaccess::writeWholeFile(path, QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8());
}

// The system's reason for a failed write, as a line of its own.
QString writeReason(const fileaccess::WriteOutcome &outcome)
{
    return outcome.reason.isEmpty() ? QString() : outcome.reason + lineFeed;
}

// Opens a file the assistant reads; a FIFO, a device or a huge file is refused
// rather than read. NotOpened is left to the caller, whose message differs.
fileaccess::OpenStatus openForReading(QFile &file, const QString &path, QString &messages)
{
    const fileaccess::OpenStatus status
        = fileaccess::openRegularFile(file, path, QIODevice::ReadOnly | QIODevice::Text);
    if (status != fileaccess::OpenStatus::Opened && status != fileaccess::OpenStatus::NotOpened)
        messages += fileaccess::openProblem(status, path) + lineFeed;
    return status;
}

// Holds the lock of a work directory while an export or a merge writes in it, so
// that two processes never write the same files at once.
class WorkDirectoryLock
{
public:
    explicit WorkDirectoryLock(const QString &directory)
        : m_lock(directory + QLatin1String("/KVN_work_folder.lock"))
    {
        // Only a lock whose process has gone is stale, however long it is held.
        m_lock.setStaleLockTime(0);
    }
    bool acquire(const QString &directory, QString &messages)
    {
        if (m_lock.tryLock(lockWaitMilliseconds))
            return true;
        messages += line(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                           "Another process is working in %1. Please try again "
                                           "when it has finished."),
                         directory);
        return false;
    }

private:
    QLockFile m_lock;
};

bool createWorkDirectory(const QString &directory, QString &messages)
{
    if (directory.isEmpty()) {
        messages += line(
            QT_TRANSLATE_NOOP("TranslateTsDialog", "The file name gives no work folder below %1."),
            QDir::homePath() + QLatin1String("/Korvane"));
        return false;
    }
    if (QDir().mkpath(directory))
        return true;
    messages += line(QT_TRANSLATE_NOOP("TranslateTsDialog", "Creating %1 failed."), directory);
    return false;
}

// Opens a .ts file chosen for an export; on failure the messages are replaced.
bool openTsFile(QFile &file, const QString &path, Outcome &outcome)
{
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".ts"))) {
        outcome.messages
            = line(QT_TRANSLATE_NOOP("TranslateTsDialog", "%1 is not a .ts file."), path);
        return false;
    }
    if (path.isEmpty()) {
        outcome.messages = line(readingFailed, path);
        return false;
    }
    QString problem;
    const fileaccess::OpenStatus status = openForReading(file, path, problem);
    if (status != fileaccess::OpenStatus::Opened) {
        outcome.messages
            = status == fileaccess::OpenStatus::NotOpened ? line(readingFailed, path) : problem;
        return false;
    }
    outcome.fileOpened = true;
    return true;
}

// Collects the distinct texts of element from an open .ts file, in file order,
// and reports the reading. Returns false when the action has to end. Empty texts
// are left out: there is nothing to translate, and an empty entry is easily lost
// on its way through a translation service, which would shift every later entry.
bool collectDistinctTexts(QFile &file, const QString &path, const QString &element,
                          QStringList &texts, QString &messages)
{
    QStringList lines;
    int invalidLine = 0;
    const QFileDevice::FileError error = readLines(file, lines, invalidLine);
    if (invalidLine > 0) {
        messages += line(notUtf8, path, QString::number(invalidLine));
        return false;
    }
    TextCollector collector(element);
    QSet<QString> seen;
    for (int i = 0; i < lines.size(); ++i) {
        const TextCollector::Step step = collector.addLine(lines.at(i), i + 1);
        if (step == TextCollector::Completed) {
            if (!collector.text().isEmpty() && !seen.contains(collector.text())) {
                seen.insert(collector.text());
                texts.append(collector.text());
            }
        } else if (step != TextCollector::Nothing) {
            messages += collector.failure(step, path, i + 1) + lineFeed;
            return false;
        }
    }
    if (error != QFileDevice::NoError) {
        messages += line(readingError, path, errorCode(error));
        return false;
    }
    if (collector.isOpen()) {
        messages += collector.unclosedFailure(path) + lineFeed;
        return false;
    }
    messages += line(readingDone, path);
    file.close();
    return true;
}

enum class WriteResult { NotOpened, Failed, Written };

WriteResult writeExchangeFile(const QString &path, const QStringList &texts, QString &messages)
{
    const fileaccess::WriteOutcome written = writeWithByteOrderMark(path, exchangeText(texts));
    if (written.status == fileaccess::WriteOutcome::NotOpened) {
        messages += line(QT_TRANSLATE_NOOP("TranslateTsDialog", "Writing %1 failed."), path)
                    + writeReason(written);
        return WriteResult::NotOpened;
    }
    messages += line(QT_TRANSLATE_NOOP("TranslateTsDialog", "Writing %1..."), path);
    if (!written.written()) {
        messages += line(QT_TRANSLATE_NOOP("TranslateTsDialog", "Writing %1 gave error code %2."),
                         path, errorCode(written.error))
                    + writeReason(written);
        return WriteResult::Failed;
    }
    messages += line(writingDone, path);
    return WriteResult::Written;
}

QString guidance(const QString &sourceFilePath)
{
    const QChar quote(QLatin1Char('"'));
    const QChar blank(QLatin1Char(' '));
    return lineFeed
           + text(
               QT_TRANSLATE_NOOP("TranslateTsDialog",
                                 "Now use the file %1, or copy and paste the source from the left "
                                 "box and let it translate."),
               sourceFilePath)
           + blank
           + text(
               QT_TRANSLATE_NOOP("TranslateTsDialog",
                                 "If you let it translate by an AI, then it is clever to tell the "
                                 "AI more about the content."))
           + lineFeed + text(QT_TRANSLATE_NOOP("TranslateTsDialog", "Example: ")) + quote
           + text(
               QT_TRANSLATE_NOOP("TranslateTsDialog",
                                 "Please translate the attached file %1 from English to German."),
               sourceFilePath)
           + blank
           + text(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                    "The texts come from a desktop program that checks the "
                                    "translation files of other software."))
           + blank
           + text(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                    "Translate the word 'source' as 'Quelltext'."))
           + blank
           + text(
               QT_TRANSLATE_NOOP("TranslateTsDialog",
                                 "Don't translate the '*****' characters. Keep them as they are."))
           + quote + lineFeed + lineFeed
           + line(
               QT_TRANSLATE_NOOP("TranslateTsDialog",
                                 "As soon as you have got the translated file, you can copy and "
                                 "paste the translation into the rigth box or store it next to "
                                 "file %1 with the name %2 and press the 'Merge Translation' push "
                                 "button."),
               sourceFilePath, QString::fromLatin1(translationFileName));
}

// Fills entries from an exchange file of the work directory, or from the box
// text when the file cannot be opened. Returns false when the merge has to end.
bool readEntries(const QString &path, const QString &box, bool translationSide,
                 QStringList &entries, QString &messages)
{
    QFile file;
    const fileaccess::OpenStatus status = openForReading(file, path, messages);
    if (status != fileaccess::OpenStatus::Opened && status != fileaccess::OpenStatus::NotOpened) {
        messages += text(mergingAbort);
        return false;
    }
    if (status == fileaccess::OpenStatus::Opened) {
        messages += line(QT_TRANSLATE_NOOP("TranslateTsDialog", "Reading %1"), path);
        QStringList lines;
        int invalidLine = 0;
        const QFileDevice::FileError error = readLines(file, lines, invalidLine);
        if (error != QFileDevice::NoError) {
            messages += line(readingError, path, errorCode(error));
            return false;
        }
        if (invalidLine > 0) {
            messages += line(notUtf8, path, QString::number(invalidLine));
            return false;
        }
        // A source keeps a leading empty line, or it would no longer match its
        // .ts text; in translations, empty lines in front of an entry are dropped.
        QString collected;
        bool started = false;
        for (const QString &line : std::as_const(lines)) {
            if (line.startsWith(entryEnd)) {
                if (translationSide && collected.isEmpty())
                    qDebug() << "CRITICAL ERROR! Empty Buffer!";
                entries.append(encodeEntities(collected));
                collected.clear();
                started = false;
            } else if (translationSide ? collected.isEmpty() : !started) {
                collected = line;
                started = true;
            } else {
                collected += lineFeed + line;
            }
        }
        messages += line(readingDone, path);
        return true;
    }

    messages += line(readingFailed, path);
    if (translationSide)
        messages += line(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                           "Reading the translation from the right box now."));
    else
        messages += line(
            QT_TRANSLATE_NOOP("TranslateTsDialog", "Reading the source from the left box now."));
    if (box.isEmpty()) {
        messages
            += translationSide
                   ? line(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                            "The right translation box is empty."))
                   : line(QT_TRANSLATE_NOOP("TranslateTsDialog", "The left source box is empty."));
        messages += text(mergingAbort);
        return false;
    }
    QStringList pieces = box.split(QLatin1String(separator));
    pieces.removeLast(); // the text after the last separator
    for (const QString &piece : std::as_const(pieces))
        entries.append(encodeEntities(piece));
    return true;
}

} // namespace

QString workDirectory(const QString &tsPath)
{
    // The whole name but its extension: app.de.ts and app.fr.ts get folders of
    // their own. A name that would leave the folder gets none.
    const QString name = QFileInfo(tsPath).completeBaseName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return QDir::homePath() + QLatin1String("/Korvane/") + name;
}

QString mergedFilePath(const QString &tsPath)
{
    const QString directory = workDirectory(tsPath);
    if (directory.isEmpty())
        return QString();
    return directory + QLatin1Char('/') + QFileInfo(tsPath).completeBaseName()
           + QLatin1String(mergedFileSuffix);
}

namespace {

// exportTranslations; the work directory is locked here unless the caller holds
// its lock already.
Outcome exportTranslationsIn(const QString &tsPath, const QString &priorMessages, bool locked)
{
    Outcome outcome;
    QFile file;
    if (!openTsFile(file, tsPath, outcome))
        return outcome;
    outcome.messages = priorMessages + line(readingTs, tsPath);
    QStringList translations;
    if (!collectDistinctTexts(file, tsPath, QStringLiteral("translation"), translations,
                              outcome.messages))
        return outcome;
    const QString directory = workDirectory(tsPath);
    if (!createWorkDirectory(directory, outcome.messages))
        return outcome;
    WorkDirectoryLock lock(directory);
    if (!locked && !lock.acquire(directory, outcome.messages))
        return outcome;
    const QString path = directory + QLatin1Char('/') + QLatin1String(translationsInTsFileName);
    if (writeExchangeFile(path, translations, outcome.messages) != WriteResult::Written)
        return outcome;
    outcome.messages
        += lineFeed
           + text(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                    "Maybe let an AI check the grammar KVN_translation.txt file."));
    outcome.succeeded = true;
    return outcome;
}

// Reads the two exchange lists and checks that they pair up: as many
// translations as sources, no empty source.
bool readPairs(const QString &directory, const QString &sourceBox, const QString &translationBox,
               QStringList &sources, QStringList &translations, QString &messages)
{
    if (!readEntries(directory + QLatin1String(sourceFileName), sourceBox, false, sources, messages)
        || !readEntries(directory + QLatin1String(translationFileName), translationBox, true,
                        translations, messages))
        return false;
    if (sources.size() != translations.size()) {
        messages += criticalError(
            text(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                   "The number of source strings (%1) is not the same as the "
                                   "number of translation strings (%2)."),
                 QString::number(sources.size()), QString::number(translations.size())));
        return false;
    }
    messages += line(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                       "Number of source and translation strings are the same."));
    // The export never writes an empty source; one here means the list was edited
    // and its pairing with the translations can no longer be trusted.
    const int emptySource = sources.indexOf(QString());
    if (emptySource >= 0) {
        messages += criticalError(
            text(QT_TRANSLATE_NOOP("TranslateTsDialog", "Entry %1 of the source list is empty."),
                 QString::number(emptySource + 1)));
        return false;
    }
    return true;
}

// Opens the .ts file and makes sure the merged file is another file.
bool openForMerge(QFile &tsFile, const QString &tsPath, const QString &mergedPath,
                  QString &messages)
{
    QString problem;
    if (openForReading(tsFile, tsPath, problem) != fileaccess::OpenStatus::Opened) {
        messages += criticalError(
            problem.isEmpty()
                ? text(QT_TRANSLATE_NOOP("TranslateTsDialog", "Reading file %1 failed."), tsPath)
                : problem.chopped(1));
        return false;
    }
    messages += line(readingTs, tsPath);
    // The merged file replaces what is at its path: never the .ts file itself,
    // reached through a link.
    if (fileaccess::sameFile(tsPath, mergedPath)) {
        messages += criticalError(
            text(QT_TRANSLATE_NOOP("TranslateTsDialog", "The merged file %1 is the file %2 "
                                                        "itself."),
                 mergedPath, tsPath));
        return false;
    }
    return true;
}

// The lines of a .ts file with the translations of the exchange lists put into
// its empty translations. A line that cannot be placed stops the merge with the
// reason in `failure`.
class LineMerger
{
public:
    LineMerger(const QString &tsPath, const QStringList &sources, const QStringList &translations,
               bool keepUnfinished)
        : m_tsPath(tsPath)
        , m_translations(translations)
        , m_keepUnfinished(keepUnfinished)
        , m_collector(QStringLiteral("source"))
    {
        // The first translation of each source, found in constant time.
        m_sourceIndex.reserve(sources.size());
        for (int i = sources.size() - 1; i >= 0; --i)
            m_sourceIndex.insert(sources.at(i), i);
    }

    bool merge(const QStringList &lines)
    {
        for (int i = 0; i < lines.size(); ++i)
            if (!mergeLine(lines.at(i), i + 1))
                return false;
        if (m_collector.isOpen()) {
            failure = m_collector.unclosedFailure(m_tsPath);
            return false;
        }
        return true;
    }

    QString failure;
    QString mergedText;
    int added = 0;
    int skipped = 0;
    QStringList numerusSources;
    QStringList emptyTranslationSources;

private:
    bool refuse(const QString &reason)
    {
        failure = reason;
        return false;
    }

    bool mergeLine(const QString &tsLine, int lineNumber)
    {
        const TextCollector::Step step = m_collector.addLine(tsLine, lineNumber);
        if (step == TextCollector::Completed)
            m_haveSource = true;
        else if (step != TextCollector::Nothing)
            return refuse(m_collector.failure(step, m_tsPath, lineNumber));

        const bool unfinished = tsLine.contains(emptyUnfinishedTranslation);
        if (!unfinished && !tsLine.contains(emptyNumerusForm)) {
            mergedText += tsLine + lineFeed;
            if (tsLine.contains(QLatin1String("<translation")))
                ++skipped;
            return true;
        }
        return fillEmptyTranslation(tsLine, QString::number(lineNumber), unfinished);
    }

    // A line with an empty translation (unfinished) or an empty numerus form.
    bool fillEmptyTranslation(const QString &tsLine, const QString &lineNumber, bool unfinished)
    {
        const QString indent(unfinished ? translationIndent : numerusFormIndent, QLatin1Char(' '));
        if (tsLine != indent + (unfinished ? emptyUnfinishedTranslation : emptyNumerusForm))
            return refuse(text(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                                 "Line %2 of %1 holds an empty translation that "
                                                 "is not alone on its line or not indented by %3 "
                                                 "blanks."),
                               m_tsPath, lineNumber, QString::number(indent.size())));
        if (!m_haveSource || m_collector.isOpen())
            return refuse(text(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                                 "Line %2 of %1 holds an empty translation "
                                                 "without a source in front of it."),
                               m_tsPath, lineNumber));
        const QString &source = m_collector.text();
        if (source.isEmpty()) {
            // Nothing to translate; such sources are not exported either.
            mergedText += tsLine + lineFeed;
            skipped += unfinished ? 1 : 0;
            return true;
        }
        const int index = m_sourceIndex.value(source, -1);
        if (index < 0)
            return refuse(text(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                                 "The source of the translation in line %2 of %1 "
                                                 "is not in the source list: %3"),
                               m_tsPath, lineNumber, source));
        const QString &translation = m_translations.at(index);
        if (!unfinished) {
            mergedText += indent + QLatin1String("<numerusform>") + translation
                          + QLatin1String("</numerusform>") + lineFeed;
            numerusSources.append(source);
        } else if (translation.isEmpty()) {
            // An empty translation must not become a finished one.
            mergedText += tsLine + lineFeed;
            ++skipped;
            emptyTranslationSources.append(source);
        } else {
            mergedText += indent
                          + (m_keepUnfinished ? QLatin1String("<translation type=\"unfinished\">")
                                              : QLatin1String("<translation>"))
                          + translation + QLatin1String("</translation>") + lineFeed;
            ++added;
        }
        return true;
    }

    const QString &m_tsPath;
    const QStringList &m_translations;
    const bool m_keepUnfinished;
    QHash<QString, int> m_sourceIndex;
    TextCollector m_collector;
    bool m_haveSource = false;
};

// The counts and the lists of sources to look at after a merge.
QString mergeSummary(const LineMerger &merger)
{
    QString summary = lineFeed
                      + line(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                               "Added %1 translations and skiped %2 translations."),
                             QString::number(merger.added), QString::number(merger.skipped));
    if (!merger.numerusSources.isEmpty())
        summary += line(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                          "Please check the follwoing %1 numerus forms:"),
                        QString::number(merger.numerusSources.size()))
                   + merger.numerusSources.join(lineFeed) + lineFeed;
    if (!merger.emptyTranslationSources.isEmpty())
        summary += line(QT_TRANSLATE_NOOP("TranslateTsDialog",
                                          "These %1 sources got an empty translation, their "
                                          "messages stay unfinished:"),
                        QString::number(merger.emptyTranslationSources.size()))
                   + merger.emptyTranslationSources.join(lineFeed) + lineFeed;
    return summary;
}

// The merge proper, with the work directory created and locked.
void mergeLocked(const QString &tsPath, const QString &directory, const QString &sourceBox,
                 const QString &translationBox, bool keepUnfinished, Outcome &outcome)
{
    QString &messages = outcome.messages;
    QStringList sources;
    QStringList translations;
    if (!readPairs(directory, sourceBox, translationBox, sources, translations, messages))
        return;
    QFile tsFile;
    const QString mergedPath = mergedFilePath(tsPath);
    if (!openForMerge(tsFile, tsPath, mergedPath, messages))
        return;
    // A line that cannot be placed ends the merge: the merged file is written only
    // when every line is placed, and a previous one stays as it was.
    const auto refuse = [&](const QString &detail) { messages += criticalError(detail); };

    QStringList lines;
    int invalidLine = 0;
    const QFileDevice::FileError readError = readLines(tsFile, lines, invalidLine);
    if (invalidLine > 0)
        return refuse(text(notUtf8, tsPath, QString::number(invalidLine)));
    if (readError != QFileDevice::NoError)
        return refuse(text(writingFileError, tsPath, errorCode(readError)));
    LineMerger merger(tsPath, sources, translations, keepUnfinished);
    if (!merger.merge(lines))
        return refuse(merger.failure);
    messages += line(readingDone, tsPath);
    tsFile.close();

    const fileaccess::WriteOutcome written = writeWithByteOrderMark(mergedPath, merger.mergedText);
    if (written.status == fileaccess::WriteOutcome::NotOpened)
        return refuse(
            text(QT_TRANSLATE_NOOP("TranslateTsDialog", "Creating file %1 failed."), mergedPath)
            + lineFeed + written.reason);
    messages += line(QT_TRANSLATE_NOOP("TranslateTsDialog", "Writing %1..."), mergedPath);
    if (!written.written())
        return refuse(text(writingFileError, mergedPath, errorCode(written.error)) + lineFeed
                      + written.reason);
    messages += line(writingDone, mergedPath);
    messages += mergeSummary(merger);
    outcome.succeeded = true;
}

} // namespace

Outcome exportSources(const QString &tsPath)
{
    Outcome outcome;
    QFile file;
    if (!openTsFile(file, tsPath, outcome))
        return outcome;
    outcome.messages = line(readingTs, tsPath);
    QStringList sources;
    if (!collectDistinctTexts(file, tsPath, QStringLiteral("source"), sources, outcome.messages))
        return outcome;

    outcome.boxesCleared = true;
    const QString directory = workDirectory(tsPath);
    if (!createWorkDirectory(directory, outcome.messages))
        return outcome;
    WorkDirectoryLock lock(directory);
    if (!lock.acquire(directory, outcome.messages))
        return outcome;
    const QString sourcePath = directory + QLatin1Char('/') + QLatin1String(sourceFileName);
    const WriteResult written = writeExchangeFile(sourcePath, sources, outcome.messages);
    if (written != WriteResult::NotOpened)
        outcome.sourceBoxText = exchangeText(sources);
    if (written != WriteResult::Written)
        return outcome;
    outcome.messages += guidance(sourcePath);

    const Outcome translations = exportTranslationsIn(tsPath, outcome.messages, true);
    outcome.messages = translations.messages;
    outcome.succeeded = translations.succeeded;
    return outcome;
}

Outcome exportTranslations(const QString &tsPath, const QString &priorMessages)
{
    return exportTranslationsIn(tsPath, priorMessages, false);
}

Outcome mergeTranslation(const QString &tsPath, const QString &sourceBox,
                         const QString &translationBox, bool keepUnfinished)
{
    Outcome outcome;
    if (!tsPath.endsWith(QLatin1String(".ts"))) {
        outcome.messages = line(QT_TRANSLATE_NOOP("TranslateTsDialog", "No ts file selected."));
        return outcome;
    }
    const QString directory = workDirectory(tsPath);
    if (!createWorkDirectory(directory, outcome.messages))
        return outcome;
    WorkDirectoryLock lock(directory);
    if (lock.acquire(directory, outcome.messages))
        mergeLocked(tsPath, directory + QLatin1Char('/'), sourceBox, translationBox, keepUnfinished,
                    outcome);
    return outcome;
}

} // namespace exchange
