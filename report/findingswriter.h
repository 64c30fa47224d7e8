#pragma once
// The outputs of runs: the report of the tabs, one line per finding (gcc),
// GitHub workflow commands, JSON and SARIF documents, a CSV table. Each is written as a stream
// to a device, one run after the other; the command line and the window call
// the same writer.

#include "report/report.h"

#include <QString>
#include <QStringList>
#include <QTime>
#include <memory>

class QIODevice;
class results;

enum class OutputFormat { Gcc, Report, Json, Sarif, Github, Csv };

// "gcc", "report" (or "text", its former name), "json", "sarif", "github", "csv".
bool outputFormatFromName(const QString &name, OutputFormat &format);
const QStringList &outputFormatNames();
// Whether the format shows the listing checks and the lists of the catalogue-wide
// pass (the report and JSON do); the others show warnings and check "0" only.
bool outputShowsListings(OutputFormat format);

struct OutputOptions {
    ReportOptions report;
    QStringList tabs; // report and json: only these tabs; empty for every tab
    QTime time; // the report's "Last checks were done at"
    QString toolVersion; // sarif: the version of the driver
    bool severalRuns = false; // json: the documents of the runs make one array
    int jobs = 0; // threads that make the output (0: one per core, 1: the calling thread)
};

// What the line-per-finding formats (gcc, github, sarif) wrote, for the summary line.
struct OutputTotals {
    int findings = 0;
    int errors = 0;
    int warnings = 0;
    int notes = 0;
    int files = 0; // files read by the runs
    int silenced = 0; // findings left out by kvn-ignore comments
};

class FindingsWriter
{
public:
    FindingsWriter(OutputFormat format, QIODevice *device, const OutputOptions &options);
    ~FindingsWriter();

    // One run: the store after its catalogue pass, the path its summary names
    // and the number of files it read.
    void writeRun(const results &store, const QString &path, int fileCount);
    // Closes the document (a JSON array of several runs, the SARIF runs).
    void finish();
    const OutputTotals &totals() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

// "N findings (E errors, W warnings) in F files", and the silenced findings when
// there are any.
QString totalsLine(const OutputTotals &totals);
// "N findings silenced by kvn-ignore comments": the report's own counts leave them out.
QString silencedLine(const OutputTotals &totals);

// The checks whose findings the line-per-finding formats write and whose
// findings decide the exit status: check "0", and the warning checks whose box
// is on.
bool isReportedCheck(int index, const ReportOptions &options);

// Helpers of the formats, named for the tests.
// A text on one line: line feeds, tabs and other control characters escaped.
QString oneLine(const QString &text);
// GitHub workflow commands: data, and property values (file, title).
QString githubData(const QString &text);
QString githubProperty(const QString &text);
// A CSV field (RFC 4180): quoted when it holds a comma, a quote or a line break,
// and led by an apostrophe when a spreadsheet would take it for a formula
// (it starts with =, +, -, @, a tab or a carriage return).
QString csvField(const QString &text);
// The path of a catalogue as the outputs name it: relative to the current
// directory when it lies below it, else as read.
QString displayPath(const QString &path);
