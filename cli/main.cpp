// kvn: the command-line front end over the engine. Standard output holds only
// the report; diagnostics and run messages go to standard error.

#include "cli/assistantcommands.h"
#include "cli/commands.h"
#include "model/appsettings.h"
#include "model/charactertables.h"
#include "model/textescape.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>
#include <iterator>

namespace {

struct Subcommand {
    const char *name;
    const char *summary;
    int (*run)(const QStringList &arguments);
};

// The dispatch table.
const Subcommand Subcommands[] = {
    {"check", "Check a translation file or every translation file below a directory.", runCheck},
    {"batch", "Write one NAME-LOG.txt per translation file name below a directory.", runBatch},
    {"checks", "List every check with its severity, default and profiles.", runChecks},
    {"export", "Export the sources and finished translations of a .ts file for translation.",
     runExport},
    {"merge", "Merge the translated exchange file back into a copy of a .ts file.", runMerge},
};

bool verbose = false;

// The language of the messages as the locale names it: the first of LC_ALL,
// LC_MESSAGES and LANG that is set, without territory, codeset and modifier
// ("de_DE.UTF-8" gives "de"; "C" and "POSIX" give themselves).
QString localeLanguage()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value.section(QLatin1Char('_'), 0, 0)
                .section(QLatin1Char('.'), 0, 0)
                .section(QLatin1Char('@'), 0, 0);
    }
    return {};
}

// kvn speaks the interface translation of the locale's language when the
// program holds one; any other language, C and POSIX among them, is English.
void installTranslation(QTranslator &translator)
{
    const QString language = localeLanguage();
    if (language.isEmpty() || language.contains(QLatin1Char('/')))
        return;
    const QString file = QStringLiteral(":/translations/Korvane_%1.qm").arg(language);
    if (QFile::exists(file) && translator.load(file))
        QCoreApplication::installTranslator(&translator);
}

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
    const QByteArray bytes = textescape::escapeControlCharacters(line, true).toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

int main(int argc, char *argv[])
{
    assumeCharacterDatabase();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvn"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(KvnVersion));

    // A path that is not UTF-8 cannot pass through a QString unchanged; rather
    // than look for a file of another name, say so.
    for (int i = 1; i < argc; ++i) {
        if (!textescape::isRepresentableFileName(QByteArray(argv[i]))) {
            printError(QStringLiteral("kvn: the argument %1 is not UTF-8; such names cannot be "
                                      "read.")
                           .arg(textescape::describeFileName(QByteArray(argv[i]))));
            return ExitUsage;
        }
    }
    QTranslator translator;
    installTranslation(translator);

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
        printError(kvnText(QT_TRANSLATE_NOOP("kvn", "kvn: a command is missing.")));
    else
        printError(kvnText(QT_TRANSLATE_NOOP("kvn", "kvn: unknown command '%1'.")).arg(first));
    printError(usage());
    return ExitUsage;
}
