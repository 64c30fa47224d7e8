// kvn check and kvn batch: runs over the paths given on the command line, with
// the options of the built-in defaults, a profile, the project file, an INI
// file and the check selections.

#include "checks/results.h"
#include "cli/commands.h"
#include "input/readers.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "model/textescape.h"
#include "report/findingswriter.h"
#include "report/report.h"
#include "run/baseline.h"
#include "run/checklist.h"
#include "run/inputs.h"
#include "run/options.h"
#include "run/run.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QTime>
#include <cstdio>
#include <memory>

namespace {

const QCommandLineOption JobsOption(QStringList {QStringLiteral("j"), QStringLiteral("jobs")},
                                    QStringLiteral("Read, check and write on N threads: files "
                                                   "at a time, the messages of one file in "
                                                   "batches, the output in pieces (default: one "
                                                   "per core; 1: one after the other). The "
                                                   "output is the same."),
                                    QStringLiteral("N"));

// The value of --jobs, 0 when it is not given; false for a value that is no
// positive number.
bool jobsValue(const QCommandLineParser &parser, int &jobs)
{
    jobs = 0;
    if (!parser.isSet(JobsOption))
        return true;
    bool ok = false;
    jobs = parser.value(JobsOption).toInt(&ok);
    if (ok && jobs > 0)
        return true;
    printError(kvnText(QT_TRANSLATE_NOOP("kvn", "kvn: --jobs needs a positive number, not '%1'."))
                   .arg(parser.value(JobsOption)));
    return false;
}

const QCommandLineOption SettingsOption(QStringLiteral("settings"),
                                        QStringLiteral("Lay the options of FILE.ini (the keys of "
                                                       "the settings store, group [MainWindow]) "
                                                       "over the profile and the project file."),
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

} // namespace

QString kvnText(const char *text)
{
    return QCoreApplication::translate("kvn", text);
}

bool parseCommandLine(QCommandLineParser &parser, const QStringList &arguments, int positionals,
                      int &status)
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
    const qsizetype given = parser.positionalArguments().size();
    if (positionals < 0 ? given == 0 : given != positionals) {
        printError(positionals < 0
                       ? kvnText(QT_TRANSLATE_NOOP("kvn", "kvn: a path is missing."))
                       : kvnText(QT_TRANSLATE_NOOP("kvn", "kvn: expected %1 path, got %2."))
                             .arg(positionals)
                             .arg(given));
        printError(helpText(parser, arguments.first()));
        status = ExitUsage;
        return false;
    }
    return true;
}

namespace {

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

namespace {

// The options that choose the checks, shared by check and batch.
struct SelectionOptions {
    QCommandLineOption profile {QStringLiteral("profile"),
                                QStringLiteral("Start from the built-in profile NAME (default, "
                                               "all, recommended) or from FILE.ini."),
                                QStringLiteral("NAME|FILE.ini")};
    QCommandLineOption only {QStringLiteral("only"),
                             QStringLiteral("Switch on only the checks of LIST: ids (T8.2), "
                                            "groups (T8) and S*, T*, ST*, * (comma-separated, "
                                            "repeatable)."),
                             QStringLiteral("LIST")};
    QCommandLineOption enable {QStringLiteral("enable"),
                               QStringLiteral("Switch on the checks of LIST (a tri-state box "
                                              "fully checked)."),
                               QStringLiteral("LIST")};
    QCommandLineOption disable {QStringLiteral("disable"),
                                QStringLiteral("Switch off the checks of LIST."),
                                QStringLiteral("LIST")};

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({SettingsOption, profile, only, enable, disable, JobsOption});
    }

    // The options of the run over paths, laid over each other: built-in
    // defaults < profile < project file < --settings < --only < --enable <
    // --disable. The run hands them to the store.
    bool load(const QCommandLineParser &parser, const QString &path,
              AppSettingsRecord &record) const
    {
        OptionLayers layers;
        layers.profile = parser.value(profile);
        layers.projectFile = findProjectFile(path);
        layers.settingsFile = parser.value(SettingsOption);
        layers.only = parser.values(only);
        layers.enable = parser.values(enable);
        layers.disable = parser.values(disable);
        QString error;
        if (!buildOptions(layers, record, error)) {
            printError(QStringLiteral("kvn: ") + error);
            return false;
        }
        return true;
    }
};

} // namespace

