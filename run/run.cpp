// One run over the current selection, the batch step and its log file.

#include "run/run.h"

#include "checks/results.h"
#include "input/fileaccess.h"
#include "input/readers.h"
#include "model/appsettings.h"
#include "model/textescape.h"
#include "report/report.h"
#include "run/parallel.h"

#include <QCoreApplication>
#include <QDir>
#include <QTime>

namespace {

// The texts the front ends show during a run (message boxes in the window,
// standard error in kvn).
const char *const RunMessageTexts[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Please select a file or a directory."),
    QT_TRANSLATE_NOOP("MainWindow", "Multible selection. Please try again."),
    QT_TRANSLATE_NOOP("MainWindow", "Missing path. Please try again."),
    QT_TRANSLATE_NOOP("MainWindow", "No translation files found in %1."),
};

// Counting pass from 1, reading pass from 0; afterwards the progress stands at
// its maximum. fileName empty: all-files mode. Returns the number of files read.
int walkBothPasses(results &store, const QString &directory, const QString &fileName,
                   WalkProgress *progress, int jobs)
{
    int maximum = 1;
    if (!fileName.isEmpty())
        readDirectory(directory, fileName, maximum, true, progress, &store);
    else
        readDirectory(directory, maximum, true, progress, &store);
    int counter = 0;
    readStepsInParallel(directorySteps(directory, fileName, progress), jobs, counter, progress,
                        &store);
    store.runCatalogueChecks();
    if (progress)
        progress->setValue(maximum);
    return counter;
}

} // namespace

void clearSelection(AppSettingsRecord &options)
{
    options.openFilePathAndName.clear();
    options.openDirectoryPath.clear();
    options.openDirectopyFile.clear();
}

void selectFile(AppSettingsRecord &options, const QString &path)
{
    clearSelection(options);
    options.openFilePathAndName = path;
}

void selectDirectory(AppSettingsRecord &options, const QString &directory, const QString &fileName)
{
    clearSelection(options);
    options.openDirectoryPath = directory;
    options.openDirectopyFile = fileName;
}

QStringList translationFileNames(const QString &directory)
{
    QSet<QString> found;
    collectFileNames(directory, found);
    QStringList names(found.cbegin(), found.cend());
    names.sort(Qt::CaseSensitive);
    return names;
}

QString runMessageText(RunMessage message, const QString &directory)
{
    const QString text = QCoreApplication::translate("MainWindow", RunMessageTexts[int(message)]);
    return message == RunMessage::NoTranslationFiles ? text.arg(directory) : text;
}

QString runOutcomeMessage(const RunOutcome &outcome, bool *isWarning)
{
    if (isWarning)
        *isWarning = outcome.status != RunStatus::Done;
    switch (outcome.status) {
    case RunStatus::NothingSelected:
        return runMessageText(RunMessage::SelectFileOrDirectory);
    case RunStatus::MultipleSelection:
        return runMessageText(RunMessage::MultipleSelection);
    case RunStatus::MissingPath:
        return runMessageText(RunMessage::MissingPath);
    case RunStatus::Done:
        break;
    }
    if (outcome.directoryMode && outcome.fileCount == 0)
        return runMessageText(RunMessage::NoTranslationFiles, outcome.path);
    return {};
}

RunOutcome runSelection(results &store, const AppSettingsRecord &options, WalkProgress *progress,
                        int jobs)
{
    RunOutcome outcome;
    store.setOptions(options);
    const QString file = options.openFilePathAndName;
    const QString directory = options.openDirectoryPath;
    const QString fileName = options.openDirectopyFile;
    if (file.isEmpty() && directory.isEmpty() && fileName.isEmpty()) {
        outcome.status = RunStatus::NothingSelected;
        return outcome;
    }
    store.clear();
    store.reuseSourceOutcomes = true;
    if (!file.isEmpty()) {
        if (!directory.isEmpty() || !fileName.isEmpty()) {
            outcome.status = RunStatus::MultipleSelection;
            return outcome;
        }
        outcome.readerMessage = readFileInParallel(file, jobs, &store);
        store.runCatalogueChecks();
        outcome.path = file;
        outcome.fileCount = 1;
        return outcome;
    }
    if (directory.isEmpty()) {
        outcome.status = RunStatus::MissingPath;
        return outcome;
    }
    outcome.directoryMode = true;
    outcome.path = directory;
    outcome.fileCount = walkBothPasses(store, directory, fileName, progress, jobs);
    return outcome;
}

int runBatchStep(results &store, const AppSettingsRecord &options, const QStringList &files,
                 const QStringList &walkProblems, WalkProgress *progress, int jobs)
{
    store.setOptions(options);
    store.clear();
    store.reuseSourceOutcomes = true;
    for (const QString &problem : walkProblems)
        store.fileAssert(false, problem);
    if (progress)
        progress->setMaximum(int(files.size()) + 1);
    int counter = 0;
    readStepsInParallel(fileSteps(files), jobs, counter, progress, &store);
    store.runCatalogueChecks();
    if (progress)
        progress->setValue(int(files.size()) + 1);
    return counter;
}

QString logFilePath(const QString &logDirectory, const QString &fileName)
{
    const QString name = fileName + QLatin1String("-LOG.txt");
    return logDirectory.isEmpty() ? name : QDir(logDirectory).filePath(name);
}

QString writeResults(const QString &path, int fileCount, const QString &fileName,
                     const results &store, const QString &logDirectory)
{
    const QString text
        = logReport(store, reportHeader(QTime::currentTime()),
                    reportSummary(store, path, fileCount), store.options().printLocationCheckBox);
    const fileaccess::WriteOutcome written
        = fileaccess::writeWholeFile(logFilePath(logDirectory, fileName), text.toUtf8(), true);
    return written.written() ? QString() : written.reason;
}

BatchOutcome runBatch(results &store, const AppSettingsRecord &options, const QString &directory,
                      const QString &logDirectory, WalkProgress *progress, int jobs)
{
    BatchOutcome outcome;
    const TranslationFiles files = collectTranslationFiles(directory);
    outcome.namesFound = int(files.byName.size());
    if (outcome.namesFound == 0)
        return outcome;
    for (auto it = files.byName.cbegin(); it != files.byName.cend(); ++it) {
        if (progress && progress->wasCanceled()) {
            outcome.canceled = true;
            break;
        }
        const int fileCount
            = runBatchStep(store, options, it.value(), files.problems, progress, jobs);
        outcome.filesChecked += fileCount;
        const QString log = logFilePath(logDirectory, it.key());
        const QString problem = writeResults(directory, fileCount, it.key(), store, logDirectory);
        if (problem.isEmpty())
            outcome.logsWritten.append(log);
        else
            outcome.failures.append(
                QCoreApplication::translate("MainWindow", "Could not write %1: %2")
                    .arg(textescape::escapeControlCharacters(log), problem));
    }
    return outcome;
}

QString batchSummary(const BatchOutcome &outcome, const QString &directory,
                     const QString &logDirectory)
{
    QString text;
    for (const QString &failure : outcome.failures)
        text += failure + QLatin1Char('\n');
    text += QCoreApplication::translate("MainWindow",
                                        "Checked %1 files of %2 names in %3. Wrote %4 logs to %5.")
                .arg(QString::number(outcome.filesChecked), QString::number(outcome.namesFound),
                     directory, QString::number(outcome.logsWritten.size()),
                     QDir(logDirectory.isEmpty() ? QDir::currentPath() : logDirectory)
                         .absolutePath());
    if (outcome.canceled)
        text += QLatin1Char('\n')
                + QCoreApplication::translate("MainWindow", "The batch was aborted.");
    return text;
}
