// One run over the current selection, the batch step and its log file.

#include "run/run.h"

#include "checks/results.h"
#include "input/readers.h"
#include "model/appsettings.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
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
// its maximum. fileName null: all-files mode. Returns the number of files read.
int walkBothPasses(results &store, const QString &directory, const QString *fileName,
                   WalkProgress *progress)
{
    int maximum = 1;
    if (fileName)
        readDirectory(directory, *fileName, maximum, true, progress, &store);
    else
        readDirectory(directory, maximum, true, progress, &store);
    int counter = 0;
    if (fileName)
        readDirectory(directory, *fileName, counter, false, progress, &store);
    else
        readDirectory(directory, counter, false, progress, &store);
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

RunOutcome runSelection(results &store, const AppSettingsRecord &options, WalkProgress *progress)
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
        outcome.readerMessage = file.endsWith(QLatin1String(".ts"))
                                        ? readTsFile(true, file, &store)
                                        : readPoFile(true, file, &store);
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
    outcome.fileCount
            = walkBothPasses(store, directory, fileName.isEmpty() ? nullptr : &fileName, progress);
    return outcome;
}

int runBatchStep(results &store, const AppSettingsRecord &options, const QString &directory,
                 const QString &fileName, WalkProgress *progress)
{
    store.setOptions(options);
    store.clear();
    store.reuseSourceOutcomes = true;
    return walkBothPasses(store, directory, &fileName, progress);
}

bool writeResults(const QString &path, int fileCount, const QString &fileName, const results &store)
{
    const QString text
        = logReport(store, reportHeader(QTime::currentTime()),
                    reportSummary(store, path, fileCount), store.options().printLocationCheckBox);
    QFile file(fileName + QLatin1String("-LOG.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream << text;
    stream.flush();
    return stream.status() == QTextStream::Ok;
}

bool runBatch(results &store, const AppSettingsRecord &options, const QString &directory,
              const QStringList &names,
              const std::function<std::unique_ptr<WalkProgress>()> &makeProgress,
              const std::function<void(const QString &logName, bool written)> &stepDone)
{
    bool allWritten = true;
    for (const QString &name : names) {
        const std::unique_ptr<WalkProgress> progress = makeProgress ? makeProgress() : nullptr;
        const int fileCount = runBatchStep(store, options, directory, name, progress.get());
        const bool written = writeResults(directory, fileCount, name, store);
        allWritten = allWritten && written;
        if (stepDone)
            stepDone(name + QLatin1String("-LOG.txt"), written);
    }
    return allWritten;
}
