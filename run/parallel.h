#pragma once
// Reading the files of a run on several threads. Each file is read and checked
// into a store of its own; the stores are merged into the run's store in the
// order of the files, so the run's store ends as a run on one thread leaves it.

#include "input/readers.h"

class results;

// The number of threads a run uses when none is asked for: one per core.
int defaultJobs();

// readSteps on `jobs` threads (0: defaultJobs(); 1: on the calling thread). The
// files before the first that sets up the run's language are read in turn, as
// the files after it check with its rules. progress is called from the calling
// thread only.
bool readStepsInParallel(const QList<ReadStep> &steps, int jobs, int &counter,
                         WalkProgress *progress, results *store, QString *readerMessage = nullptr);

// Reads one .ts or .po file (clearing the store first) on `jobs` threads (0:
// defaultJobs(); 1: on the calling thread): the reader runs on the calling
// thread, the checks of its messages on the others, and the store ends as a
// read on one thread leaves it. A batch of calls on one thread ends at the
// first message after batchCalls calls. Returns the reader's text when the file
// could not be read.
QString readFileInParallel(const QString &path, int jobs, results *store, int batchCalls = 4096);
