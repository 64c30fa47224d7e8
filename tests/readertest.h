#pragma once
// Helpers shared by the reader, walk and report tests.

#include "checks/results.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

namespace readertest {

inline QString dataPath(const QString &name)
{
    return QStringLiteral(KVN_TEST_DATA "/") + name;
}

inline const QString reportRequest()
{
    return results::tr("Please report this error to Oskerbay! I want to improve KVN.");
}

// The items of check "0" by their first line; an internal error is marked with
// a trailing " *".
inline QStringList problemSummaries(const results &store)
{
    QStringList summaries;
    for (const QString &item : store.items(Check_0))
        summaries.append(item.section(QLatin1Char('\n'), 0, 0)
                         + (item.endsWith(reportRequest()) ? QStringLiteral(" *") : QString()));
    return summaries;
}

// Writes the file, and the folders it needs.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// 64 KiB of random bytes.
inline QByteArray randomBytes(quint32 seed)
{
    QByteArray bytes(64 * 1024, '\0');
    QRandomGenerator random(seed);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// The readers log every problem; the tests look at the store instead.
inline void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg || type == QtFatalMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

inline void setUpTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler(quietMessages);
}

} // namespace readertest