namespace {

// The options of kvn check, in the order its help lists them.
struct CheckCommandOptions {
    SelectionOptions selection;
    QCommandLineOption tab {QStringLiteral("tab"),
                            QStringLiteral("Print only the tab NAME (repeatable)."),
                            QStringLiteral("NAME")};
    QCommandLineOption fileName {QStringLiteral("file-name"),
                                 QStringLiteral("In directories: read only the files named NAME."),
                                 QStringLiteral("NAME")};
    QCommandLineOption format {
        QStringLiteral("format"),
        QStringLiteral("Output format: gcc (one line per finding, the default), report (the "
                       "text of the tabs), json, sarif, github (workflow commands) or csv (a "
                       "table for spreadsheets)."),
        QStringLiteral("FORMAT"), QStringLiteral("gcc")};
    QCommandLineOption split {
        QStringLiteral("split"),
        QStringLiteral("none: one run over everything (the default); file: one run per "
                       "translation file; language: one run per declared language."),
        QStringLiteral("MODE"), QStringLiteral("none")};
    QCommandLineOption writeBaseline {
        QStringLiteral("write-baseline"),
        QStringLiteral("Write the findings of the checks that are on to FILE."),
        QStringLiteral("FILE")};
    QCommandLineOption baseline {
        QStringLiteral("baseline"),
        QStringLiteral("Leave out the findings that FILE (written by --write-baseline) holds."),
        QStringLiteral("FILE")};
    QCommandLineOption noIgnore {
        QStringLiteral("no-ignore"),
        QStringLiteral("Report the findings that kvn-ignore comments of the catalogues "
                       "silence.")};

