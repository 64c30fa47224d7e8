#include "assistant/exchange.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool isTsPath(const QString &path)
{
    return path.endsWith(QLatin1String(".ts"));
}

QString notTsFile(const QString &path)
{
    return QCoreApplication::translate("TranslateTsDialog", "%1 is not a .ts file.").arg(path)
            + lineFeed;
}

// "Critical error." joined by a blank to its detail, then the abort line.
QString criticalError(const QString &detail)
{
    return QCoreApplication::translate("TranslateTsDialog", "Critical error.") + QLatin1Char(' ')
            + detail + lineFeed + QCoreApplication::translate("TranslateTsDialog", "Merging abort.")
            + lineFeed;
}

QString errorCode(QFileDevice::FileError error)
{
    return QString::number(int(error));
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
    {}

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
        if (step == StartedTwice)
            return QCoreApplication::translate("TranslateTsDialog",
                                               "Reading %1 stopped in line %2: a <%3> element "
                                               "starts before the previous one ends.")
                    .arg(path, QString::number(lineNumber), m_element);
        return QCoreApplication::translate("TranslateTsDialog",
                                           "Reading %1 stopped in line %2: the line ends a <%3> "
                                           "element before it starts one.")
                .arg(path, QString::number(lineNumber), m_element);
    }

    QString unclosedFailure(const QString &path) const
    {
        return QCoreApplication::translate("TranslateTsDialog",
                                           "Reading %1 stopped: the <%3> element that starts in "
                                           "line %2 never ends.")
                .arg(path, QString::number(m_openedAt), m_element);
    }

private:
    QString m_element;
    QString m_startTag;
    QString m_endTag;
    QString m_text;
    bool m_open = false;
    int m_openedAt = 0;
};

// Reads every line of an open text file, line endings removed.
QFileDevice::FileError readLines(QFile &file, QStringList &lines)
{
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line))
        lines.append(line);
    return file.error();
}

QFileDevice::FileError writeWithByteOrderMark(QFile &file, const QString &text)
{
    static const char byteOrderMark[] = "\xEF\xBB\xBF";
    if (file.write(byteOrderMark, 3) != 3 || file.write(text.toUtf8()) < 0 || !file.flush())
        return file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error();
    return file.error();
}

bool createWorkDirectory(const QString &directory, QString &messages)
{
    if (QDir().mkpath(directory))
        return true;
    messages += QCoreApplication::translate("TranslateTsDialog", "Creating %1 failed.")
                        .arg(directory)
            + lineFeed;
    return false;
}

// Collects the distinct texts of element from an open .ts file, in file order,
// and reports the reading. Returns false when the action has to end. Empty texts
// are left out: there is nothing to translate, and an empty entry is easily lost
// on its way through a translation service, which would shift every later entry.
bool collectDistinctTexts(QFile &file, const QString &path, const QString &element,
                          QStringList &texts, QString &messages)
{
    QStringList lines;
    const QFileDevice::FileError error = readLines(file, lines);
    TextCollector collector(element);
    for (int i = 0; i < lines.size(); ++i) {
        const TextCollector::Step step = collector.addLine(lines.at(i), i + 1);
        if (step == TextCollector::Completed) {
            if (!collector.text().isEmpty() && !texts.contains(collector.text()))
                texts.append(collector.text());
        } else if (step != TextCollector::Nothing) {
            messages += collector.failure(step, path, i + 1) + lineFeed;
            return false;
        }
    }
    if (error != QFileDevice::NoError) {
        messages += QCoreApplication::translate("TranslateTsDialog",
                                                "Reading %1 gave error code %2.")
                            .arg(path, errorCode(error))
                + lineFeed;
        return false;
    }
    if (collector.isOpen()) {
        messages += collector.unclosedFailure(path) + lineFeed;
        return false;
    }
    messages += QCoreApplication::translate("TranslateTsDialog", "Reading %1 done.").arg(path)
            + lineFeed;
    file.close();
    return true;
}

