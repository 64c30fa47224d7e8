#pragma once
// Shared by the fuzz targets: one application object, no log output, the
// options at their defaults, and the whole report over a store.

#include "checks/results.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "report/report.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTime>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

inline void ignoreMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

// The report options of the default options.
inline const ReportOptions &defaultReportOptions()
{
    static const ReportOptions options = reportOptions(defaultOptions());
    return options;
}

// Once per process: the application object (the engine translates its texts
// through it), a silent message handler and the default report options.
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
    defaultReportOptions();
}

// The text of every tab.
inline QString reportEveryTab(const results &store, const ReportOptions &options)
{
    const QString header = reportHeader(QTime(12, 0));
    const QString summary = reportSummary(store, QStringLiteral("fuzz"), 1);
    QString text;
    for (const QString &tab : tabNames())
        text += tabReport(store, tab, header, summary, options);
    return text;
}

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

using DeviceReader = void (*)(bool, const QString &, QIODevice *, results *);

// The bytes as a file read by `read`, every check and the whole report, twice:
// checking every source anew and, as a run does, replaying the outcome of a
// source that comes back. Both reports must be the same.
inline void readCheckAndReport(const uint8_t *data, size_t size, const QString &fileName,
                               DeviceReader read)
{
    QString reports[2];
    for (const bool reuse : {false, true}) {
        QByteArray bytes = bytesOf(data, size);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        results store;
        store.reuseSourceOutcomes = reuse;
        read(true, fileName, &buffer, &store);
        store.runCatalogueChecks();
        reports[reuse] = reportEveryTab(store, defaultReportOptions());
    }
    if (reports[0] != reports[1]) {
        std::fputs("Replayed source checks report differently from checking anew.\n", stderr);
        std::abort();
    }
}

} // namespace fuzzsupport
