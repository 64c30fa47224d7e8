#pragma once
// The subcommands of kvn. Each takes its own arguments, the first being the
// program and subcommand name, and returns the exit status.

#include <QStringList>

// Exit statuses shared by the subcommands.
enum ExitStatus { ExitClean = 0, ExitFindings = 1, ExitUsage = 2 };

int runCheck(const QStringList &arguments);
int runBatch(const QStringList &arguments);

// Writes a line to standard error.
void printError(const QString &line);
