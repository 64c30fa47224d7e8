#pragma once
// One run over the current selection, shared by the window and kvn. The caller
// copies the panel into AppSettings first and shows the message boxes; the run
// itself knows no dialog.

#include <QString>

class results;
class WalkProgress;

enum class RunStatus { Done, NothingSelected, MultipleSelection, MissingPath };

struct RunOutcome {
    RunStatus status = RunStatus::Done;
    QString path;      // the file or directory named in the summary
    int fileCount = 0; // 1 for a single file, else the translation files read
    bool directoryMode = false;
    QString readerMessage; // single-file mode: the reader's text when the file could not be opened
};

// Reads the selection of AppSettings (openFilePathAndName, openDirectoryPath,
// openDirectopyFile) into the cleared store and runs the catalogue pass. On an
// inconsistent selection the three fields are cleared. progress may be null.
RunOutcome runSelection(results &store, WalkProgress *progress);

// One step of the batch operation: clear, both passes of the filtered walk for
// fileName below directory, the catalogue pass. Returns the number of files read.
int runBatchStep(results &store, const QString &directory, const QString &fileName,
                 WalkProgress *progress);

// Writes the log of one batch step to fileName + "-LOG.txt" in the current
// directory. Returns false when the file could not be written.
bool writeResults(const QString &path, int fileCount, const QString &fileName,
                  const results &store);

// The user messages of a run, translated in the context "MainWindow".
enum class RunMessage { SelectFileOrDirectory, MultipleSelection, MissingPath, NoTranslationFiles };
QString runMessageText(RunMessage message, const QString &directory = QString());
// The message a front end shows after a run (empty when there is none), and
// whether it is a warning (selection problems) rather than an information.
QString runOutcomeMessage(const RunOutcome &outcome, bool *isWarning = nullptr);
