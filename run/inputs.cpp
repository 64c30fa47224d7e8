#include "run/inputs.h"

#include "checks/results.h"
#include "input/readers.h"
#include "run/parallel.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString kvnText(const char *text)
{
    return QCoreApplication::translate("kvn", text);
}

} // namespace

bool parseSplitMode(const QString &text, SplitMode &mode)
{
    if (text == QLatin1String("none"))
        mode = SplitMode::None;
    else if (text == QLatin1String("file"))
        mode = SplitMode::File;
    else if (text == QLatin1String("language"))
        mode = SplitMode::Language;
    else
        return false;
    return true;
}

QString inputPathProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return kvnText(QT_TRANSLATE_NOOP("kvn", "%1 does not exist.")).arg(path);
    if (info.isDir()) {
        if (!info.isReadable() || !info.isExecutable())
            return kvnText(QT_TRANSLATE_NOOP("kvn", "cannot read the directory %1.")).arg(path);
        return {};
    }
    // A FIFO or a device would block the reader or never end.
    if (!info.isFile())
        return kvnText(QT_TRANSLATE_NOOP("kvn", "%1 is neither a regular file nor a directory."))
            .arg(path);
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("xlf") || suffix == QLatin1String("xliff"))
        return kvnText(QT_TRANSLATE_NOOP("kvn", "%1 is an XLIFF file, which kvn does not read. "
                                                "Convert it to a .ts file with lconvert: "
                                                "lconvert -i %1 -o %2.ts"))
            .arg(path, info.completeBaseName());
    return {};
}

QList<QStringList> splitRuns(const QStringList &paths, const QString &fileName, SplitMode mode)
{
    if (mode == SplitMode::None)
        return {paths};
    QStringList files;
    for (const QString &path : paths) {
        if (QFileInfo(path).isDir())
            files += listTranslationFiles(path, fileName);
        else
            files.append(path);
    }
    QList<QStringList> runs;
    if (mode == SplitMode::File) {
        for (const QString &file : files)
            runs.append({file});
        return runs;
    }
    QStringList languages;
    for (const QString &file : files) {
        const QString language = declaredLanguage(file);
        const qsizetype group = languages.indexOf(language);
        if (group >= 0) {
            runs[group].append(file);
        } else {
            languages.append(language);
            runs.append({file});
        }
    }
    return runs;
}

RunOutcome runPaths(results &store, const AppSettingsRecord &options, const QStringList &paths,
                    const QString &fileName, int jobs)
{
    RunOutcome outcome;
    store.setOptions(options);
    store.clear();
    store.reuseSourceOutcomes = true;
    outcome.path = paths.join(QLatin1String(", "));
    // A single file is read as the window reads it; files among others as a
    // walk reads them, into the one store.
    if (paths.size() == 1 && !QFileInfo(paths.constFirst()).isDir()) {
        const QString &path = paths.constFirst();
        outcome.readerMessage = readFileInParallel(path, jobs, &store);
        if (!outcome.readerMessage.isEmpty())
            return outcome;
        outcome.fileCount = 1;
        store.runCatalogueChecks();
        return outcome;
    }
    QList<ReadStep> steps;
    for (const QString &path : paths) {
        if (QFileInfo(path).isDir()) {
            outcome.directoryMode = true;
            steps += directorySteps(path, fileName, nullptr);
        } else {
            steps.append({ReadStep::NamedFile, path});
        }
    }
    if (!readStepsInParallel(steps, jobs, outcome.fileCount, nullptr, &store,
                             &outcome.readerMessage))
        return outcome;
    store.runCatalogueChecks();
    return outcome;
}
