// The output formats of a run: gcc lines, GitHub workflow commands, JSON and
// SARIF documents written from one store.

#include "enginefixture.h"
#include "input/readers.h"
#include "readertest.h"
#include "report/findingswriter.h"
#include "report/sha256.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace readertest;

namespace {

// tests/data/writer, each file a header of five lines, then:
// entries.po: from line 6 a trailing blank in the translation (T4.2, ST4.2 at
//   line 8) and an empty one (T1.1 at line 12);
// broken.po: entries.po and a broken last entry (a check "0" error at line 14);
// inserted.po: entries.po with an entry of its own before the others;
// differing.po: "Open" translated in two ways (ST10.1 at line 11 names line 7);
// all.po: entries.po and differing.po.
const QString Fixtures = QStringLiteral(KVN_TEST_DATA "/writer/");

} // namespace

class tst_FindingsWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_previousDirectory;

    // The output of one run over the fixture as a.po, read from the current directory.
    QByteArray write(OutputFormat format, const char *fixture, OutputTotals *totals = nullptr)
    {
        writeFile(QStringLiteral("a.po"), readFile(Fixtures + QLatin1String(fixture)));
        results store;
        readPoFile(true, QStringLiteral("a.po"), &store);
        store.runCatalogueChecks();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        OutputOptions options;
        options.report = reportOptions(defaultOptions());
        options.toolVersion = QStringLiteral("1.0");
        FindingsWriter writer(format, &buffer, options);
        writer.writeRun(store, QStringLiteral("a.po"), 1);
        writer.finish();
        if (totals)
            *totals = writer.totals();
        return buffer.data();
    }