    void addTo(QCommandLineParser &parser) const
    {
        selection.addTo(parser);
        parser.addOption(tab);
        parser.addOption(fileName);
        parser.addOption(format);
        parser.addOption(split);
        parser.addOptions({writeBaseline, baseline});
        parser.addOption(noIgnore);
    }
};

// What kvn check is asked to do, its usage errors found.
struct CheckRequest {
    OutputFormat format = OutputFormat::Gcc;
    SplitMode split = SplitMode::None;
    QStringList tabs;
    QStringList paths;
    QString fileName;
    int jobs = 0; // --jobs, 0 for one thread per core
};

// False, with the usage error printed, for an unknown format, split mode or tab.
bool readModes(const QCommandLineParser &parser, const CheckCommandOptions &command,
               CheckRequest &request)
{
    if (!outputFormatFromName(parser.value(command.format), request.format)) {
        printError(
            kvnText(QT_TRANSLATE_NOOP("kvn", "kvn: unknown format '%1' (%2)."))
                .arg(parser.value(command.format), outputFormatNames().join(QLatin1String(", "))));
        return false;
    }
    if (!parseSplitMode(parser.value(command.split), request.split)) {
        printError(kvnText(QT_TRANSLATE_NOOP(
                               "kvn", "kvn: unknown split mode '%1' (none, file or language)."))
                       .arg(parser.value(command.split)));
        return false;
    }
    for (const QString &tab : parser.values(command.tab)) {
        if (!tabNames().contains(tab)) {
            printError(kvnText(QT_TRANSLATE_NOOP("kvn", "kvn: unknown tab '%1'. Tabs: %2"))
                           .arg(tab, QStringList(tabNames()).join(QLatin1Char(' '))));
            return false;
        }
        request.tabs.append(tab);
    }
    return true;
}

// False, with the usage error printed, for a path that cannot be read or a
// --file-name without a directory.
bool readPaths(const QCommandLineParser &parser, const CheckCommandOptions &command,
               CheckRequest &request)
{
    request.paths = parser.positionalArguments();
    request.fileName = parser.value(command.fileName);
    bool anyDirectory = false;
    for (const QString &path : std::as_const(request.paths)) {
        const QString problem = inputPathProblem(path);
        if (!problem.isEmpty()) {
            printError(QStringLiteral("kvn: ") + problem);
            return false;
        }
        anyDirectory = anyDirectory || QFileInfo(path).isDir();
    }
    if (!anyDirectory && parser.isSet(command.fileName)) {
        printError(kvnText(QT_TRANSLATE_NOOP("kvn", "kvn: --file-name needs a directory.")));
        return false;
    }
    return true;
}

// The runs over the paths, written to standard output as they end; the exit status.
int writeRuns(const QCommandLineParser &parser, const CheckCommandOptions &command,
              const CheckRequest &request, const AppSettingsRecord &settings, Baseline &baseline)
{
    const QString baselineFile = parser.value(command.writeBaseline);
    QStringList baselineLines;
    QString error;
    const QList<QStringList> runs = splitRuns(request.paths, request.fileName, request.split);
    const ReportOptions options = reportOptions(settings);
    // The store stays until the process ends: freeing its strings one by one at
    // exit would only cost time. It stays reachable, so leak checkers keep quiet.
    static results *const store = new results(settings);
    store->honourSuppressions = !parser.isSet(command.noIgnore);
    // What the format does not show is not made.
    store->recordListings = outputShowsListings(request.format);
    QFile standardOutput;
    if (!standardOutput.open(stdout, QIODevice::WriteOnly))
        return ExitUsage;
    OutputOptions outputOptions;
    outputOptions.report = options;
    outputOptions.tabs = request.tabs;
    outputOptions.time = QTime::currentTime();
    outputOptions.toolVersion = QCoreApplication::applicationVersion();
    outputOptions.severalRuns = runs.size() > 1;
    outputOptions.jobs = request.jobs;
    // The writer writes nothing before its first run.
    FindingsWriter writer(request.format, &standardOutput, outputOptions);
    bool anyRead = false;
    bool warnings = false;
    for (const QStringList &run : runs) {
        const RunOutcome outcome = runPaths(*store, settings, run, request.fileName, request.jobs);
        for (const QString &problem : store->suppressionProblems())
            printError(problem);
        if (!outcome.readerMessage.isEmpty()) {
            printError(outcome.readerMessage);
            return ExitUsage;
        }
        if (outcome.fileCount == 0)
            continue;
        if (!baselineFile.isEmpty())
            baselineLines += Baseline::entries(*store, QFileInfo(baselineFile).absolutePath(),
                                               options.boxChecked);
        if (parser.isSet(command.baseline))
            baseline.filter(*store);
        writer.writeRun(*store, outcome.path, outcome.fileCount);
        anyRead = true;
        warnings = warnings || hasWarnings(*store, options);
    }
    // Nothing read is a failure, with nothing on standard output.
    if (!anyRead) {
        printError(QStringLiteral("kvn: ")
                   + runMessageText(RunMessage::NoTranslationFiles,
                                    request.paths.join(QLatin1String(", "))));
        return ExitUsage;
    }
    if (!baselineFile.isEmpty() && !Baseline::write(baselineFile, baselineLines, error)) {
        printError(QStringLiteral("kvn: ") + error);
        return ExitUsage;
    }
    writer.finish();
    // An output cut short (a full disk behind standard output) is a failure.
    if (!standardOutput.flush() || standardOutput.error() != QFileDevice::NoError) {
        printError(QStringLiteral("kvn: writing the report failed."));
        return ExitUsage;
    }
    // The summary goes to standard error, so the report stays the window's text.
    if (request.format == OutputFormat::Gcc)
        printError(totalsLine(writer.totals()));
    else if (request.format == OutputFormat::Report && writer.totals().silenced > 0)
        printError(silencedLine(writer.totals()));
    return warnings ? ExitFindings : ExitClean;
}

} // namespace