enum class WriteResult { NotOpened, Failed, Written };

WriteResult writeExchangeFile(const QString &path, const QString &text, QString &messages)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        messages += QCoreApplication::translate("TranslateTsDialog", "Writing %1 failed.").arg(path)
                + lineFeed;
        return WriteResult::NotOpened;
    }
    messages += QCoreApplication::translate("TranslateTsDialog", "Writing %1...").arg(path)
            + lineFeed;
    const QFileDevice::FileError error = writeWithByteOrderMark(file, text);
    if (error != QFileDevice::NoError) {
        messages += QCoreApplication::translate("TranslateTsDialog",
                                                "Writing %1 gave error code %2.")
                            .arg(path, errorCode(error))
                + lineFeed;
        return WriteResult::Failed;
    }
    messages += QCoreApplication::translate("TranslateTsDialog", "Writing %1 done.").arg(path)
            + lineFeed;
    return WriteResult::Written;
}

QString exchangeText(const QStringList &texts)
{
    QString text;
    for (const QString &entry : texts)
        text += decodeEntities(entry) + QLatin1String(separator);
    return text;
}

QString guidance(const QString &sourceFilePath)
{
    const QChar quote(QLatin1Char('"'));
    const QChar blank(QLatin1Char(' '));
    return lineFeed
            + QCoreApplication::translate("TranslateTsDialog",
                                          "Now use the file %1, or copy and paste the source from "
                                          "the left box and let it translate.")
                      .arg(sourceFilePath)
            + blank
            + QCoreApplication::translate("TranslateTsDialog",
                                          "If you let it translate by an AI, then it is clever to "
                                          "tell the AI more about the content.")
            + lineFeed + QCoreApplication::translate("TranslateTsDialog", "Example: ") + quote
            + QCoreApplication::translate("TranslateTsDialog",
                                          "Please translate the attached file %1 from English to "
                                          "German.")
                      .arg(sourceFilePath)
            + blank
            + QCoreApplication::translate("TranslateTsDialog",
                                          "The texts come from a desktop program that checks the "
                                          "translation files of other software.")
            + blank
            + QCoreApplication::translate("TranslateTsDialog",
                                          "Translate the word 'source' as 'Quelltext'.")
            + blank
            + QCoreApplication::translate("TranslateTsDialog",
                                          "Don't translate the '*****' characters. Keep them as "
                                          "they are.")
            + quote + lineFeed + lineFeed
            + QCoreApplication::translate("TranslateTsDialog",
                                          "As soon as you have got the translated file, you can "
                                          "copy and paste the translation into the rigth box or "
                                          "store it next to file %1 with the name %2 and press the "
                                          "'Merge Translation' push button.")
                      .arg(sourceFilePath, QLatin1String(translationFileName))
            + lineFeed;
}

// Fills entries from an exchange file of the work directory, or from the box
// text when the file cannot be opened. Returns false when the merge has to end.
bool readEntries(const QString &path, const QString &box, bool translationSide,
                 QStringList &entries, QString &messages)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        messages += QCoreApplication::translate("TranslateTsDialog", "Reading %1").arg(path)
                + lineFeed;
        QStringList lines;
        const QFileDevice::FileError error = readLines(file, lines);
        if (error != QFileDevice::NoError) {
            messages += QCoreApplication::translate("TranslateTsDialog",
                                                    "Reading %1 gave error code %2.")
                                .arg(path, errorCode(error))
                    + lineFeed;
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
        messages += QCoreApplication::translate("TranslateTsDialog", "Reading %1 done.").arg(path)
                + lineFeed;
        return true;
    }

    messages += QCoreApplication::translate("TranslateTsDialog", "Reading %1 failed.").arg(path)
            + lineFeed;
    messages += (translationSide
                         ? QCoreApplication::translate(
                                   "TranslateTsDialog",
                                   "Reading the translation from the right box now.")
                         : QCoreApplication::translate("TranslateTsDialog",
                                                       "Reading the source from the left box now."))
            + lineFeed;
    if (box.isEmpty()) {
        messages += (translationSide
                             ? QCoreApplication::translate("TranslateTsDialog",
                                                           "The right translation box is empty.")
                             : QCoreApplication::translate("TranslateTsDialog",
                                                           "The left source box is empty."))
                + lineFeed + QCoreApplication::translate("TranslateTsDialog", "Merging abort.");
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
    return QDir::homePath() + QLatin1String("/Korvane/") + QFileInfo(tsPath).baseName();
}

