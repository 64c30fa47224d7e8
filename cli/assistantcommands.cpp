#include "cli/assistantcommands.h"

#include "assistant/exchange.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QTextStream>

namespace {

const int exitFailure = 2;
const int exitUsage = 1;

// Parses "[options] FILE.ts"; on wrong arguments prints the help to standard
// error and returns an empty path.
QString parseTsFile(QCommandLineParser &parser, const QString &command,
                    const QStringList &arguments)
{
    parser.setApplicationDescription(command);
    parser.addPositionalArgument(QStringLiteral("FILE.ts"), QStringLiteral("The .ts file."));
    parser.addHelpOption();
    QStringList commandLine = arguments;
    commandLine.prepend(command);
    QTextStream err(stderr);
    if (!parser.parse(commandLine)) {
        err << parser.errorText() << '\n' << parser.helpText();
        return QString();
    }
    if (parser.isSet(QStringLiteral("help")) || parser.positionalArguments().size() != 1) {
        err << parser.helpText();
        return QString();
    }
    return parser.positionalArguments().constFirst();
}

int finish(const exchange::Outcome &outcome)
{
    QTextStream out(stdout);
    out << outcome.messages;
    if (!outcome.messages.endsWith(QLatin1Char('\n')))
        out << '\n';
    return outcome.succeeded ? 0 : exitFailure;
}

} // namespace

int runExport(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QString path = parseTsFile(parser, QStringLiteral("kvn export"), arguments);
    if (path.isEmpty())
        return exitUsage;
    return finish(exchange::exportSources(path));
}

int runMerge(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption dropUnfinished(
        QStringLiteral("drop-unfinished"),
        QStringLiteral("Mark the filled translations as finished."));
    parser.addOption(dropUnfinished);
    const QString path = parseTsFile(parser, QStringLiteral("kvn merge"), arguments);
    if (path.isEmpty())
        return exitUsage;
    return finish(exchange::mergeTranslation(path, QString(), QString(),
                                             !parser.isSet(dropUnfinished)));
}