private slots:
    void initTestCase()
    {
        setUpTestCase();
        QVERIFY(m_dir.isValid());
        m_previousDirectory = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_previousDirectory); }

    void gcc()
    {
        OutputTotals totals;
        const QByteArray out = write(OutputFormat::Gcc, "broken.po", &totals);
        const QList<QByteArray> lines = out.trimmed().split('\n');
        // Sorted by line, then by check: T4.2 before ST4.2 on the msgstr line 8;
        // the broken last entry's problem is an error at its own line.
        QCOMPARE(lines.value(0), QByteArray("a.po:8: warning: Warns if the last character of the "
                                            "translation is a space. (Exclusive of the warnings "
                                            "from Check T4.1.): Open\\nÖffnen  [T4.2]"));
        QVERIFY(lines.value(1).startsWith("a.po:8: warning: ")
                && lines.value(1).endsWith("[ST4.2]"));
        QVERIFY(lines.value(2).startsWith(
            "a.po:12: warning: Warns if the translation is empty.: Save [T1.1]"));
        QVERIFY2(lines.last().startsWith("a.po:14: error: ") && lines.last().endsWith(" [0]"),
                 lines.last().constData());
        QCOMPARE(totals.findings, int(lines.size()));
        QCOMPARE(totals.errors + totals.warnings, totals.findings);
        QVERIFY(totals.errors > 0);
        QCOMPARE(totalsLine(totals),
                 QStringLiteral("%1 findings (%2 errors, %3 warnings) in 1 files")
                     .arg(totals.findings)
                     .arg(totals.errors)
                     .arg(totals.warnings));
    }

    void github()
    {
        const QByteArray out = write(OutputFormat::Github, "entries.po");
        QVERIFY2(out.startsWith("::warning file=a.po,line=8,title=T4.2::Warns if the last "),
                 out.constData());
        QVERIFY(out.contains("\n::warning file=a.po,line=12,title=T1.1::"));
    }

    // A comparison names both messages: the later one, then the one it differs from.
    void comparison_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("gcc") << int(OutputFormat::Gcc)
                             << "a.po:11: warning: [^\n]*\\[ST10.1\\]\n"
                                "a.po:7: note: the message it differs from \\[ST10.1\\]\n";
        QTest::newRow("github") << int(OutputFormat::Github)
                                << "::warning file=a.po,line=11,title=ST10.1::[^\n]*\n"
                                   "::notice file=a.po,line=7,title=ST10.1::the message it "
                                   "differs from\n";
        QTest::newRow("sarif") << int(OutputFormat::Sarif)
                               << "\"startLine\": 11}}}], \"relatedLocations\": \\[\\{\"id\": "
                                  "1, [^\n]*\"startLine\": 7}}, \"message\"";
        QTest::newRow("csv") << int(OutputFormat::Csv)
                             << "(?s)^check,severity,file,line,context,source,translation,finding"
                                "\r\n(.*\r\n)?ST10.1,warning,a.po,11,x,Open,Aufmachen,\"Open\n"
                                "Aufmachen\nÖffnen\"\r\nST10.1,note,a.po,7,a.po,Open,Öffnen,the "
                                "message it differs from\r\n";
    }
    void comparison()
    {
        QFETCH(int, format);
        QFETCH(QString, pattern);
        const QString out = QString::fromUtf8(write(OutputFormat(format), "differing.po"));
        QVERIFY2(out.contains(QRegularExpression(pattern)), qPrintable(out));
    }

    void csvField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        const auto add = [](const char *name, const char *text, const char *field) {
            QTest::newRow(name) << text << field;
        };
        add("plain", "Öffnen", "Öffnen");
        add("comma, quote, line feed", "a, \"b\"\nc", "\"a, \"\"b\"\"\nc\"");
        add("formula", "=1+2", "'=1+2");
        add("minus, quoted", "-a,b", "\"'-a,b\"");
        add("at, tab", "@x\t", "'@x\t");
        add("apostrophe stays", "'s", "'s");
    }
    void csvField()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(::csvField(text), field);
    }

    // A text as GitHub workflow command data, as a property, and as one line.
    void escaping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("line");
        const auto add
            = [](const char *name, const char *text, const char *data, const char *property,
                 const char *line) { QTest::newRow(name) << text << data << property << line; };
        add("plain", "a.po", "a.po", "a.po", "a.po");
        add("percent first", "50%0A", "50%250A", "50%250A", "50%0A");
        add("line breaks", "a\r\nb", "a%0D%0Ab", "a%0D%0Ab", "a\\r\\nb");
        add("colon, comma", "x:1,y", "x:1,y", "x%3A1%2Cy", "x:1,y");
        add("controls", "t\tb\x01", "t\tb\x01", "t\tb\x01", "t\\tb\\x01");
        // Runs of eight and four plain characters, broken at every place.
        add("long", "abcdefgh%ijklmnopq:rstuvwxyz,0123456\n789",
            "abcdefgh%25ijklmnopq:rstuvwxyz,0123456%0A789",
            "abcdefgh%25ijklmnopq%3Arstuvwxyz%2C0123456%0A789",
            "abcdefgh%ijklmnopq:rstuvwxyz,0123456\\n789");
        add("non-ASCII",
            "\xc3\x9c"
            "bersetzung 100% \xe2\x80\x94 fertig\xf0\x9f\x98\x80!",
            "\xc3\x9c"
            "bersetzung 100%25 \xe2\x80\x94 fertig\xf0\x9f\x98\x80!",
            "\xc3\x9c"
            "bersetzung 100%25 \xe2\x80\x94 fertig\xf0\x9f\x98\x80!",
            "\xc3\x9c"
            "bersetzung 100% \xe2\x80\x94 fertig\xf0\x9f\x98\x80!");
    }
    void escaping()
    {
        QFETCH(QString, text);
        QFETCH(QString, data);
        QFETCH(QString, property);
        QFETCH(QString, line);
        QCOMPARE(githubData(text), data);
        QCOMPARE(githubProperty(text), property);
        QCOMPARE(oneLine(text), line);
    }

    // SARIF: valid against the published schema, and a finding keeps its
    // fingerprint when a message inserted above it moves it down.
    void sarif()
    {
        const QByteArray before = write(OutputFormat::Sarif, "entries.po");
        const QByteArray after = write(OutputFormat::Sarif, "inserted.po");
        const QString schema
            = QStringLiteral(KVN_TEST_DATA "/../../../shared/schemas/sarif-schema-2.1.0.json");
        if (!QFile::exists(schema))
            QSKIP("The SARIF schema is not beside the repository.");
        writeFile(QStringLiteral("a.sarif"), write(OutputFormat::Sarif, "all.po"));
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import json,sys,jsonschema; "
                                     "jsonschema.validate(json.load(open(sys.argv[2])), "
                                     "json.load(open(sys.argv[1])))"),
                      schema, QStringLiteral("a.sarif")});
        QVERIFY(python.waitForFinished(60000));
        const QByteArray errors = python.readAllStandardError();
        if (errors.contains("No module named 'jsonschema'"))
            QSKIP("python3-jsonschema is not installed (scripts/setup.sh installs it).");
        QVERIFY2(python.exitCode() == 0, errors.constData());

        const auto result = [](const QByteArray &sarif, const char *rule) {
            for (const QJsonValue &value :
                 QJsonDocument::fromJson(sarif)["runs"][0]["results"].toArray())
                if (value["ruleId"] == QLatin1String(rule))
                    return value.toObject();
            return QJsonObject();
        };
        const QJsonObject old = result(before, "T1.1");
        const QJsonObject moved = result(after, "T1.1");
        QCOMPARE(old["locations"][0]["physicalLocation"]["region"]["startLine"].toInt(), 12);
        QCOMPARE(moved["locations"][0]["physicalLocation"]["region"]["startLine"].toInt(), 16);
        QCOMPARE(old["locations"][0]["physicalLocation"]["artifactLocation"]["uri"].toString(),
                 QStringLiteral("a.po"));
        QVERIFY(!old["partialFingerprints"].toObject().isEmpty());
        QCOMPARE(moved["partialFingerprints"], old["partialFingerprints"]);
    }

    // A gcc line writes the finding's message straight into UTF-8; a GitHub
    // line writes the same message made as a text ('%' escaped): both agree on
    // control characters, surrogates and the cut of a long text.
    void gccMessages()
    {
        resetOptions();
        Engine engine;
        QString lone;
        lone += QChar(0xD800);
        const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80");
        const QString texts[] = {
            QStringLiteral("tab\there\r\x01 and\x7f delete"),
            QString::fromUtf8("next line\xc2\x85 and \xc2\x9f \xc2\xa0 50%"),
            QStringLiteral("a lone ") + lone + QStringLiteral(" surrogate"),
            QString(296, QLatin1Char('x')) + emoji + emoji + QStringLiteral(" cut in a pair"),
            QString(297, QLatin1Char('y')) + emoji + QStringLiteral(" cut after a pair"),
        };
        for (const QString &text : texts)
            engine.check(QStringLiteral("Open"), text + QLatin1Char(' '));
        const auto output = [&engine](OutputFormat format) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            OutputOptions options;
            options.report = reportOptions(defaultOptions());
            FindingsWriter writer(format, &buffer, options);
            writer.writeRun(engine.store, QStringLiteral("a.ts"), 1);
            writer.finish();
            return buffer.data().split('\n');
        };
        const QList<QByteArray> gcc = output(OutputFormat::Gcc);
        const QList<QByteArray> github = output(OutputFormat::Github);
        QCOMPARE(gcc.size(), github.size());
        QVERIFY(gcc.size() > int(std::size(texts)));
        for (qsizetype i = 0; i + 1 < gcc.size(); ++i) {
            const QByteArray &line = gcc.at(i);
            const qsizetype start = line.indexOf(": ", line.indexOf(": ") + 2) + 2;
            const QByteArray message = line.mid(start, line.lastIndexOf(" [") - start);
            const QByteArray data = github.at(i).mid(github.at(i).indexOf("::", 2) + 2);
            QCOMPARE(message, QByteArray(data).replace("%25", "%"));
        }
    }

    // Findings of one check at one place come in the order of their texts,
    // whatever order they were found in.
    void tiesInTextOrder()
    {
        resetOptions();
        Engine engine;
        for (const char *text : {"Zeta ", "Alpha ", "Mu "})
            engine.check(QStringLiteral("Open"), QString::fromLatin1(text));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        OutputOptions options;
        options.report = reportOptions(defaultOptions());
        FindingsWriter writer(OutputFormat::Gcc, &buffer, options);
        writer.writeRun(engine.store, QStringLiteral("a.ts"), 1);
        writer.finish();
        QByteArrayList found;
        for (const QByteArray &line : buffer.data().split('\n'))
            if (line.endsWith(" [T4.2]"))
                found.append(line.mid(line.lastIndexOf("\\n") + 2));
        QCOMPARE(found, (QByteArrayList {"Alpha  [T4.2]", "Mu  [T4.2]", "Zeta  [T4.2]"}));
    }

    // The fingerprints' SHA-256 against Qt's, around the padding's block edges.
    void sha256_data()
    {
        QTest::addColumn<int>("size");
        for (const int size :
             {0, 1, 3, 55, 56, 57, 63, 64, 65, 119, 120, 127, 128, 129, 1000, 100003})
            QTest::addRow("%d bytes", size) << size;
    }
    void sha256()
    {
        QFETCH(int, size);
        QByteArray data(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            data[i] = char((i * 131 + size) ^ (i >> 3));
        const sha256::Digest digest = sha256::of(data);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(digest.data()), 32),
                 QCryptographicHash::hash(data, QCryptographicHash::Sha256));
    }
};

QTEST_GUILESS_MAIN(tst_FindingsWriter)
#include "tst_findingswriter.moc"
