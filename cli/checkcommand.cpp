// kvn check and kvn batch: the run of the window over a path given on the
// command line, with the options of an INI file or the built-in defaults.

#include "checks/results.h"
#include "cli/commands.h"
#include "input/readers.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "report/jsonreport.h"
#include "report/report.h"
#include "run/run.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QTime>
#include <cstdio>
#include <memory>

namespace {

const QCommandLineOption SettingsOption(QStringLiteral("settings"),
                                        QStringLiteral("Read the options from FILE.ini (the keys "
                                                       "of the settings store, group "
                                                       "[MainWindow]); absent keys take the "
                                                       "built-in defaults."),
                                        QStringLiteral("FILE.ini"));

// The help of a subcommand, with its own name in the usage line.
QString helpText(const QCommandLineParser &parser, const QString &command)
{
    QString text = parser.helpText();
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    const qsizetype options = text.indexOf(QLatin1String(" [options]"));
    if (options >= 0 && options < lineEnd)
        text.replace(0, options, QStringLiteral("Usage: ") + command);
    return text;
}

bool parse(QCommandLineParser &parser, const QStringList &arguments, int positionals, int &status)
{
    parser.addHelpOption();
    if (!parser.parse(arguments)) {
        printError(QStringLiteral("kvn: ") + parser.errorText());
        printError(helpText(parser, arguments.first()));
        status = ExitUsage;
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << helpText(parser, arguments.first());
        status = ExitClean;
        return false;
    }
    if (parser.positionalArguments().size() != positionals) {
        printError(QStringLiteral("kvn: expected %1 path, got %2.")
                           .arg(positionals)
                           .arg(parser.positionalArguments().size()));
        printError(helpText(parser, arguments.first()));
        status = ExitUsage;
        return false;
    }
    return true;
}

// The options of a run: the INI file, else the built-in defaults (never the
// user's settings store), limited as the window's controls would limit them.
bool loadOptions(const QCommandLineParser &parser, AppSettingsRecord &options)
{
    if (!parser.isSet(SettingsOption)) {
        options = defaultOptions();
        return true;
    }
    const QString iniPath = parser.value(SettingsOption);
    const QFileInfo info(iniPath);
    if (!info.isFile() || !info.isReadable()) {
        printError(QStringLiteral("kvn: cannot read the settings file %1.").arg(iniPath));
        return false;
    }
    options = readOptions(iniPath);
    applyControlLimits(options);
    return true;
}

bool readableDirectory(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

// Exit status 1: an item of check "0", or a finding of a warning check whose
// box is on.
bool hasWarnings(const results &store, const ReportOptions &options)
{
    if (!store.items(Check_0).isEmpty())
        return true;
    for (int index = 0; index < CheckCount; ++index) {
        const CheckInfo &info = checkInfo(index);
        if (!info.id || !isWarningCheck(index) || store.findings(index).isEmpty())
            continue;
        if (info.box == BoxKind::Fixed || options.boxChecked(index))
            return true;
    }
    return false;
}

} // namespace

int runCheck(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Checks one translation file (a name ending with \".ts\" is read as "
                           "Qt Linguist, any other as gettext) or every translation file below "
                           "a directory, and prints the report of each tab.\n"
                           "Exit status: 0 without problems, 1 when check 0 has an item or a "
                           "warning check whose box is on has a finding, 2 for a usage error "
                           "or a path that cannot be read."));
    const QCommandLineOption tabOption(QStringLiteral("tab"),
                                       QStringLiteral("Print only the tab NAME (repeatable)."),
                                       QStringLiteral("NAME"));
    const QCommandLineOption fileNameOption(
            QStringLiteral("file-name"),
            QStringLiteral("With a directory: read only the files named NAME."),
            QStringLiteral("NAME"));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("Output format: text or json."),
                                          QStringLiteral("FORMAT"), QStringLiteral("text"));
    parser.addOption(SettingsOption);
    parser.addOption(tabOption);
    parser.addOption(fileNameOption);
    parser.addOption(formatOption);
    parser.addPositionalArgument(QStringLiteral("path"),
                                 QStringLiteral("A translation file or a directory."));
    int status = ExitClean;
    if (!parse(parser, arguments, 1, status))
        return status;

    const QString format = parser.value(formatOption);
    if (format != QLatin1String("text") && format != QLatin1String("json")) {
        printError(QStringLiteral("kvn: unknown format '%1' (text or json).").arg(format));
        return ExitUsage;
    }
    QStringList tabs;
    for (const QString &tab : parser.values(tabOption)) {
        if (!tabNames().contains(tab)) {
            printError(QStringLiteral("kvn: unknown tab '%1'. Tabs: %2")
                               .arg(tab, QStringList(tabNames()).join(QLatin1Char(' '))));
            return ExitUsage;
        }
        tabs.append(tab);
    }
    const QString path = parser.positionalArguments().constFirst();
    const QFileInfo pathInfo(path);
    if (!pathInfo.exists()) {
        printError(QStringLiteral("kvn: %1 does not exist.").arg(path));
        return ExitUsage;
    }
    if (pathInfo.isDir() && !readableDirectory(path)) {
        printError(QStringLiteral("kvn: cannot read the directory %1.").arg(path));
        return ExitUsage;
    }
    if (!pathInfo.isDir() && parser.isSet(fileNameOption)) {
        printError(QStringLiteral("kvn: --file-name needs a directory."));
        return ExitUsage;
    }
    AppSettingsRecord settings;
    if (!loadOptions(parser, settings))
        return ExitUsage;
    if (pathInfo.isDir())
        selectDirectory(settings, path, parser.value(fileNameOption));
    else
        selectFile(settings, path);

    // The store stays until the process ends: freeing its strings one by one at
    // exit would only cost time. It stays reachable, so leak checkers keep quiet.
    static results *const store = new results(settings);
    const RunOutcome outcome = runSelection(*store, settings, nullptr);
    if (!outcome.readerMessage.isEmpty()) {
        printError(outcome.readerMessage);
        return ExitUsage;
    }
    const QString message = runOutcomeMessage(outcome);
    if (!message.isEmpty())
        printError(message);
    if (outcome.status != RunStatus::Done)
        return ExitUsage;

    const ReportOptions options = reportOptions(settings);
    // The report as UTF-8, one write per tab.
    const auto write = [](const QByteArray &bytes) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    };
    if (format == QLatin1String("json")) {
        write(jsonReport(*store, outcome.path, outcome.fileCount, options, tabs));
    } else {
        const QString header = reportHeader(QTime::currentTime());
        const QString summary = reportSummary(*store, outcome.path, outcome.fileCount);
        for (const QString &tab : tabNames()) {
            if (!tabs.isEmpty() && !tabs.contains(tab))
                continue;
            write(QString(QLatin1String("=== ") + tab + QLatin1String(" ===\n")
                          + tabReport(*store, tab, header, summary, options) + QLatin1Char('\n'))
                      .toUtf8());
        }
    }
    std::fflush(stdout);
    return hasWarnings(*store, options) ? ExitFindings : ExitClean;
}

