// The directory walks: collecting translation file names, and the counting and
// reading passes of the all-files and filtered modes.

#include "checks/results.h"
#include "input/readers.h"
#include "model/textescape.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <dirent.h>
#include <sys/stat.h>

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

// The directories a walk has entered, by device and inode: a link back into the
// tree leads to one of them. (Comparing canonical paths costs a walk up the
// whole path for every directory, which made deep trees quadratic.)
class Visited
{
public:
    // False when directory was entered before.
    bool enter(const QString &directory)
    {
        struct stat info;
        if (::stat(QFile::encodeName(directory).constData(), &info) != 0)
            return true; // cannot be listed either; the listing reports it
        const auto key = qMakePair(quint64(info.st_dev), quint64(info.st_ino));
        if (m_entered.contains(key))
            return false;
        m_entered.insert(key);
        return true;
    }

private:
    QSet<QPair<quint64, quint64>> m_entered;
};

// The names of a directory that a QString cannot hold (bytes that are not
// UTF-8): QDir lists them changed, so they could be neither opened nor named.
QStringList unrepresentableNames(const QString &directory)
{
    QStringList names;
    DIR *stream = ::opendir(QFile::encodeName(directory).constData());
    if (!stream)
        return names;
    while (const dirent *entry = ::readdir(stream)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith('.') && !textescape::isRepresentableFileName(name))
            names.append(textescape::describeFileName(name));
    }
    ::closedir(stream);
    names.sort();
    return names;
}

// The problem texts of a directory: it cannot be listed, or it holds names that
// cannot be read.
QStringList directoryProblems(const QString &directory, bool listed)
{
    QStringList problems;
    if (!listed) {
        problems.append(results::tr("Could not open directory. It is not existing or "
                                    "not readable.")
                        + QLatin1Char('\n') + directory);
        return problems;
    }
    for (const QString &name : unrepresentableNames(directory))
        problems.append(results::tr("The name %1 is not UTF-8; the file or directory was not "
                                    "read.")
                            .arg(name)
                        + QLatin1Char('\n') + textescape::escapeControlCharacters(directory));
    return problems;
}

// The entries of a directory: the default filter and order of QDir (hidden
// entries excluded, sorted by name ignoring case), without "." and "..".
// A directory already walked yields nothing, so links that form a cycle end the
// walk. A directory that cannot be listed yields nothing either. Problems of the
// directory go to problems when it is given.
QFileInfoList entriesOnce(const QString &directory, Visited &visited,
                          QStringList *problems = nullptr)
{
    if (!visited.enter(directory))
        return {};
    QFileInfoList entries = QDir(directory).entryInfoList();
    // A directory that can be read lists at least "." and "..".
    if (problems)
        *problems += directoryProblems(directory, !entries.isEmpty());
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

// The step of a file that a walk (or a list of paths) met: a ".ts" name that is
// no Linguist file is skipped with a warning; null for a name that is no
// translation file.
void addFileStep(const QString &path, ReadStep::Kind kind, QList<ReadStep> &steps)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (isTsName(name) && !isLinguistFile(path))
        steps.append(
            {ReadStep::Skipped, results::tr("Skipped %1: not a Qt Linguist file.").arg(path)});
    else if (isTranslationName(name))
        steps.append({kind, path});
}

void countFile(int &counter, WalkProgress *progress)
{
    ++counter;
    if (progress)
        progress->setMaximum(counter);
}

// Every translation file below directory, in the order of the walks, by name.
void collect(const QString &directory, TranslationFiles &files, Visited &visited)
{
    for (const QFileInfo &entry : entriesOnce(directory, visited, &files.problems)) {
        if (entry.isDir())
            collect(entry.absoluteFilePath(), files, visited);
        else if (entry.isFile() && isTranslationName(entry.fileName()))
            files.byName[entry.fileName()].append(filePath(directory, entry.fileName()));
    }
}

