// The directory walks and the run over a selection.

#include "checks/results.h"
#include "input/readers.h"
#include "model/appsettings.h"
#include "readertest.h"
#include "run/run.h"

#include <QDir>
#include <QtTest>
#include <sys/fsuid.h>
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

    void collect()
    {
        QSet<QString> names;
        collectFileNames(m_root, names);
        QCOMPARE(names, (QSet<QString> {"a.ts", "B.ts", "c.po", "de.ts"}));
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

    void batchStep()
    {
        results store;
        store.fileAssert(false, QStringLiteral("from before"));
        QCOMPARE(runBatchStep(store, defaultOptions(), m_root, QStringLiteral("de.ts"), nullptr),
                 3);
        QVERIFY(store.items(Check_0).isEmpty());
        QCOMPARE(store.findings(CheckT1_1).size(), 3);
        // A log that cannot be written is a failure, not a silent success.
        QVERIFY(!writeResults(m_root, 1, m_root + QStringLiteral("/no-such-dir/de.ts"), store));
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
