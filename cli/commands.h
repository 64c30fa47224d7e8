#pragma once
// The subcommands of kvn. Each takes its own arguments, the first being the
// program and subcommand name, and returns the exit status.

#include <QStringList>

// Exit statuses shared by the subcommands.
enum ExitStatus { ExitClean = 0, ExitFindings = 1, ExitUsage = 2 };

int runCheck(const QStringList &arguments);
int runBatch(const QStringList &arguments);
int runChecks(const QStringList &arguments);

class QCommandLineParser;
// Adds --help, parses the arguments and checks the number of positional
// arguments (-1: at least one). False when the command ends here, with status
// set: 0 after printing the help, 2 after printing a usage error.
bool parseCommandLine(QCommandLineParser &parser, const QStringList &arguments, int positionals,
                      int &status);

// A message of kvn in the language of the locale (translation context "kvn").
QString kvnText(const char *text);

// Writes a line to standard error.
void printError(const QString &line);