// fileName null: all-files mode. Without steps only counts the files.
void walk(const QString &directory, const QString *fileName, int &counter, WalkProgress *progress,
          QList<ReadStep> *steps, Visited &visited)
{
    QStringList problems;
    const QFileInfoList entries = entriesOnce(directory, visited, &problems);
    if (steps)
        for (const QString &problem : std::as_const(problems))
            steps->append({ReadStep::Problem, problem});
    for (const QFileInfo &entry : entries) {
        if (progress && progress->wasCanceled())
            return;
        if (entry.isDir()) {
            walk(entry.absoluteFilePath(), fileName, counter, progress, steps, visited);
            continue;
        }
        if (!entry.isFile())
            continue;
        const QString name = entry.fileName();
        if (fileName && name != *fileName)
            continue;
        if (!steps)
            countFile(counter, progress);
        else
            addFileStep(filePath(directory, name), ReadStep::File, *steps);
    }
}

void list(const QString &directory, const QString &fileName, QStringList &files, Visited &visited)
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

TranslationFiles collectTranslationFiles(const QString &directory)
{
    TranslationFiles files;
    Visited visited;
    collect(directory, files, visited);
    return files;
}

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
    Visited visited;
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
    const TranslationFiles files = collectTranslationFiles(directory);
    for (auto it = files.byName.cbegin(); it != files.byName.cend(); ++it)
        names.insert(it.key());
}

QList<ReadStep> fileSteps(const QStringList &paths)
{
    QList<ReadStep> steps;
    for (const QString &path : paths)
        addFileStep(path, ReadStep::File, steps);
    return steps;
}

QList<ReadStep> directorySteps(const QString &directory, const QString &fileName,
                               WalkProgress *progress)
{
    QList<ReadStep> steps;
    Visited visited;
    int counter = 0;
    walk(directory, fileName.isEmpty() ? nullptr : &fileName, counter, progress, &steps, visited);
    return steps;
}

QString readStepFile(const ReadStep &step, results *store)
{
    Q_ASSERT(step.kind == ReadStep::File || step.kind == ReadStep::NamedFile);
    return isTsName(step.text) ? readTsFile(false, step.text, store)
                               : readPoFile(false, step.text, store);
}

bool finishStep(const ReadStep &step, const QString &problem, results *store, int &counter,
                WalkProgress *progress, QString *readerMessage)
{
    switch (step.kind) {
    case ReadStep::Problem:
        store->fileAssert(false, step.text);
        return true;
    case ReadStep::Skipped:
        store->log(QtWarningMsg, step.text);
        return true;
    case ReadStep::NamedFile:
        if (!problem.isEmpty()) {
            if (readerMessage)
                *readerMessage = problem;
            return false;
        }
        break;
    case ReadStep::File:
        // A single file's reader text is shown by the front end; in a walk it
        // would get lost.
        if (!problem.isEmpty())
            store->fileAssert(false, problem);
        break;
    }
    ++counter;
    if (progress)
        progress->setValue(counter);
    return true;
}

bool readSteps(const QList<ReadStep> &steps, int &counter, WalkProgress *progress, results *store,
               QString *readerMessage)
{
    for (const ReadStep &step : steps) {
        if (progress && progress->wasCanceled())
            break;
        const bool reads = step.kind == ReadStep::File || step.kind == ReadStep::NamedFile;
        if (!finishStep(step, reads ? readStepFile(step, store) : QString(), store, counter,
                        progress, readerMessage))
            return false;
    }
    return true;
}

int readTranslationFiles(const QStringList &paths, WalkProgress *progress, results *store)
{
    int counter = 0;
    readSteps(fileSteps(paths), counter, progress, store);
    return counter;
}

void readDirectory(const QString &directory, const QString &fileName, int &counter, bool countOnly,
                   WalkProgress *progress, results *store)
{
    if (countOnly) {
        Visited visited;
        walk(directory, &fileName, counter, progress, nullptr, visited);
    } else {
        readSteps(directorySteps(directory, fileName, progress), counter, progress, store);
    }
}

void readDirectory(const QString &directory, int &counter, bool countOnly, WalkProgress *progress,
                   results *store)
{
    if (countOnly) {
        Visited visited;
        walk(directory, nullptr, counter, progress, nullptr, visited);
    } else {
        readSteps(directorySteps(directory, QString(), progress), counter, progress, store);
    }
}
