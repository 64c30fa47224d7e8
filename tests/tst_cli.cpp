// kvn end to end: text and JSON output, exit statuses, batch logs.

#include "readertest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringDecoder>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace readertest;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
    QByteArray bytes; // standard output as written
};

Run kvn(const QStringList &arguments, const QString &workingDirectory = QString(KVN_TEST_DATA),
        const QStringList &locale = QStringList())
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    if (!locale.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(QLatin1String(variable));
        for (const QString &setting : locale)
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(KVN_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.bytes = process.readAllStandardOutput();
    run.out = QString::fromUtf8(run.bytes);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    // tests/data/cli: empty.ts (one T1.1 finding), umlaut.po (one T2.1 finding,
    // off by default), silenced.ts (its T1.1 silenced), off.ini (T1 boxes off),
    // project/ (its .kvn.ini turns T1.1 off), badproject/ (a wrong .kvn.ini).
    void initTestCase()
    {
        setUpTestCase();
        QDir(m_dir.path()).mkpath(QStringLiteral("nothing"));
    }

    static QByteArray poFile(const QByteArray &language, const QByteArray &entries)
    {
        return "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
               "\"Language: "
               + language + "\\n\"\n\"Plural-Forms: nplurals=2; plural=(n != 1);\\n\"\n\n"
               + entries;
    }

    // The exit status follows exactly the checks that are on (0 or 1); a usage
    // error is status 2 with its message on standard error and nothing on
    // standard output. Which checks a selection turns on, and the errors of the
    // option layers, are tested on the options themselves; here each flag once,
    // to see that it reaches them, and one error of the layers.
    void statuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("error"); // every part is on standard error
        // output: how standard output starts, then nothing on standard error
        QTest::addColumn<QString>("output");
        const QString empty = m_emptyTranslation, umlaut = m_nonAscii;
        const QString project = dataPath("cli/project/po/de.ts");
        const auto add = [](const char *name, const QStringList &arguments, int status,
                            const QStringList &error = {}, const QString &output = {}) {
            QTest::newRow(name) << arguments << status << error << output;
        };
        for (const char *command : {"check", "batch", "checks", "export", "merge"})
            add(command, {command, "--help"}, 0, {},
                QStringLiteral("Usage: kvn %1 [options]").arg(command));
        add("clean", {"check", "ts/clean.ts"}, 0);
        add("default", {"check", empty}, 1);
        add("check 0 item", {"check", "ts/malformed.ts"}, 1, {"Error while reading the file."});
        add("disable id", {"check", "--disable", "T1.1", empty}, 0);
        add("only id", {"check", "--only", "T1.1", empty}, 1);
        add("only, repeated", {"check", "--only", "S1", "--only=T1.1", empty}, 1);
        add("tab prints, does not select", {"check", "--tab", "S1", empty}, 1);
        add("off by default", {"check", umlaut}, 0);
        add("enable id", {"check", "--enable", "T2.1", umlaut}, 1);
        add("profile all", {"check", "--profile", "all", umlaut}, 1);
        add("settings file", {"check", "--settings", m_boxOff, empty}, 0);
        add("project file", {"check", project}, 0);
        add("flags over project file", {"check", "--enable", "T1.1", project}, 1);
        add("project file from a directory", {"check", dataPath("cli/project")}, 0);
        add("silenced, gcc", {"check", m_silenced}, 0, {"; 1 silenced by kvn-ignore comments"});
        add("silenced, report", {"check", "--format", "report", m_silenced}, 0,
            {"1 findings silenced by kvn-ignore comments"});
        // The gcc format makes no listing rows, but counts them when silenced.
        const QString listings = dataPath("cli/silencedlistings.po");
        add("silenced listings, gcc", {"check", listings}, 0,
            {"; 5 silenced by kvn-ignore comments"});
        add("silenced listings, report", {"check", "--format", "report", listings}, 0,
            {"5 findings silenced by kvn-ignore comments"});
        add("directory", {"check", "--file-name", "clean.ts", "ts"}, 0);
        add("batch without files", {"batch", m_dir.filePath("nothing")}, 1,
            {"No translation files found in"});

        add("unknown check", {"check", "--enable", "T8.9", empty}, 2, {"T8.9"});
        add("bad project file", {"check", dataPath("cli/badproject/de.ts")}, 2,
            {dataPath("cli/badproject/.kvn.ini"), "checkT1_1CheckBox", "off"});
        add("split mode", {"check", "--split", "dir", empty}, 2, {"dir"});
        add("xliff", {"check", writeFile(m_dir.filePath("app_de.xlf"), "<xliff/>")}, 2,
            {"app_de.xlf", "lconvert"});
        add("no file of that name", {"check", "--file-name", "none.po", dataPath("cli/project")}, 2,
            {"No translation files found"});
        add("no translation files", {"check", m_dir.filePath("nothing")}, 2,
            {"No translation files found in " + m_dir.filePath("nothing") + "."});
        add("device", {"check", "/dev/null"}, 2, {"/dev/null", "neither a regular file"});
        add("missing path", {"check", "ts/none.ts"}, 2, {"ts/none.ts"});
        add("one of several paths missing", {"check", empty, "ts/none.ts"}, 2, {"ts/none.ts"});
        add("no path", {"check"}, 2, {"Usage: kvn check"});
        add("unknown option", {"check", "--bogus", "ts/clean.ts"}, 2, {"bogus"});
        add("unknown tab", {"check", "--tab", "X9", "ts/clean.ts"}, 2, {"X9"});
        add("file name with a file", {"check", "--file-name", "a.ts", "ts/clean.ts"}, 2,
            {"--file-name"});
        add("unknown command", {"lint"}, 2, {"lint"});
    }
    void statuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, error);
        QFETCH(QString, output);
        const Run run = kvn(arguments);
        QVERIFY2(run.status == status, qPrintable(run.err));
        for (const QString &part : error)
            QVERIFY2(run.err.contains(part), qPrintable(run.err));
        if (status == 2)
            QCOMPARE(run.out, QString());
        if (!output.isEmpty()) {
            QVERIFY2(run.out.startsWith(output), qPrintable(run.out));
            QCOMPARE(run.err, QString());
        }
    }

    // A FIFO is refused as an argument, and passed by in a walk: reading it would
    // block for ever.
    void fifoIsNotRead()
    {
        const QString fifo = m_dir.filePath(QStringLiteral("pipe.po"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const Run run = kvn({"check", fifo});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains("neither a regular file nor a directory"));
        QTemporaryDir tree;
        QFile::copy(m_nonAscii, tree.filePath("de.po"));
        QCOMPARE(mkfifo(QFile::encodeName(tree.filePath("fr.po")).constData(), 0600), 0);
        const Run walk = kvn({"check", "--format", "report", "--tab", "ST0", tree.path()});
        QCOMPARE(walk.status, 0);
        QVERIFY(walk.out.contains("Read file " + tree.path() + "."));
    }

    // kvn's messages follow LC_ALL, then LC_MESSAGES, then LANG.
    void locale_data()
    {
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<QString>("message");
        const QString english = QStringLiteral("kvn: ts/none.ts does not exist.");
        QTest::newRow("LANG") << QStringList {"LANG=de_DE.UTF-8"}
                              << "kvn: ts/none.ts existiert nicht.";
        QTest::newRow("LC_MESSAGES over LANG")
            << QStringList {"LANG=de_DE.UTF-8", "LC_MESSAGES=ro_RO.UTF-8"}
            << "kvn: ts/none.ts nu există.";
        QTest::newRow("LC_ALL over all")
            << QStringList {"LANG=de_DE.UTF-8", "LC_MESSAGES=ro_RO", "LC_ALL=ar_EG.UTF-8"}
            << "kvn: \u2068ts/none.ts\u2069 غير موجود."; // the path isolated in right-to-left text
        QTest::newRow("C") << QStringList {"LANG=de_DE.UTF-8", "LC_ALL=C"} << english;
        QTest::newRow("POSIX") << QStringList {"LC_ALL=POSIX"} << english;
        QTest::newRow("no translation") << QStringList {"LANG=fr_FR.UTF-8"} << english;
        QTest::newRow("unset") << QStringList {"HOME=/nonexistent"} << english;
    }
    void locale()
    {
        QFETCH(QStringList, locale);
        QFETCH(QString, message);
        const Run run = kvn({"check", "ts/none.ts"}, QString(KVN_TEST_DATA), locale);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.trimmed(), message);
    }

    // A baseline leaves out the findings it holds, wherever their messages move.
    void baseline()
    {
        QTemporaryDir tree;
        QVERIFY(QDir(tree.path()).mkpath("po"));
        // T1.1 on "Open"; T4.2 and ST4.2 on the trailing blank of "menu"/"Close".
        const QByteArray old = "msgid \"Open\"\nmsgstr \"\"\n\nmsgctxt \"menu\"\nmsgid "
                               "\"Close\"\nmsgstr \"Schliessen \"\n";
        const QString po = writeFile(tree.filePath("po/de.po"), poFile("de", old));
        const QString baseline = tree.filePath("kvn-baseline.txt");
        QCOMPARE(kvn({"check", "--write-baseline", baseline, tree.filePath("po")}).status, 1);
        QFile file(baseline);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        file.close();
        // Sorted, keyed by the path relative to the baseline, never by line.
        QCOMPARE(
            written.split('\n').mid(1),
            QByteArrayList({"po/de.po\tST4.2\tmenu\tClose\tSchliessen \tClose\\nSchliessen ",
                            "po/de.po\tT1.1\t\tOpen\t\tOpen",
                            "po/de.po\tT4.2\tmenu\tClose\tSchliessen \tClose\\nSchliessen ", ""}));
        // The same findings give the same file, whichever way the catalogue is named.
        QCOMPARE(kvn({"check", "--write-baseline", baseline, "de.po"}, tree.filePath("po")).status,
                 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written);
        file.close();

        // A message inserted above the old ones: nothing new.
        writeFile(po, poFile("de", "msgid \"New\"\nmsgstr \"Neu\"\n\n" + old));
        const Run clean = kvn({"check", "--baseline", baseline, po});
        QCOMPARE(clean.status, 0);
        QCOMPARE(clean.out, QString());
        // One with a finding: only that one, from another folder.
        writeFile(po, poFile("de", "msgid \"Save\"\nmsgstr \"\"\n\n" + old));
        const Run fresh
            = kvn({"check", "--baseline", "../kvn-baseline.txt", "de.po"}, tree.filePath("po"));
        QCOMPARE(fresh.status, 1);
        QCOMPARE(fresh.out.count('\n'), 1);
        QVERIFY2(fresh.out.contains("[T1.1]") && fresh.out.contains("Save"), qPrintable(fresh.out));
        // A second "Open" in another context is a second finding: the baseline holds one.
        writeFile(po, poFile("de", old + "\nmsgctxt \"toolbar\"\nmsgid \"Open\"\nmsgstr \"\"\n"));
        QCOMPARE(kvn({"check", "--baseline", baseline, po}).status, 1);

        // Not a baseline: a usage error.
        const Run wrong = kvn({"check", "--baseline", po, po});
        QCOMPARE(wrong.status, 2);
        QVERIFY(wrong.err.contains("not a kvn baseline"));
    }

    void checkList()
    {
        const Run text = kvn({"checks"});
        QCOMPARE(text.status, 0);
        QVERIFY(text.out.contains(
            QRegularExpression("^T2\\.1 +T2 +warning +off +all +Check T2\\.1 warns",
                               QRegularExpression::MultilineOption)));
        const Run json = kvn({"checks", "--format", "json"});
        QCOMPARE(json.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8()).object();
        const QJsonArray checks = root.value("checks").toArray();
        QCOMPARE(checks.at(0)["severity"].toString(), QStringLiteral("error"));
        for (const QJsonValue &check : checks)
            if (check["id"] == "T2.1")
                QCOMPARE(check["profiles"].toArray(), QJsonArray {"all"});
        // The help texts: indented below each line, and the same in the JSON.
        const Run explained = kvn({"checks", "--explain"});
        const QString t82Help = QStringLiteral("Two spaces in a row in the translation.\n"
                                               "Example: \"Open  file\"\n"
                                               "To silence it: a \"kvn-ignore: T8.2\" comment, "
                                               "or --disable T8.2.");
        QVERIFY(explained.out.contains("       " + QString(t82Help).replace("\n", "\n       ")
                                       + "\nT8.3 "));
        for (const QJsonValue &check : checks)
            if (check["id"] == "T8.2")
                QCOMPARE(check["help"].toString(), t82Help);
    }

    // Several paths, --split, templates and files that are no catalogues.
    // tests/data/cli/inputs: de.po, fr.po, ts/de.ts, a TypeScript file ts/app.ts
    // and app.pot as xgettext writes it (a fuzzy header without language or number
    // of forms).
    void inputs()
    {
        const QDir tree(dataPath("cli/inputs"));
        const QString de = tree.filePath("de.po"), fr = tree.filePath("fr.po");
        const QString deTs = tree.filePath("ts/de.ts"), pot = tree.filePath("app.pot");
        const QString fileLine = QStringLiteral("Read file %1.");

        // Several paths, one run.
        const Run both = kvn({"check", "--format", "report", "--tab", "ST0", fr, deTs});
        QCOMPARE(both.status, 1); // check 0: two languages in one catalogue
        QVERIFY(both.out.contains("Reading multible files with different languages."));
        QVERIFY2(both.out.contains("Read 2 files in " + fr + ", " + deTs + "."),
                 qPrintable(both.out));
        QCOMPARE(both.out.count("=== ST0 ==="), 1);

        // A walk reads the template and skips the TypeScript file, saying so once.
        const Run walk = kvn({"check", "--tab", "ST0", "--format", "json", tree.path()});
        QCOMPARE(walk.err.count(tree.filePath("ts/app.ts")), 1);
        QCOMPARE(walk.err.count('\n'), 1);
        QCOMPARE(QJsonDocument::fromJson(walk.out.toUtf8())["summary"]["fileCount"].toInt(), 4);

        // One run per file, in the order of the walk.
        const Run files
            = kvn({"check", "--format", "report", "--split", "file", "--tab", "ST0", tree.path()});
        QCOMPARE(files.status, 1); // de.po has an empty translation
        QCOMPARE(files.out.count("=== ST0 ==="), 4);
        const QStringList order {pot, de, fr, deTs};
        qsizetype at = 0;
        for (const QString &file : order) {
            const qsizetype next = files.out.indexOf(fileLine.arg(file), at);
            QVERIFY2(next > at, qPrintable(file));
            at = next;
        }

        // One run per language: the template, de.po with ts/de.ts, fr.po.
        const Run languages
            = kvn({"check", "--split", "language", "--format", "json", tree.path()});
        const QJsonArray runs = QJsonDocument::fromJson(languages.out.toUtf8()).array();
        QCOMPARE(runs.size(), 3);
        QCOMPARE(runs.at(1)["summary"]["fileCount"].toInt(), 2);
        QCOMPARE(runs.at(1)["summary"]["language"].toString(), QStringLiteral("de"));
        QCOMPARE(runs.at(2)["summary"]["language"].toString(), QStringLiteral("fr"));

        // A template: no language, empty translations, yet no finding.
        const Run templ = kvn({"check", "--format", "json", pot});
        QCOMPARE(templ.status, 0);
        const QJsonObject report = QJsonDocument::fromJson(templ.out.toUtf8()).object();
        QCOMPARE(report["summary"]["sourceCount"].toInt(), 2);
        for (const QJsonValue &check : report["checks"].toArray())
            if (check["id"] == "0" || check["id"] == "T1.1")
                QVERIFY2(check["count"].toInt() == 0, qPrintable(check["id"].toString()));
    }

    // Only the named tabs, in panel order; information lines only when verbose.
    void textOutput()
    {
        QCOMPARE(kvn({"check", "--format", "report", "ts/clean.ts"}).err, QString());
        const Run some = kvn({"--verbose", "check", "--format", "report", "--tab", "T1", "--tab",
                              "S1", "ts/clean.ts"});
        QCOMPARE(some.status, 0);
        QVERIFY(some.out.startsWith("=== S1 ===\n"));
        QVERIFY(some.out.contains("\n=== T1 ===\n"));
        QCOMPARE(some.out.count("=== "), 2);
        QVERIFY(some.err.contains("Reading file ts/clean.ts"));
    }

    // The boxes of a settings file reach the JSON; their findings stay in it.
    void json()
    {
        const Run run
            = kvn({"check", "--format", "json", "--settings", m_boxOff, m_emptyTranslation});
        QCOMPARE(run.status, 0);
        for (const QJsonValue &check :
             QJsonDocument::fromJson(run.out.toUtf8())["checks"].toArray())
            if (check["id"] == "T1.1" || check["id"] == "T1.2")
                QVERIFY2(!check["boxOn"].toBool()
                             && check["count"].toInt() == int(check["id"] == "T1.1"),
                         qPrintable(check["id"].toString()));
    }

    // tests/data/cli/batch: a/de.ts, b/de.ts and b/fr.po.
    void batch()
    {
        const QDir tree(dataPath("cli/batch"));
        QTemporaryDir work;
        const Run run = kvn({"batch", tree.path()}, work.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("de.ts-LOG.txt\nfr.po-LOG.txt\n"));
        QFile log(work.filePath("de.ts-LOG.txt"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY(text.contains("\n\nRead 2 files in " + tree.path() + ".\nRead 2 sources.\n"));
    }

    // Names and texts of the input cannot forge report lines or reach the terminal
    // as control sequences, and the JSON holds whole characters only.
    void hostileNamesAndTexts()
    {
        const QString name = m_dir.filePath(QStringLiteral("a\nCheck 0: OK\x1b[2J.ts"));
        writeFile(name, "<TS language=\"de\"><context><name>c</name><message><source>&amp;"
                        "\xF0\x9F\x98\x80 Smile</source><translation>&amp;"
                        "\xF0\x9F\x98\x80 L\xC3\xA4"
                        "cheln</translation></message></context></TS>");
        const Run text = kvn({"check", "--format", "report", name});
        QVERIFY(!text.out.contains(QChar(0x1b)) && !text.out.contains(QChar(0x07)));
        for (const char *format : {"gcc", "github"}) {
            const Run lines = kvn({"check", "--enable", "*", "--format", format, name});
            QVERIFY2(!lines.out.isEmpty() && !lines.out.contains(QChar(0x1b))
                         && !lines.out.contains("\nCheck 0"),
                     qPrintable(lines.out));
        }
        QVERIFY2(text.out.contains("Read file " + m_dir.path() + "/a\\nCheck 0: OK\\x1b[2J.ts.\n"),
                 qPrintable(text.out));
        QVERIFY(text.out.contains(QString::fromUtf8("QKeySequence \xF0\x9F\x98\x80<")));
        const QString po = writeFile(m_dir.filePath(QStringLiteral("escape.po")),
                                     "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\n"
                                     "msgid \"Title\x1b]0;owned\x07\"\nmsgstr \"Titel\"\n");
        const Run texts = kvn({"check", "--format", "report", po});
        QVERIFY(!texts.out.contains(QChar(0x1b)) && !texts.out.contains(QChar(0x07)));
        QVERIFY(texts.out.contains("Title\\x1b]0;owned\\x07"));

        const QByteArray json = kvn({"check", "--format", "json", name}).bytes;
        QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = strict.decode(json);
        QVERIFY(!strict.hasError());
        QVERIFY(!QJsonDocument::fromJson(json).isNull());
        QVERIFY(decoded.contains(QString::fromUtf8("QKeySequence \xF0\x9F\x98\x80<")));
    }

    // An argument that is not UTF-8 cannot name a file through a QString.
    void argumentNotUtf8()
    {
        QProcess process;
        process.start(QStringLiteral("/bin/sh"),
                      {"-c", "exec \"$0\" check \"$(printf 'x\\377.ts')\"", KVN_BINARY});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 2);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 QStringLiteral("kvn: the argument x\\xff.ts is not UTF-8; such names cannot be "
                                "read.\n"));
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
    const QString m_silenced = dataPath("cli/silenced.ts");
    const QString m_emptyTranslation = dataPath("cli/empty.ts");
    const QString m_boxOff = dataPath("cli/off.ini");
    const QString m_nonAscii = dataPath("cli/umlaut.po");
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
