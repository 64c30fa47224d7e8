// The directory walks and the run over a selection.

#include "checks/results.h"
#include "input/readers.h"
#include "model/appsettings.h"
#include "readertest.h"
#include "run/run.h"

#include "filesizelimit.h"

#include <QDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace readertest;

namespace {

// Records what the walk tells the progress dialog; cancels after a number of reads.
class RecordingProgress : public WalkProgress
{
public:
    bool wasCanceled() const override { return cancelAfter >= 0 && value >= cancelAfter; }
    void setMaximum(int maximum) override { maxima.append(maximum); }
    void setValue(int newValue) override { value = newValue; }
    QList<int> maxima;
    int value = 0;
    int cancelAfter = -1;
};

QByteArray tsFile(const QString &context)
{
    return "<TS language=\"de\"><context><name>" + context.toUtf8()
           + "</name><message><source>s</source><translation></translation></message>"
             "</context></TS>";
}

// Permissions do not bind root: as root, the file system is used as nobody
// while this lives.
class AsNobody
{
public:
    AsNobody()
    {
        if (m_root) {
            setfsgid(65534);
            setfsuid(65534);
        }
    }
    ~AsNobody()
    {
        if (m_root) {
            setfsuid(0);
            setfsgid(0);
        }
    }

private:
    const bool m_root = geteuid() == 0;
};

} // namespace

class WalkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setUpTestCase();
        m_root = m_dir.path() + QStringLiteral("/root");
        QDir(m_dir.path()).mkpath(QStringLiteral("root/sub/inner"));
        QDir(m_dir.path()).mkpath(QStringLiteral("root/other"));
        QDir(m_dir.path()).mkpath(QStringLiteral("root/.hid"));
        for (const char *name : {"a.ts", "B.ts", "app.TS", ".hidden.ts", ".hid/x.ts", "sub/de.ts",
                                 "sub/inner/de.ts", "other/de.ts"})
            writeFile(m_root + '/' + name, tsFile(QString::fromLatin1(name)));
        writeFile(m_root + QStringLiteral("/c.po"),
                  "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\n"
                  "msgid \"s\"\nmsgstr \"\"\n");
        writeFile(m_root + QStringLiteral("/notes.txt"), "not a catalogue");
        writeFile(m_dir.filePath(QStringLiteral("messages.pot")),
                  "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\nmsgid \"a\"\nmsgstr \"b\"\n");
        // Links that form cycles: one to the root, one to the parent, one to itself.
        QVERIFY(QFile::link(m_root, m_root + QStringLiteral("/loop")));
        QVERIFY(QFile::link(QStringLiteral(".."), m_root + QStringLiteral("/sub/up")));
        QVERIFY(QFile::link(QStringLiteral("self.ts"), m_root + QStringLiteral("/self.ts")));
    }

    void walks_data()
    {
        QTest::addColumn<QString>("fileName"); // empty: all files
        QTest::addColumn<int>("counted");
        QTest::addColumn<int>("read");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("all files")
            << QString() << 9 << 6
            << QStringList {"a.ts", "B.ts", "c.po", "other/de.ts", "sub/de.ts", "sub/inner/de.ts"};
        QTest::newRow("filtered") << "de.ts" << 4 << 3
                                  << QStringList {"other/de.ts", "sub/de.ts", "sub/inner/de.ts"};
        QTest::newRow("filtered, case-sensitive") << "A.ts" << 1 << 0 << QStringList();
        QTest::newRow("filtered, counted, never read") << "notes.txt" << 2 << 0 << QStringList();
    }
    void walks()
    {
        QFETCH(QString, fileName);
        QFETCH(int, counted);
        QFETCH(int, read);
        QFETCH(QStringList, order);
        results store;
        RecordingProgress progress;
        int counter = 1;
        int readCounter = 0;
        if (fileName.isEmpty()) {
            readDirectory(m_root, counter, true, &progress, &store);
            readDirectory(m_root, readCounter, false, &progress, &store);
        } else {
            readDirectory(m_root, fileName, counter, true, &progress, &store);
            readDirectory(m_root, fileName, readCounter, false, &progress, &store);
        }
        QCOMPARE(counter, counted);
        QCOMPARE(progress.maxima.value(progress.maxima.size() - 1, 1), counted);
        QCOMPARE(readCounter, read);
        QCOMPARE(progress.value, read);
        QCOMPARE(readOrder(store), order);
    }

    void cancel()
    {
        results store;
        RecordingProgress progress;
        progress.cancelAfter = 2;
        int counter = 0;
        readDirectory(m_root, counter, false, &progress, &store);
        QCOMPARE(counter, 2);
        QCOMPARE(readOrder(store), (QStringList {"a.ts", "B.ts"}));
    }

    void unreadable_data()
    {
        QTest::addColumn<QString>("locked"); // below the walked directory
        QTest::addColumn<int>("counter"); // both de.ts files are counted when they are reached
        QTest::addColumn<QString>("problem");
        QTest::newRow("directory")
            << "locked" << 1 << "Could not open directory. It is not existing or not readable.";
        QTest::newRow("file") << "de.ts" << 2
                              << "Could not open file. It is not existing or in use.";
    }

    // What cannot be read is reported in check "0", with its path.
    void unreadable()
    {
        QFETCH(QString, locked);
        QFETCH(int, counter);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QFileDevice::Permissions open = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                              | QFileDevice::ExeOther;
        QFile::setPermissions(dir.path(), open);
        QDir(dir.path()).mkpath(QStringLiteral("locked"));
        writeFile(dir.filePath(QStringLiteral("locked/de.ts")), tsFile(QStringLiteral("x")));
        writeFile(dir.filePath(QStringLiteral("de.ts")), tsFile(QStringLiteral("y")));
        const QString path = dir.filePath(locked);
        QFile::setPermissions(path, QFileDevice::Permissions());
        results store;
        int read = 0;
        {
            AsNobody nobody;
            readDirectory(dir.path(), read, false, nullptr, &store);
        }
        QFile::setPermissions(path, open);
        QCOMPARE(read, counter);
        QCOMPARE(store.items(Check_0), QStringList {problem + '\n' + path});
    }

    void manyEmptyFiles()
    {
        QTemporaryDir dir;
        for (int i = 0; i < 10000; ++i)
            writeFile(dir.filePath(QString::number(i) + (i % 2 ? ".ts" : ".po")), QByteArray());
        results store;
        int counter = 0;
        readDirectory(dir.path(), counter, false, nullptr, &store);
        QCOMPARE(counter, 10000);
        const QStringList problems = problemSummaries(store);
        QCOMPARE(problems.size(), 10000);
        QCOMPARE(problems.count(QStringLiteral("The file is empty.")), 5000);
        QCOMPARE(problems.count(QStringLiteral("Error while reading the file. *")), 5000);
    }

    void selection_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("fileCount");
        QTest::addColumn<QString>("message");
        const auto add = [](const char *name, const QString &file, const QString &directory,
                            const char *fileName, RunStatus status, int fileCount,
                            const QString &message = {}) {
            QTest::newRow(name) << file << directory << fileName << int(status) << fileCount
                                << message;
        };
        const QString ts = dataPath(QStringLiteral("ts/clean.ts"));
        add("nothing", {}, {}, "", RunStatus::NothingSelected, 0,
            "Please select a file or a directory.");
        add("file and directory", ts, m_root, "", RunStatus::MultipleSelection, 0,
            "Multible selection. Please try again.");
        add("file name without directory", {}, {}, "de.ts", RunStatus::MissingPath, 0,
            "Missing path. Please try again.");
        // Any name but ".ts" is read as gettext in single-file mode.
        add("gettext by another name", m_dir.filePath("messages.pot"), {}, "", RunStatus::Done, 1);
        add("filtered", {}, m_root, "de.ts", RunStatus::Done, 3);
    }
    void selection()
    {
        QFETCH(QString, file);
        QFETCH(QString, directory);
        QFETCH(QString, fileName);
        QFETCH(int, status);
        QFETCH(int, fileCount);
        QFETCH(QString, message);
        AppSettingsRecord options = defaultOptions();
        options.openFilePathAndName = file;
        options.openDirectoryPath = directory;
        options.openDirectopyFile = fileName;
        results store;
        RecordingProgress progress;
        const RunOutcome outcome = runSelection(store, options, &progress);
        QCOMPARE(int(outcome.status), status);
        QCOMPARE(outcome.fileCount, fileCount);
        QCOMPARE(runOutcomeMessage(outcome), message);
        QCOMPARE(store.items(Check_0), QStringList());
        if (outcome.directoryMode) // the progress ends at its maximum
            QCOMPARE(progress.value, progress.maxima.value(progress.maxima.size() - 1, 1));
    }

    // Batch: one walk finds the files of every name, in the order of the walks.
    void batch()
    {
        const TranslationFiles files = collectTranslationFiles(m_root);
        QCOMPARE(files.byName.keys(), QStringList({"B.ts", "a.ts", "c.po", "de.ts"}));
        QCOMPARE(QStringList(files.byName.value("de.ts")).replaceInStrings(m_root + '/', QString()),
                 QStringList({"other/de.ts", "sub/de.ts", "sub/inner/de.ts"}));
        results store;
        store.fileAssert(false, QStringLiteral("from before"));
        QCOMPARE(runBatchStep(store, defaultOptions(), files.byName.value("de.ts"),
                              {"walk problem"}, nullptr),
                 3);
        QCOMPARE(store.items(Check_0), QStringList({"walk problem"}));
        QCOMPARE(store.findings(CheckT1_1).size(), 3);

        // Logs land in the folder given; each one that cannot be written is named.
        QTemporaryDir logs;
        BatchOutcome outcome = runBatch(store, defaultOptions(), m_root, logs.path(), nullptr);
        QCOMPARE(outcome.filesChecked, 6);
        QCOMPARE(outcome.logsWritten.size(), 4);
        QVERIFY(outcome.failures.isEmpty());
        QVERIFY(QFile::exists(logs.filePath("de.ts-LOG.txt")));
        QCOMPARE(batchSummary(outcome, m_root, logs.path()),
                 QStringLiteral("Checked 6 files of 4 names in %1. Wrote 4 logs to %2.")
                     .arg(m_root, logs.path()));
        const QString missing = logs.filePath(QStringLiteral("missing"));
        outcome = runBatch(store, defaultOptions(), m_root, missing, nullptr);
        QCOMPARE(outcome.failures.size(), 4);
        QVERIFY2(outcome.failures[0].startsWith("Could not write " + missing + "/B.ts-LOG.txt: "),
                 qPrintable(outcome.failures[0]));
        const QString summary = batchSummary(outcome, m_root, missing);
        QCOMPARE(summary.count("Could not write " + missing), 4);
        QVERIFY(summary.endsWith(" Wrote 0 logs to " + missing + '.'));
    }

    // A full disk leaves no log cut short: the earlier log stays.
    void logOnFullDisk()
    {
        QTemporaryDir logs;
        results store;
        runBatchStep(store, defaultOptions(), collectTranslationFiles(m_root).byName.value("de.ts"),
                     {}, nullptr);
        const QString log = writeFile(logs.filePath("de.ts-LOG.txt"), "earlier log\n");
        QString problem;
        {
            FileSizeLimit limit(64);
            if (!limit.isActive())
                QSKIP("The file size limit cannot be set here.");
            problem = writeResults(m_root, 3, QStringLiteral("de.ts"), store, logs.path());
        }
        QVERIFY(!problem.isEmpty());
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier log\n"));
    }

    // Names that are not UTF-8 cannot be opened through a QString; the walk says
    // which it left, instead of skipping them without a word.
    void namesNotUtf8()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("good.ts")), tsFile(QStringLiteral("g")));
        const QByteArray bad = QFile::encodeName(dir.path()) + "/bad\xff\x1b.ts";
        const int descriptor = ::open(bad.constData(), O_WRONLY | O_CREAT, 0600);
        QVERIFY(descriptor >= 0);
        ::close(descriptor);
        const QByteArray subdirectory = QFile::encodeName(dir.path()) + "/sub\xfe";
        QVERIFY(::mkdir(subdirectory.constData(), 0700) == 0);
        results store;
        int counter = 0;
        readDirectory(dir.path(), counter, false, nullptr, &store);
        QCOMPARE(counter, 1);
        const QString item = QStringLiteral("The name %1 is not UTF-8; the file or directory was "
                                            "not read.\n")
                             + dir.path();
        QCOMPARE(store.items(Check_0),
                 QStringList({item.arg("bad\\xff\\x1b.ts"), item.arg("sub\\xfe")}));
        QCOMPARE(collectTranslationFiles(dir.path()).problems, store.items(Check_0));
    }

private:
    // The order in which the files were read: the contexts of their messages.
    QStringList readOrder(const results &store) const
    {
        QStringList order = store.findings(CheckT1_1).values(QStringLiteral("s"));
        std::reverse(order.begin(), order.end());
        return order.replaceInStrings(m_root + '/', QString());
    }
    QTemporaryDir m_dir;
    QString m_root;
};

QTEST_GUILESS_MAIN(WalkTest)
#include "tst_walk.moc"
