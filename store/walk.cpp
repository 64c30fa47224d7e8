// The directory walks: collecting translation file names, and the counting and
// reading passes of the all-files and filtered modes.

#include "store/readers.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isTsName(const QString &name)
{
    return name.endsWith(QLatin1String(".ts"));
}

bool isPoName(const QString &name)
{
    return name.endsWith(QLatin1String(".po"));
}

// The entries of a directory: the default filter and order of QDir (hidden
// entries excluded, sorted by name ignoring case), without "." and "..".
// A directory already walked (by canonical path) yields nothing, so links that
// form a cycle end the walk.
QFileInfoList entriesOnce(const QString &directory, QSet<QString> &visited)
{
    QString canonical = QFileInfo(directory).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QFileInfo(directory).absoluteFilePath();
    if (visited.contains(canonical))
        return {};
    visited.insert(canonical);
    QFileInfoList entries = QDir(directory).entryInfoList();
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
    if (isTsName(name))
        readTsFile(false, filePath(directory, name), store);
    else if (isPoName(name))
        readPoFile(false, filePath(directory, name), store);
    else
        return;
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
        else if (entry.isFile() && (isTsName(entry.fileName()) || isPoName(entry.fileName())))
            names.insert(entry.fileName());
    }
}

// fileName null: all-files mode.
void walk(const QString &directory, const QString *fileName, int &counter, bool countOnly,
          WalkProgress *progress, results *store, QSet<QString> &visited)
{
    for (const QFileInfo &entry : entriesOnce(directory, visited)) {
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

} // namespace

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