int runBatch(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Checks every distinct translation file name below DIR in turn and "
                           "writes NAME-LOG.txt for each into the current directory. Prints the "
                           "names of the written logs.\n"
                           "Exit status: 0 when every log was written, 1 when no translation "
                           "file was found or a log could not be written, 2 for a usage error "
                           "or a directory that cannot be read."));
    parser.addOption(SettingsOption);
    parser.addPositionalArgument(QStringLiteral("dir"), QStringLiteral("The directory."));
    int status = ExitClean;
    if (!parse(parser, arguments, 1, status))
        return status;
    const QString directory = parser.positionalArguments().constFirst();
    if (!readableDirectory(directory)) {
        printError(QStringLiteral("kvn: cannot read the directory %1.").arg(directory));
        return ExitUsage;
    }
    AppSettingsRecord settings;
    if (!loadOptions(parser, settings))
        return ExitUsage;

    const QStringList names = translationFileNames(directory);
    if (names.isEmpty()) {
        printError(runMessageText(RunMessage::NoTranslationFiles, directory));
        return ExitFindings;
    }
    auto store = std::make_unique<results>(settings);
    QTextStream out(stdout);
    const bool allWritten = runBatch(
        *store, settings, directory, names, nullptr, [&out](const QString &logName, bool written) {
            if (written) {
                out << logName << '\n';
            } else {
                out.flush();
                printError(QStringLiteral("kvn: cannot write %1.").arg(logName));
            }
        });
    return allWritten ? status : ExitFindings;
}
