// The directory walks: collecting translation file names, and the counting and
// reading passes of the all-files and filtered modes.

#include "checks/results.h"
#include "input/readers.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

bool isTsName(const QString &name)
{
    return name.endsWith(QLatin1String(".ts"));
}

// Catalogues and templates.
bool isPoName(const QString &name)
{
    return name.endsWith(QLatin1String(".po")) || name.endsWith(QLatin1String(".pot"));
}

bool isTranslationName(const QString &name)
{
    return isTsName(name) || isPoName(name);
}

// A ".ts" name that holds no Qt Linguist file (a TypeScript source, most
// often) is left out of a walk with one line on standard error.
bool skippedTsFile(const QString &path)
{
    if (isLinguistFile(path))
        return false;
    qWarning().noquote() << results::tr("Skipped %1: not a Qt Linguist file.").arg(path);
    return true;
}

// The entries of a directory: the default filter and order of QDir (hidden
// entries excluded, sorted by name ignoring case), without "." and "..".
// A directory already walked (by canonical path) yields nothing, so links that
// form a cycle end the walk. A directory that cannot be listed yields nothing
// either; with a store, that is reported in check "0".
QFileInfoList entriesOnce(const QString &directory, QSet<QString> &visited,
                          results *store = nullptr)
{
    QString canonical = QFileInfo(directory).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QFileInfo(directory).absoluteFilePath();
    if (visited.contains(canonical))
        return {};
    visited.insert(canonical);
    QFileInfoList entries = QDir(directory).entryInfoList();
    // A directory that can be read lists at least "." and "..".
    if (entries.isEmpty() && store)
        store->fileAssert(false, results::tr("Could not open directory. It is not existing or "
                                             "not readable.")
                                     + QLatin1Char('\n') + directory);
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const QFileInfo &entry) {
                                     const QString name = entry.fileName();
                                     return name == QLatin1String(".")
                                            || name == QLatin1String("..");
                                 }),
                  entries.end());
    return entries;
}

QString filePath(const QString &directory, const QString &name)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory + name;
    return directory + QLatin1Char('/') + name;
}

void readTranslationFile(const QString &directory, const QString &name, int &counter,
                         WalkProgress *progress, results *store)
{
    QString problem;
    if (isTsName(name) && skippedTsFile(filePath(directory, name)))
        return;
    if (isTsName(name))
        problem = readTsFile(false, filePath(directory, name), store);
    else if (isPoName(name))
        problem = readPoFile(false, filePath(directory, name), store);
    else
        return;
    // A single file's reader text is shown by the front end; in a walk it would
    // get lost.
    if (!problem.isEmpty())
        store->fileAssert(false, problem);
    ++counter;
    if (progress)
        progress->setValue(counter);
}

void countFile(int &counter, WalkProgress *progress)
{
    ++counter;
    if (progress)
        progress->setMaximum(counter);
}

void collect(const QString &directory, QSet<QString> &names, QSet<QString> &visited)
{
    for (const QFileInfo &entry : entriesOnce(directory, visited)) {
        if (entry.isDir())
            collect(entry.absoluteFilePath(), names, visited);
        else if (entry.isFile() && isTranslationName(entry.fileName()))
            names.insert(entry.fileName());
    }
}

// fileName null: all-files mode.
void walk(const QString &directory, const QString *fileName, int &counter, bool countOnly,
          WalkProgress *progress, results *store, QSet<QString> &visited)
{
    for (const QFileInfo &entry : entriesOnce(directory, visited, countOnly ? nullptr : store)) {
        if (progress && progress->wasCanceled())
            return;
        if (entry.isDir()) {
            walk(entry.absoluteFilePath(), fileName, counter, countOnly, progress, store, visited);
            continue;
        }
        if (!entry.isFile())
            continue;
        const QString name = entry.fileName();
        if (fileName && name != *fileName)
            continue;
        if (countOnly)
            countFile(counter, progress);
        else
            readTranslationFile(directory, name, counter, progress, store);
    }
}

void list(const QString &directory, const QString &fileName, QStringList &files,
          QSet<QString> &visited)
{
    for (const QFileInfo &entry : entriesOnce(directory, visited)) {
        const QString name = entry.fileName();
        if (entry.isDir())
            list(entry.absoluteFilePath(), fileName, files, visited);
        else if (entry.isFile() && isTranslationName(name)
                 && (fileName.isEmpty() || name == fileName)
                 && !(isTsName(name) && skippedTsFile(filePath(directory, name))))
            files.append(filePath(directory, name));
    }
}

} // namespace

bool isLinguistFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // the reader reports it
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name() == QLatin1String("TS");
    }
    // No element at all: markup that breaks early is the reader's to report;
    // text that does not begin with markup is no Linguist file.
    file.seek(0);
    QByteArray head = file.read(64);
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    head = head.trimmed();
    return head.isEmpty() || head.startsWith('<') || head.startsWith('\xFF')
           || head.startsWith('\xFE');
}

QStringList listTranslationFiles(const QString &directory, const QString &fileName)
{
    QStringList files;
    QSet<QString> visited;
    list(directory, fileName, files, visited);
    return files;
}

QString declaredLanguage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (isTsName(path)) {
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement)
                return xml.attributes().value(QLatin1String("language")).toString();
        return {};
    }
    // The header entry comes first; its "Language:" field, as the reader reads it.
    static const QRegularExpression field(QStringLiteral("^\"(?:X-)?Language:\\s*([^\"\\\\]*)"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = field.match(QString::fromUtf8(file.read(65536)));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

void collectFileNames(const QString &directory, QSet<QString> &names)
{
    QSet<QString> visited;
    collect(directory, names, visited);
}

void readDirectory(const QString &directory, const QString &fileName, int &counter, bool countOnly,
                   WalkProgress *progress, results *store)
{
    QSet<QString> visited;
    walk(directory, &fileName, counter, countOnly, progress, store, visited);
}

void readDirectory(const QString &directory, int &counter, bool countOnly, WalkProgress *progress,
                   results *store)
{
    QSet<QString> visited;
    walk(directory, nullptr, counter, countOnly, progress, store, visited);
}
