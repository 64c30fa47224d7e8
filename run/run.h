#pragma once
// One run over a selection, shared by the window and kvn. The caller fills an
// options record (the window from its panel, kvn from the defaults or an INI
// file), hands it to the run and shows the messages; the run knows no dialog.

#include <QString>
#include <QStringList>

class results;
class WalkProgress;
struct AppSettingsRecord;

enum class RunStatus { Done, NothingSelected, MultipleSelection, MissingPath };

struct RunOutcome {
    RunStatus status = RunStatus::Done;
    QString path; // the file or directory named in the summary
    int fileCount = 0; // 1 for a single file, else the translation files read
    bool directoryMode = false;
    QString readerMessage; // single-file mode: the reader's text when the file could not be opened
};

// Gives the store the options and reads their selection (openFilePathAndName,
// openDirectoryPath, openDirectopyFile) into it, cleared, then runs the
// catalogue pass. On an inconsistent selection (MultipleSelection, MissingPath)
// the caller should clear its selection (clearSelection). progress may be null.
// The files of a directory are read on `jobs` threads (0: one per core).
RunOutcome runSelection(results &store, const AppSettingsRecord &options, WalkProgress *progress,
                        int jobs = 0);
void clearSelection(AppSettingsRecord &options);
// Selects one file, or a directory with all files (fileName empty) or only the
// files named fileName.
void selectFile(AppSettingsRecord &options, const QString &path);
void selectDirectory(AppSettingsRecord &options, const QString &directory,
                     const QString &fileName = QString());

// The distinct names of the translation files below directory, sorted: what the
// filtered selection offers.
QStringList translationFileNames(const QString &directory);

// One step of the batch operation: the store takes the options, clear, read the files of one name
// (found by collectTranslationFiles) with the walk's problems as items of check "0", the catalogue
// pass. Returns the number of files read.
int runBatchStep(results &store, const AppSettingsRecord &options, const QStringList &files,
                 const QStringList &walkProblems, WalkProgress *progress, int jobs = 0);

// Writes the log of one batch step to fileName + "-LOG.txt" in logDirectory (the
// current directory when empty), completely or not at all, with locations as
// the store's options say. Returns an empty text
// on success, otherwise the reason.
QString writeResults(const QString &path, int fileCount, const QString &fileName,
                     const results &store, const QString &logDirectory = QString());
QString logFilePath(const QString &logDirectory, const QString &fileName);

// The whole batch: one walk, then one step and one log per file name.
struct BatchOutcome {
    int namesFound = 0;
    int filesChecked = 0;
    QStringList logsWritten; // the paths of the written logs
    QStringList failures; // one line per log that could not be written
    bool canceled = false;
};
BatchOutcome runBatch(results &store, const AppSettingsRecord &options, const QString &directory,
                      const QString &logDirectory, WalkProgress *progress, int jobs = 0);
// The summary a front end shows after a batch (context "MainWindow").
QString batchSummary(const BatchOutcome &outcome, const QString &directory,
                     const QString &logDirectory);

// The user messages of a run, translated in the context "MainWindow".
enum class RunMessage { SelectFileOrDirectory, MultipleSelection, MissingPath, NoTranslationFiles };
QString runMessageText(RunMessage message, const QString &directory = QString());
// The message a front end shows after a run (empty when there is none), and
// whether it is a warning (selection problems) rather than an information.
QString runOutcomeMessage(const RunOutcome &outcome, bool *isWarning = nullptr);