int runCheck(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Checks translation files (a name ending with \".ts\" is read as "
                       "Qt Linguist, any other as gettext; .pot templates get the source "
                       "checks only) and every translation file below the directories, all "
                       "as one catalogue unless --split says otherwise, and prints the "
                       "report of each tab.\n"
                       "The options come from the built-in defaults, then --profile, then "
                       "the project file .kvn.ini (the nearest in the folder of the first "
                       "path or above it), then --settings, then --only, --enable and "
                       "--disable, in this order.\n"
                       "Exit status: 0 without problems, 1 when check 0 has an item or a "
                       "check that is on has a finding, 2 for a usage error, a path that "
                       "cannot be read or no translation file found."));
    const CheckCommandOptions command;
    command.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("paths"),
                                 QStringLiteral("Translation files and directories."),
                                 QStringLiteral("PATH..."));
    int status = ExitClean;
    if (!parseCommandLine(parser, arguments, -1, status))
        return status;
    CheckRequest request;
    if (!readModes(parser, command, request) || !readPaths(parser, command, request))
        return ExitUsage;
    AppSettingsRecord settings;
    if (!command.selection.load(parser, request.paths.constFirst(), settings)
        || !jobsValue(parser, request.jobs))
        return ExitUsage;

    Baseline baseline;
    QString error;
    if (parser.isSet(command.baseline) && !baseline.read(parser.value(command.baseline), error)) {
        printError(QStringLiteral("kvn: ") + error);
        return ExitUsage;
    }
    return writeRuns(parser, command, request, settings, baseline);
}

int runBatch(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Checks every distinct translation file name below DIR in turn and "
                       "writes NAME-LOG.txt for each into the current directory. Prints the "
                       "names of the written logs.\n"
                       "Exit status: 0 when every log was written, 1 when no translation "
                       "file was found, 2 for a usage error, a directory that cannot be "
                       "read or a log that could not be written."));
    const SelectionOptions selection;
    selection.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("dir"), QStringLiteral("The directory."));
    int status = ExitClean;
    if (!parseCommandLine(parser, arguments, 1, status))
        return status;
    const QString directory = parser.positionalArguments().constFirst();
    if (!readableDirectory(directory)) {
        printError(
            QStringLiteral("kvn: ")
            + kvnText(QT_TRANSLATE_NOOP("kvn", "cannot read the directory %1.")).arg(directory));
        return ExitUsage;
    }
    AppSettingsRecord settings;
    int jobs = 0;
    if (!selection.load(parser, directory, settings) || !jobsValue(parser, jobs))
        return ExitUsage;

    auto store = std::make_unique<results>(settings);
    const BatchOutcome outcome = runBatch(*store, settings, directory, QString(), nullptr, jobs);
    if (outcome.namesFound == 0) {
        printError(QStringLiteral("kvn: ")
                   + runMessageText(RunMessage::NoTranslationFiles, directory));
        return ExitFindings;
    }
    QTextStream out(stdout);
    for (const QString &log : outcome.logsWritten)
        out << textescape::escapeControlCharacters(log) << '\n';
    for (const QString &failure : outcome.failures)
        printError(QStringLiteral("kvn: ") + failure);
    return outcome.failures.isEmpty() ? ExitClean : ExitUsage;
}

int runChecks(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists every check: id, tab, severity, whether it is on by default, "
                       "the built-in profiles that switch it on, and its description; then "
                       "the built-in profiles."));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("Output format: text or json."),
                                          QStringLiteral("FORMAT"), QStringLiteral("text"));
    parser.addOption(formatOption);
    const QCommandLineOption explainOption(
        QStringLiteral("explain"),
        QStringLiteral(
            "Print below each check what it catches, an example and how to silence it."));
    parser.addOption(explainOption);
    int status = ExitClean;
    if (!parseCommandLine(parser, arguments, 0, status))
        return status;
    const QString format = parser.value(formatOption);
    if (format != QLatin1String("text") && format != QLatin1String("json")) {
        printError(kvnText(QT_TRANSLATE_NOOP("kvn", "kvn: unknown format '%1' (text or json)."))
                       .arg(format));
        return ExitUsage;
    }
    const QByteArray text = format == QLatin1String("json")
                                ? checkListJson()
                                : checkListText(parser.isSet(explainOption));
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return ExitClean;
}
