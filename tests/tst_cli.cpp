// kvn end to end: text and JSON output, exit statuses, batch logs.

#include "readertest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <unistd.h>

using namespace readertest;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run kvn(const QStringList &arguments, const QString &workingDirectory = QString(KVN_TEST_DATA))
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(KVN_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setUpTestCase();
        m_emptyTranslation
            = writeFile(m_dir.filePath(QStringLiteral("empty.ts")),
                        "<TS language=\"de\"><context><name>c</name><message><source>"
                        "s</source><translation></translation></message></context>"
                        "</TS>");
        m_boxOff = writeFile(m_dir.filePath(QStringLiteral("off.ini")),
                             "[MainWindow]\ncheckT1_1CheckBox=false\ncheckT1_2CheckBox=7\n");
        QDir(m_dir.path()).mkpath(QStringLiteral("nothing"));
    }

    void textOutput()
    {
        const Run run = kvn({"check", "ts/clean.ts"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QString());
        QVERIFY(run.out.startsWith("=== ST0 ===\nLast checks were done at "));
        QVERIFY(run.out.contains("\n\nRead file ts/clean.ts.\nRead 1 sources.\n"));
        QCOMPARE(run.out.count(
                     QRegularExpression("^=== \\w+ ===$", QRegularExpression::MultilineOption)),
                 50);

        // Only the named tabs, in panel order; information lines only when verbose.
        const Run some = kvn({"--verbose", "check", "--tab", "T1", "--tab", "S1", "ts/clean.ts"});
        QCOMPARE(some.status, 0);
        QVERIFY(some.out.startsWith("=== S1 ===\n"));
        QVERIFY(some.out.contains("\n=== T1 ===\n"));
        QCOMPARE(some.out.count("=== "), 2);
        QVERIFY(some.err.contains("Reading file ts/clean.ts"));
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error"); // part of standard error
        QTest::newRow("clean") << QStringList {"check", "ts/clean.ts"} << 0 << QString();
        QTest::newRow("check 0 item")
            << QStringList {"check", "ts/malformed.ts"} << 1 << "Error while reading the file.";
        QTest::newRow("warning, box on")
            << QStringList {"check", m_emptyTranslation} << 1 << QString();
        QTest::newRow("warning, box off")
            << QStringList {"check", "--settings", m_boxOff, m_emptyTranslation} << 0 << QString();
        QTest::newRow("directory")
            << QStringList {"check", "--file-name", "clean.ts", "ts"} << 0 << QString();
        QTest::newRow("no translation files")
            << QStringList {"check", m_dir.filePath("nothing")} << 0
            << "No translation files found in " + m_dir.filePath("nothing") + ".";
        QTest::newRow("missing path") << QStringList {"check", "ts/none.ts"} << 2 << "ts/none.ts";
        QTest::newRow("no path") << QStringList {"check"} << 2 << "Usage: kvn check";
        QTest::newRow("unknown option")
            << QStringList {"check", "--bogus", "ts/clean.ts"} << 2 << "bogus";
        QTest::newRow("unknown tab")
            << QStringList {"check", "--tab", "X9", "ts/clean.ts"} << 2 << "X9";
        QTest::newRow("file name with a file")
            << QStringList {"check", "--file-name", "a.ts", "ts/clean.ts"} << 2 << "--file-name";
        QTest::newRow("missing settings")
            << QStringList {"check", "--settings", "none.ini", "ts/clean.ts"} << 2 << "none.ini";
        QTest::newRow("unknown command") << QStringList {"lint"} << 2 << "lint";
        QTest::newRow("batch without files") << QStringList {"batch", m_dir.filePath("nothing")}
                                             << 1 << "No translation files found in";
    }
    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, error);
        const Run run = kvn(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
        if (status == 2)
            QCOMPARE(run.out, QString());
    }

    void json()
    {
        const Run run
            = kvn({"check", "--format", "json", "--settings", m_boxOff, m_emptyTranslation});
        QCOMPARE(run.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const QJsonObject summary = root.value("summary").toObject();
        QCOMPARE(summary.value("path").toString(), m_emptyTranslation);
        QCOMPARE(summary.value("sourceCount").toInt(), 1);
        QCOMPARE(summary.value("emptyTranslationCount").toInt(), 1);
        QCOMPARE(summary.value("language").toString(), QStringLiteral("de"));
        const QJsonArray checks = root.value("checks").toArray();
        QCOMPARE(checks.size(), 140);
        QJsonObject t11, t12;
        for (const QJsonValue &check : checks) {
            if (check["id"] == "T1.1")
                t11 = check.toObject();
            if (check["id"] == "T1.2")
                t12 = check.toObject();
        }
        QCOMPARE(t11.value("boxOn").toBool(), false);
        QCOMPARE(t11.value("count").toInt(), 1);
        QCOMPARE(t11.value("findings")[0]["text"].toString(), QStringLiteral("s"));
        QCOMPARE(t11.value("findings")[0]["values"][0].toString(), QStringLiteral("c"));
        QCOMPARE(t12.value("boxOn").toBool(), false); // a tri-state value outside 0..2 is unchecked
    }

    void batch()
    {
        QTemporaryDir tree;
        QDir(tree.path()).mkpath(QStringLiteral("a"));
        QDir(tree.path()).mkpath(QStringLiteral("b"));
        QFile::copy(dataPath("ts/clean.ts"), tree.filePath("a/de.ts"));
        QFile::copy(dataPath("ts/clean.ts"), tree.filePath("b/de.ts"));
        QFile::copy(dataPath("po/crlfbom.po"), tree.filePath("b/fr.po"));
        QTemporaryDir work;
        const Run run = kvn({"batch", tree.path()}, work.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("de.ts-LOG.txt\nfr.po-LOG.txt\n"));
        QFile log(work.filePath("de.ts-LOG.txt"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY(text.contains("\n\nRead 2 files in " + tree.path() + ".\nRead 2 sources.\n"));
        QVERIFY(text.contains("Check 0: Found 0 item(s)"));
        QVERIFY(QFile::exists(work.filePath("fr.po-LOG.txt")));
    }

    void unreadable()
    {
        if (geteuid() == 0)
            QSKIP("Permissions do not bind root.");
        const QString file = writeFile(m_dir.filePath(QStringLiteral("locked.ts")), "<TS/>");
        QFile::setPermissions(file, QFileDevice::Permissions());
        const Run run = kvn({"check", file});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains("Could not open file. It is not existing or in use."));
        const QString directory = m_dir.filePath(QStringLiteral("lockeddir"));
        QDir().mkpath(directory);
        QFile::setPermissions(directory, QFileDevice::Permissions());
        QCOMPARE(kvn({"check", directory}).status, 2);
        QFile::setPermissions(directory, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                             | QFileDevice::ExeOwner);
    }

private:
    QTemporaryDir m_dir;
    QString m_emptyTranslation;
    QString m_boxOff;
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
