#pragma once
// Shared by the fuzz targets: one application object, no log output, the
// options at their defaults, and the whole report over a store.

#include "checks/catalogue.h"
#include "checks/report.h"
#include "store/appsettings.h"
#include "store/results.h"

#include <QCoreApplication>
#include <QTime>
#include <cstddef>
#include <cstdint>

namespace fuzzsupport {

inline void ignoreMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

// The options as a settings store without keys gives them, read once.
inline void setDefaultOptions()
{
    static const AppSettingsRecord defaults = [] {
        loadAppSettings(QStringLiteral("/nonexistent/korvane-fuzz.ini"));
        return AppSettings;
    }();
    AppSettings = defaults;
}

// The report options of the default settings (set up first by setUp).
inline const ReportOptions &defaultReportOptions()
{
    static const ReportOptions options = reportOptionsFromSettings();
    return options;
}

// Once per process: the application object (the engine translates its texts
// through it), a silent message handler and the default options.
inline void setUp()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    qInstallMessageHandler(ignoreMessage);
    setDefaultOptions();
    defaultReportOptions();
}

// The text of every tab.
inline void reportEveryTab(const results &store, const ReportOptions &options)
{
    const QString header = reportHeader(QTime(12, 0));
    const QString summary = reportSummary(store, QStringLiteral("fuzz"), 1);
    for (const QString &tab : tabNames())
        tabReport(store, tab, header, summary, options);
}

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace fuzzsupport
