#include "cli/assistantcommands.h"

#include "assistant/exchange.h"
#include "cli/commands.h"
#include "model/textescape.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QTextStream>

namespace {

const int exitFailure = ExitUsage; // the action ended on a failure message

// Parses "[options] FILE.ts"; --help prints the help and leaves status 0,
// wrong arguments print the usage to standard error.
QString parseTsFile(QCommandLineParser &parser, const QStringList &arguments, int &status)
{
    parser.addPositionalArgument(QStringLiteral("FILE.ts"), QStringLiteral("The .ts file."));
    if (!parseCommandLine(parser, arguments, 1, status))
        return QString();
    return parser.positionalArguments().constFirst();
}

int finish(const exchange::Outcome &outcome)
{
    QTextStream out(stdout);
    // Control characters of the file's texts never reach the terminal as such.
    out << textescape::escapeControlCharacters(outcome.messages, true);
    if (!outcome.messages.endsWith(QLatin1Char('\n')))
        out << '\n';
    return outcome.succeeded ? 0 : exitFailure;
}

} // namespace

int runExport(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Exports the distinct sources and the finished translations of a .ts "
                       "file to the exchange files of the translate assistant."));
    int status = ExitClean;
    const QString path = parseTsFile(parser, arguments, status);
    if (path.isEmpty())
        return status;
    return finish(exchange::exportSources(path));
}

int runMerge(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption dropUnfinished(
        QStringLiteral("drop-unfinished"),
        QStringLiteral("Mark the filled translations as finished."));
    parser.addOption(dropUnfinished);
    parser.setApplicationDescription(
        QStringLiteral("Merges the translated exchange file of the translate assistant back "
                       "into a copy of a .ts file."));
    int status = ExitClean;
    const QString path = parseTsFile(parser, arguments, status);
    if (path.isEmpty())
        return status;
    return finish(
        exchange::mergeTranslation(path, QString(), QString(), !parser.isSet(dropUnfinished)));
}
