#pragma once
// What kvn checks in one call: several paths read as one selection, or split
// into one run per file or per language.

#include "run/run.h"

#include <QList>
#include <QString>
#include <QStringList>

class results;
struct AppSettingsRecord;

enum class SplitMode { None, File, Language };
// "none", "file" or "language"; false for any other text.
bool parseSplitMode(const QString &text, SplitMode &mode);

// Why a path given to a run cannot be checked: it does not exist, is neither
// a regular file nor a directory (a FIFO, a device), is an XLIFF file, or is
// a directory that cannot be read. Empty when it can be checked.
QString inputPathProblem(const QString &path);

// The runs of one call, each a list of paths read together, in the order of
// the paths and of the walks below them. File: every translation file its own
// run; Language: the files that declare the same language together, the
// groups in the order of their first file. With a fileName, the walks take
// only the files of that name. None: the paths as given, one run.
QList<QStringList> splitRuns(const QStringList &paths, const QString &fileName, SplitMode mode);

// Reads the paths into the cleared store, files with the reader their name
// asks for (".ts" Qt Linguist, any other gettext), directories by the walk of
// all files (or of the files named fileName), then runs the catalogue pass.
// A file that cannot be opened ends the run with its readerMessage. The store
// checks with options, reading the files on `jobs` threads (0: one per core).
RunOutcome runPaths(results &store, const AppSettingsRecord &options, const QStringList &paths,
                    const QString &fileName, int jobs = 0);
