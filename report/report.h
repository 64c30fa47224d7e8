#pragma once
// Report assembly: the summary, the text of each tab and the log text of a batch
// step. The window shows these texts, kvn prints them; neither composes a finding.

#include <QString>
#include <QTime>
#include <functional>

class results;
struct AppSettingsRecord;

struct ReportOptions {
    bool printLocation = false;
    // Whether the details of a check show: the state of its box in the panel
    // (a partially checked box counts as checked). Not asked for the fixed boxes.
    std::function<bool(int checkIndex)> boxChecked;
    bool htmlS14 = false; // "Format the results with html." of tab S14
    bool htmlT14 = false; // the same of tab T14
};

// "Last checks were done at hh:mm:ss" and two line feeds.
QString reportHeader(const QTime &time);
// The summary lines; a file count below 1 writes "Should not happen" to standard output.
QString reportSummary(const results &store, const QString &path, int fileCount);
// The text of one tab (one of tabNames()); header and summary as built above.
QString tabReport(const results &store, const QString &tab, const QString &header,
                  const QString &summary, const ReportOptions &options);
// True when the tab's text is HTML (S14 or T14 with their html box on).
bool tabReportIsHtml(const QString &tab, const ReportOptions &options);
// The log text of one batch step.
QString logReport(const results &store, const QString &header, const QString &summary,
                  bool printLocation);
// The report options of an options record (used by kvn and batch): its boxes,
// locations and the html boxes of S14 and T14.
ReportOptions reportOptions(const AppSettingsRecord &settings);

// A check whose findings are warnings: a FindingMap that is not a listing (the
// listing checks, S14.3 ..., are written in list mode).
bool isWarningCheck(int checkIndex);

// The findings of a check: the warnings of a warning check, the problems of
// check "0"; listings count none. Summed over a tab's checks, and over all.
int findingCount(const results &store, int checkIndex);
int tabFindingCount(const results &store, const QString &tab);
int reportFindingCount(const results &store);

// Diagnostic lines of the report ("Should not happen") go to standard output;
// kvn sends them to standard error so that standard output holds only the report.
void setDiagnosticsToStandardError(bool toStandardError);
void writeDiagnosticLine(const QString &line);
