// One run over the current selection, the batch step and its log file.

#include "store/run.h"

#include "store/readers.h"
#include "store/results.h"

RunOutcome runSelection(results &store, WalkProgress *progress)
{
    Q_UNUSED(store);
    Q_UNUSED(progress);
    return {};
}

int runBatchStep(results &store, const QString &directory, const QString &fileName,
                 WalkProgress *progress)
{
    Q_UNUSED(store);
    Q_UNUSED(directory);
    Q_UNUSED(fileName);
    Q_UNUSED(progress);
    return 0;
}

bool writeResults(const QString &path, int fileCount, const QString &fileName, const results &store)
{
    Q_UNUSED(path);
    Q_UNUSED(fileCount);
    Q_UNUSED(fileName);
    Q_UNUSED(store);
    return false;
}

QString runMessageText(RunMessage message, const QString &directory)
{
    Q_UNUSED(message);
    Q_UNUSED(directory);
    return {};
}

QString runOutcomeMessage(const RunOutcome &outcome, bool *isWarning)
{
    Q_UNUSED(outcome);
    Q_UNUSED(isWarning);
    return {};
}
