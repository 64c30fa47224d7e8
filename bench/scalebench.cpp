// Linear scaling of the walks, the batch and the translate assistant: each task
// runs at growing sizes, so that a cost that grows faster than the input shows
// as a growing time per item. Builds its inputs in a temporary folder (and a
// temporary HOME for the assistant's work folders).
//
// usage: scalebench [walk|files|names|sources]...   (default: all four)
// Prints one line per size: the task, the size, the seconds and the
// microseconds per item.

#include "assistant/exchange.h"
#include "checks/results.h"
#include "input/readers.h"
#include "run/run.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray TinyTs = "<TS language=\"de\"><context><name>c</name><message><source>s</source>"
                          "<translation>t</translation></message></context></TS>\n";

void report(const char *task, int size, qint64 nanoseconds)
{
    std::printf("%-8s %8d  %8.3f s  %8.2f us/item\n", task, size, double(nanoseconds) / 1e9,
                double(nanoseconds) / 1e3 / size);
    std::fflush(stdout);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// count files named prefix and their number, over folders of 1,000.
void writeSpread(const QTemporaryDir &root, int count, const char *prefix)
{
    for (int i = 0; i < count; ++i) {
        const QString folder = root.filePath(QString::number(i / 1000));
        if (i % 1000 == 0)
            QDir().mkpath(folder);
        writeFile(folder + QStringLiteral("/%1%2.ts").arg(QLatin1String(prefix)).arg(i), TinyTs);
    }
}

// Nested directories, each holding one .ts file. Directories are made with
// mkdirat from the parent's descriptor, so that depth is not bound by the
// length of a path.
void walkDepth(int depth)
{
    QTemporaryDir root;
    int parent = ::open(QFile::encodeName(root.path()).constData(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < depth; ++level) {
        const int file = ::openat(parent, "a.ts", O_WRONLY | O_CREAT, 0600);
        ::write(file, TinyTs.constData(), size_t(TinyTs.size()));
        ::close(file);
        ::mkdirat(parent, "d", 0700);
        const int child = ::openat(parent, "d", O_RDONLY | O_DIRECTORY);
        ::close(parent);
        parent = child;
    }
    ::close(parent);
    results store;
    int counter = 0;
    QElapsedTimer timer;
    timer.start();
    readDirectory(root.path(), counter, false, nullptr, &store);
    report("walk", depth, timer.nsecsElapsed());
    std::printf("         files read %d, items of check 0 %d\n", counter,
                int(store.items(Check_0).size()));
    // QTemporaryDir cannot remove what lies beyond the longest path either.
    std::system(QStringLiteral("rm -rf '%1'").arg(root.path()).toLocal8Bit().constData());
}

// Files spread over folders of 1,000, every one read.
void walkFiles(int files)
{
    QTemporaryDir root;
    writeSpread(root, files, "f");
    results store;
    int counter = 0;
    QElapsedTimer timer;
    timer.start();
    readDirectory(root.path(), counter, false, nullptr, &store);
    report("files", files, timer.nsecsElapsed());
}

// As many file names as files: the batch groups them with one walk.
void batchNames(int names)
{
    QTemporaryDir root;
    writeSpread(root, names, "n");
    QElapsedTimer timer;
    timer.start();
    const TranslationFiles files = collectTranslationFiles(root.path());
    report("names", int(files.byName.size()), timer.nsecsElapsed());
}

// The whole batch with its logs, at sizes the old per-name walk found slow.
void batchRun(int names)
{
    QTemporaryDir root, logs;
    for (int i = 0; i < names; ++i)
        writeFile(root.filePath(QStringLiteral("n%1.ts").arg(i)), TinyTs);
    results store;
    QElapsedTimer timer;
    timer.start();
    const BatchOutcome outcome
        = runBatch(store, defaultOptions(), root.path(), logs.path(), nullptr);
    report("batch", int(outcome.logsWritten.size()), timer.nsecsElapsed());
}

// Export and merge of a .ts file with as many distinct sources, all unfinished.
void sources(int count)
{
    QTemporaryDir dir;
    QByteArray ts = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<TS version=\"2.1\" "
                    "language=\"de\">\n<context>\n    <name>c</name>\n";
    QByteArray translations;
    for (int i = 0; i < count; ++i) {
        ts += "    <message>\n        <source>Source text number " + QByteArray::number(i)
              + "</source>\n        <translation type=\"unfinished\"></translation>\n"
                "    </message>\n";
        translations += "Quelltext Nummer " + QByteArray::number(i) + "\n*****\n";
    }
    ts += "</context>\n</TS>\n";
    const QString path = dir.filePath(QStringLiteral("app.de.ts"));
    writeFile(path, ts);
    QElapsedTimer timer;
    timer.start();
    const exchange::Outcome exported = exchange::exportSources(path);
    report("export", count, timer.nsecsElapsed());
    writeFile(exchange::workDirectory(path) + QLatin1Char('/')
                  + QLatin1String(exchange::translationFileName),
              translations);
    timer.restart();
    const exchange::Outcome merged = exchange::mergeTranslation(path, {}, {}, true);
    report("merge", count, timer.nsecsElapsed());
    if (!exported.succeeded || !merged.succeeded)
        std::printf("         failed: %s\n", qPrintable(merged.messages.right(300)));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QStringList tasks = app.arguments().mid(1);
    if (tasks.isEmpty())
        tasks = {"walk", "files", "names", "sources"};
    for (const QString &task : tasks) {
        if (task == QLatin1String("walk"))
            for (int depth : {750, 1500, 3000})
                walkDepth(depth);
        else if (task == QLatin1String("files"))
            for (int files : {25000, 50000, 100000})
                walkFiles(files);
        else if (task == QLatin1String("names")) {
            for (int names : {25000, 50000, 100000})
                batchNames(names);
            for (int names : {1000, 2000, 4000})
                batchRun(names);
        } else if (task == QLatin1String("sources"))
            for (int count : {25000, 50000, 100000})
                sources(count);
    }
    return 0;
}
