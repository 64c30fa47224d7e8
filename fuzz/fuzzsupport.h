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

inline void setDefaultOptions()
{
    const QList<SettingInfo> &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i)
        if (infos.at(i).defaultValue.isValid())
            setSettingValue(AppSettings, i, infos.at(i).defaultValue);
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
}

// The report options of the default settings.
inline const ReportOptions &defaultReportOptions()
{
    static const ReportOptions options = reportOptionsFromSettings();
    return options;
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
