// kvn: the command-line front end over the engine. Standard output holds only
// the report; diagnostics and run messages go to standard error.

#include "cli/assistantcommands.h"
#include "cli/commands.h"
#include "model/appsettings.h"
#include "model/charactertables.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <iterator>

namespace {

struct Subcommand {
    const char *name;
    const char *summary;
    int (*run)(const QStringList &arguments);
};

// The dispatch table. The translate assistant's commands take only the
// arguments behind the command name.
const Subcommand Subcommands[] = {
        {"check", "Check a translation file or every translation file below a directory.",
         runCheck},
        {"batch", "Write one NAME-LOG.txt per translation file name below a directory.", runBatch},
        {"export", "Export the sources and finished translations of a .ts file for translation.",
         [](const QStringList &arguments) { return runExport(arguments.mid(1)); }},
        {"merge", "Merge the translated exchange file back into a copy of a .ts file.",
         [](const QStringList &arguments) { return runMerge(arguments.mid(1)); }},
};

bool verbose = false;

// Information lines (the readers' "Reading file", the language set-up) only
// with --verbose; warnings and the internal errors of check "0" always.
void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if ((type == QtInfoMsg || type == QtDebugMsg) && !verbose)
        return;
    printError(message);
}

QString usage()
{
    QString text
            = QStringLiteral("Usage: kvn [--verbose] COMMAND [OPTIONS] ARGUMENTS\n\n"
                             "Checks Qt Linguist (.ts) and gettext (.po) translation files.\n\n"
                             "Commands:\n");
    for (const Subcommand &command : Subcommands)
        text += QStringLiteral("  %1  %2\n")
                        .arg(QString::fromLatin1(command.name), -8)
                        .arg(QString::fromLatin1(command.summary));
    text += QStringLiteral("\nOptions:\n"
                           "  -h, --help     Show this help; kvn COMMAND --help shows the "
                           "options of a command.\n"
                           "  -v, --version  Show the version.\n"
                           "  --verbose      Also write information lines to standard error.\n");
    return text;
}

} // namespace

void printError(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

int main(int argc, char *argv[])
{
    assumeCharacterDatabase();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvn"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(KvnVersion));

    QStringList arguments = QCoreApplication::arguments();
    verbose = arguments.removeAll(QStringLiteral("--verbose")) > 0;
    qInstallMessageHandler(messageHandler);
    setDiagnosticsToStandardError(true);

    const QString first = arguments.value(1);
    if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
        QTextStream(stdout) << usage();
        return ExitClean;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        QTextStream(stdout) << "kvn " << KvnVersion << '\n';
        return ExitClean;
    }
    for (const Subcommand &command : Subcommands) {
        if (first != QLatin1String(command.name))
            continue;
        QStringList commandArguments = arguments.mid(2);
        commandArguments.prepend(QStringLiteral("kvn ") + first);
        return command.run(commandArguments);
    }
    if (first.isEmpty())
        printError(QStringLiteral("kvn: a command is missing."));
    else
        printError(QStringLiteral("kvn: unknown command '%1'.").arg(first));
    printError(usage());
    return ExitUsage;
}
