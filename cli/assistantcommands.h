#pragma once
// kvn export and kvn merge: the translate assistant without its dialog.
// Both take the arguments that follow the subcommand, print the assistant's
// messages to standard output and return 0 on success, 2 when the action ended
// on a failure message and 1 on wrong arguments.

#include <QStringList>

// kvn export FILE.ts
int runExport(const QStringList &arguments);
// kvn merge [--drop-unfinished] FILE.ts
int runMerge(const QStringList &arguments);