QString mergedFilePath(const QString &tsPath)
{
    return workDirectory(tsPath) + QLatin1Char('/') + QFileInfo(tsPath).baseName()
            + QLatin1String(mergedFileSuffix);
}

Outcome exportSources(const QString &tsPath)
{
    Outcome outcome;
    if (!tsPath.isEmpty() && !isTsPath(tsPath)) {
        outcome.messages = notTsFile(tsPath);
        return outcome;
    }
    QFile file(tsPath);
    if (tsPath.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        outcome.messages
                = QCoreApplication::translate("TranslateTsDialog", "Reading %1 failed.").arg(tsPath)
                + lineFeed;
        return outcome;
    }
    outcome.fileOpened = true;
    outcome.messages = QCoreApplication::translate("TranslateTsDialog", "Reading %1...").arg(tsPath)
            + lineFeed;

    QStringList sources;
    if (!collectDistinctTexts(file, tsPath, QStringLiteral("source"), sources, outcome.messages))
        return outcome;

    outcome.boxesCleared = true;
    const QString directory = workDirectory(tsPath);
    if (!createWorkDirectory(directory, outcome.messages))
        return outcome;
    const QString sourcePath = directory + QLatin1Char('/') + QLatin1String(sourceFileName);
    const QString text = exchangeText(sources);
    const WriteResult written = writeExchangeFile(sourcePath, text, outcome.messages);
    if (written != WriteResult::NotOpened)
        outcome.sourceBoxText = text;
    if (written != WriteResult::Written)
        return outcome;
    outcome.messages += guidance(sourcePath);

    const Outcome translations = exportTranslations(tsPath, outcome.messages);
    outcome.messages = translations.messages;
    outcome.succeeded = translations.succeeded;
    return outcome;
}

Outcome exportTranslations(const QString &tsPath, const QString &priorMessages)
{
    Outcome outcome;
    if (!tsPath.isEmpty() && !isTsPath(tsPath)) {
        outcome.messages = notTsFile(tsPath);
        return outcome;
    }
    QFile file(tsPath);
    if (tsPath.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        outcome.messages
                = QCoreApplication::translate("TranslateTsDialog", "Reading %1 failed.").arg(tsPath)
                + lineFeed;
        return outcome;
    }
    outcome.fileOpened = true;
    outcome.messages = priorMessages
            + QCoreApplication::translate("TranslateTsDialog", "Reading %1...").arg(tsPath)
            + lineFeed;

    QStringList translations;
    if (!collectDistinctTexts(file, tsPath, QStringLiteral("translation"), translations,
                              outcome.messages))
        return outcome;
    const QString directory = workDirectory(tsPath);
    if (!createWorkDirectory(directory, outcome.messages))
        return outcome;
    const QString path = directory + QLatin1Char('/') + QLatin1String(translationsInTsFileName);
    if (writeExchangeFile(path, exchangeText(translations), outcome.messages)
        != WriteResult::Written)
        return outcome;
    outcome.messages += lineFeed
            + QCoreApplication::translate("TranslateTsDialog",
                                          "Maybe let an AI check the grammar "
                                          "KVN_translation.txt file.");
    outcome.succeeded = true;
    return outcome;
}

