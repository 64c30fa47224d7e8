#pragma once
// The JSON form of a run (the schema is described in JSON.md).

#include <QByteArray>
#include <QStringList>

class results;
struct ReportOptions;

// The JSON document of a run; tabs empty means every tab.
QByteArray jsonReport(const results &store, const QString &path, int fileCount,
                      const ReportOptions &options, const QStringList &tabs);
