#include "cli/assistantcommands.h"

#include "assistant/exchange.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QTextStream>

namespace {

const int exitFailure = 2;
const int exitUsage = 1;

// Parses "[options] FILE.ts"; on wrong arguments prints the usage to standard
// error and returns an empty path.
QString parseTsFile(QCommandLineParser &parser, const QString &usage, const QStringList &arguments)
{
    parser.addPositionalArgument(QStringLiteral("FILE.ts"), QStringLiteral("The .ts file."));
    // The parser expects the program name in front of the arguments.
    const QStringList commandLine = QStringList(QStringLiteral("kvn")) + arguments;
    const bool parsed = parser.parse(commandLine);
    if (parsed && parser.positionalArguments().size() == 1
        && !parser.positionalArguments().constFirst().isEmpty())
        return parser.positionalArguments().constFirst();
    QTextStream err(stderr);
    if (!parsed)
        err << parser.errorText() << '\n';
    err << "Usage: " << usage << '\n';
    return QString();
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
    const QString path = parseTsFile(parser, QStringLiteral("kvn export FILE.ts"), arguments);
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
    const QString path
        = parseTsFile(parser, QStringLiteral("kvn merge [--drop-unfinished] FILE.ts"), arguments);
    if (path.isEmpty())
        return exitUsage;
    return finish(
        exchange::mergeTranslation(path, QString(), QString(), !parser.isSet(dropUnfinished)));
}