Outcome mergeTranslation(const QString &tsPath, const QString &sourceBox,
                         const QString &translationBox, bool keepUnfinished)
{
    Outcome outcome;
    QString &messages = outcome.messages;
    if (tsPath.isEmpty() || !isTsPath(tsPath)) {
        messages = QCoreApplication::translate("TranslateTsDialog", "No ts file selected.")
                + lineFeed;
        return outcome;
    }
    const QString directory = workDirectory(tsPath);
    if (!createWorkDirectory(directory, messages))
        return outcome;

    QStringList sources;
    QStringList translations;
    if (!readEntries(directory + QLatin1Char('/') + QLatin1String(sourceFileName), sourceBox, false,
                     sources, messages)
        || !readEntries(directory + QLatin1Char('/') + QLatin1String(translationFileName),
                        translationBox, true, translations, messages))
        return outcome;

    if (sources.size() != translations.size()) {
        messages
                += criticalError(QCoreApplication::translate(
                                         "TranslateTsDialog",
                                         "The number of source strings (%1) is not the same as the "
                                         "number of translation strings (%2).")
                                         .arg(QString::number(sources.size()),
                                              QString::number(translations.size())));
        return outcome;
    }
    messages += QCoreApplication::translate("TranslateTsDialog",
                                            "Number of source and translation strings are the "
                                            "same.")
            + lineFeed;
    // The export never writes an empty source; one here means the list was edited
    // and its pairing with the translations can no longer be trusted.
    const int emptySource = sources.indexOf(QString());
    if (emptySource >= 0) {
        messages += criticalError(QCoreApplication::translate("TranslateTsDialog",
                                                              "Entry %1 of the source list is "
                                                              "empty.")
                                          .arg(emptySource + 1));
        return outcome;
    }

    QFile tsFile(tsPath);
    if (!tsFile.open(QIODevice::ReadOnly | QIODevice::Text)) {
        messages += criticalError(
                QCoreApplication::translate("TranslateTsDialog", "Reading file %1 failed.")
                        .arg(tsPath));
        return outcome;
    }
    messages += QCoreApplication::translate("TranslateTsDialog", "Reading %1...").arg(tsPath)
            + lineFeed;
    const QString mergedPath = mergedFilePath(tsPath);
    QFile merged(mergedPath);
    if (!merged.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        messages += criticalError(
                QCoreApplication::translate("TranslateTsDialog", "Creating file %1 failed.")
                        .arg(mergedPath));
        return outcome;
    }
    messages += QCoreApplication::translate("TranslateTsDialog", "Writing %1...").arg(mergedPath)
            + lineFeed;

    // A line that cannot be placed ends the merge without a merged file, so that no
    // copy with misplaced or missing translations is left behind.
    const auto refuse = [&](const QString &detail) {
        merged.remove();
        messages += criticalError(detail);
        return outcome;
    };

    QStringList lines;
    const QFileDevice::FileError readError = readLines(tsFile, lines);
    const QString translationIndentText(translationIndent, QLatin1Char(' '));
    const QString numerusIndentText(numerusFormIndent, QLatin1Char(' '));
    QString text;
    int added = 0;
    int skipped = 0;
    QStringList numerusSources;
    QStringList emptyTranslationSources;
    TextCollector collector(QStringLiteral("source"));
    QString currentSource;
    bool haveSource = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString lineNumber = QString::number(i + 1);
        const TextCollector::Step step = collector.addLine(line, i + 1);
        if (step == TextCollector::Completed) {
            currentSource = collector.text();
            haveSource = true;
        } else if (step != TextCollector::Nothing) {
            return refuse(collector.failure(step, tsPath, i + 1));
        }

        const bool unfinished = line.contains(emptyUnfinishedTranslation);
        if (!unfinished && !line.contains(emptyNumerusForm)) {
            text += line + lineFeed;
            if (line.contains(QLatin1String("<translation")))
                ++skipped;
            continue;
        }
        const QString &indent = unfinished ? translationIndentText : numerusIndentText;
        if (line != indent + (unfinished ? emptyUnfinishedTranslation : emptyNumerusForm))
            return refuse(QCoreApplication::translate("TranslateTsDialog",
                                                      "Line %2 of %1 holds an empty translation "
                                                      "that is not alone on its line or not "
                                                      "indented by %3 blanks.")
                                  .arg(tsPath, lineNumber, QString::number(indent.size())));
        if (!haveSource || collector.isOpen())
            return refuse(QCoreApplication::translate("TranslateTsDialog",
                                                      "Line %2 of %1 holds an empty translation "
                                                      "without a source in front of it.")
                                  .arg(tsPath, lineNumber));
        if (currentSource.isEmpty()) {
            // Nothing to translate; such sources are not exported either.
            text += line + lineFeed;
            if (unfinished)
                ++skipped;
            continue;
        }
        const int index = sources.indexOf(currentSource);
        if (index < 0)
            return refuse(QCoreApplication::translate("TranslateTsDialog",
                                                      "The source of the translation in line %2 "
                                                      "of %1 is not in the source list: %3")
                                  .arg(tsPath, lineNumber, currentSource));
        const QString &translation = translations.at(index);
        if (unfinished) {
            // An empty translation must not become a finished one.
            if (translation.isEmpty()) {
                text += line + lineFeed;
                ++skipped;
                emptyTranslationSources.append(currentSource);
                continue;
            }
            text += indent
                    + (keepUnfinished ? QLatin1String("<translation type=\"unfinished\">")
                                      : QLatin1String("<translation>"))
                    + translation + QLatin1String("</translation>") + lineFeed;
            ++added;
        } else {
            text += indent + QLatin1String("<numerusform>") + translation
                    + QLatin1String("</numerusform>") + lineFeed;
            numerusSources.append(currentSource);
        }
    }
    if (readError == QFileDevice::NoError && collector.isOpen())
        return refuse(collector.unclosedFailure(tsPath));

    if (readError != QFileDevice::NoError) {
        writeWithByteOrderMark(merged, text);
        messages += criticalError(QCoreApplication::translate("TranslateTsDialog",
                                                              "Writing file %1 gave error code %2.")
                                          .arg(tsPath, errorCode(readError)));
        return outcome;
    }
    messages += QCoreApplication::translate("TranslateTsDialog", "Reading %1 done.").arg(tsPath)
            + lineFeed;
    tsFile.close();

    const QFileDevice::FileError writeError = writeWithByteOrderMark(merged, text);
    if (writeError != QFileDevice::NoError) {
        messages += criticalError(QCoreApplication::translate("TranslateTsDialog",
                                                              "Writing file %1 gave error code %2.")
                                          .arg(mergedPath, errorCode(writeError)));
        return outcome;
    }
    messages += QCoreApplication::translate("TranslateTsDialog", "Writing %1 done.").arg(mergedPath)
            + lineFeed;
    merged.close();

    messages += lineFeed
            + QCoreApplication::translate("TranslateTsDialog",
                                          "Added %1 translations and skiped %2 translations.")
                      .arg(QString::number(added), QString::number(skipped))
            + lineFeed;
    if (!numerusSources.isEmpty()) {
        messages += QCoreApplication::translate("TranslateTsDialog",
                                                "Please check the follwoing %1 numerus forms:")
                            .arg(numerusSources.size())
                + lineFeed;
        for (const QString &source : std::as_const(numerusSources))
            messages += source + lineFeed;
    }
    if (!emptyTranslationSources.isEmpty()) {
        messages += QCoreApplication::translate("TranslateTsDialog",
                                                "These %1 sources got an empty translation, their "
                                                "messages stay unfinished:")
                            .arg(emptyTranslationSources.size())
                + lineFeed;
        for (const QString &source : std::as_const(emptyTranslationSources))
            messages += source + lineFeed;
    }
    outcome.succeeded = true;
    return outcome;
}

} // namespace exchange
