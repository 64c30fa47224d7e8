#pragma once
// kvn export and kvn merge: the translate assistant without its dialog.
// Both take their arguments, the first being the program and subcommand name,
// print the assistant's messages to standard output and return 0 on success
// and 2 when the action ended on a failure message or on wrong arguments.

#include <QStringList>

// kvn export FILE.ts
int runExport(const QStringList &arguments);
// kvn merge [--drop-unfinished] FILE.ts
int runMerge(const QStringList &arguments);
