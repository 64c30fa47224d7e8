// The .ts reader: what it hands to the checks, and what it reports to check "0".

#include "checks/results.h"
#include "input/readers.h"
#include "readertest.h"

#include <QStringEncoder>
#include <QtTest>

using namespace readertest;

class TsReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpTestCase(); }
    void problems_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("firstLine");
        QTest::addColumn<QList<int>>("counts");
        const QStringList error {"Error while reading the file. *"};
        const QString line = "Missing or invalid 'line' attribute. *";
        const auto add = [](const char *name, const char *file, const QStringList &expected,
                            int firstLine, const QList<int> &counts) {
            QTest::newRow(name) << file << expected << firstLine << counts;
        };
        add("crlfbom.ts", "crlfbom.ts", {}, 0, {1, 1, 0, 0});
        add("messages.ts", "messages.ts",
            {line, line, "Second 'source' found. *", "Second 'translation' found. *",
             "Unknown tag bogus. *",
             "There are length variants in this file. Import not complete, since this feature is "
             "not included yet. *"},
            10, {10, 8, 1, 1});
        add("child in a text element", "malformed.ts", error, 10, {1, 1, 0, 0});
        add("truncated", "truncated.ts", error, 11, {});
        add("nested TS", "nested.ts", {"Second 'TS' found. *"}, 3, {2, 2, 0, 0});
        const QString nots = dataPath("ts/nots.ts");
        add("context without TS", "nots.ts",
            {"Missing language in file " + nots + ". Set to '---KVN UNKNOWN---'.",
             "Some checks will fail, because the language in unknown in " + nots + "."},
            -1, {});
        add("numerus", "numerus.ts", {"Unknown tag lengthvariant. *"}, 52, {9, 10, 0, 2});
    }
    void problems()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        QFETCH(int, firstLine);
        QFETCH(QList<int>, counts);
        results store;
        QCOMPARE(readTsFile(true, dataPath("ts/" + file), &store), QString());
        QCOMPARE(problemSummaries(store), expected);
        if (firstLine > 0)
            QCOMPARE(store.items(Check_0).first().section('\n', 1, 1),
                     QStringLiteral("Line %1 in %2").arg(firstLine).arg(dataPath("ts/" + file)));
        if (!counts.isEmpty())
            QCOMPARE((QList<int> {store.sourceCount, store.translationCount, store.unfinishedCount,
                                  store.vanishedCount}),
                     counts);
    }

    void numerusSources_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("checked");
        QTest::newRow("as read, when derived") << "%n file(s) found" << false;
        QTest::newRow("as read, without %n") << "Deleted (some) items" << true;
        QTest::newRow("empty form: as read") << "%n a(b)" << true;
        QTest::newRow("no singular after an empty form") << "%n a" << false;
        QTest::newRow("plural after an empty form") << "%n ab" << true;
    }
    void numerusSources()
    {
        QFETCH(QString, source);
        QFETCH(bool, checked);
        results store;
        readTsFile(true, dataPath(QStringLiteral("ts/numerus.ts")), &store);
        QCOMPARE(store.sourceTexts.contains(source), checked);
    }

    void numerusWarnings_data()
    {
        const QString noSource = "Numerus in the source not found, even the message is a numerus. "
                                 "Line 18\n";
        const QString noTranslation = "Numerus in translation not found, even the message is a "
                                      "numerus.\n";
        QTest::addColumn<int>("check");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("S0 once per form and location")
            << int(CheckS0) << noSource + "\nDeleted (some) items"
            << QStringList {"files.cpp   Line: 2", "files.cpp   Line: 2"};
        QTest::newRow("S0 braces")
            << int(CheckS0)
            << "Location of the numerus in the source unclear, since there is not exact one "
               "opening brace. Line 50\nLocation of the numerus in the source unclear, since "
               "there is not exact one closing brace. Line 50\n\n%n (a) (b)"
            << QStringList {"files.cpp   Line: 6"};
        QTest::newRow("T0 grows over the forms")
            << int(CheckT0) << noTranslation + noTranslation + "\n%n items\nz"
            << QStringList {"Numerus"};
        QTest::newRow("T0 later form with %n carries it")
            << int(CheckT0) << noTranslation + "\nDeleted (some) items\nmany %n"
            << QStringList {"Numerus"};
    }
    void numerusWarnings()
    {
        QFETCH(int, check);
        QFETCH(QString, key);
        QFETCH(QStringList, values);
        results store;
        readTsFile(true, dataPath(QStringLiteral("ts/numerus.ts")), &store);
        QCOMPARE(store.findings(check).values(key), values);
    }

    void messageParts()
    {
        results store;
        readTsFile(true, dataPath(QStringLiteral("ts/messages.ts")), &store);
        const QString emptySource = store.findings(CheckS1_1).entries().firstKey();
        // Duplicate locations once, a signed line number, newest first.
        QCOMPARE(store.findings(CheckS1_1).values(emptySource),
                 (QStringList {"b.cpp   Line: 2", "a.cpp   Line: 1"}));
        QCOMPARE(store.findings(CheckT1_1).values(QStringLiteral("empty translation")),
                 QStringList {"Second"});
        const QSet<QString> &texts = store.translationTexts;
        QVERIFY(texts.contains("erste Variante") && !texts.contains("zweite Variante"));
        QVERIFY(texts.contains("noch eine Variante") && texts.contains("alter Typ"));
        QVERIFY(texts.contains("zweite") && texts.contains("noch eine") && !texts.contains("weg"));
        QVERIFY(!store.sourceTexts.contains("no translation element"));
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("sources");
        const QByteArray head = "<TS language=\"de\"><context><name>c</name>";
        const QByteArray tail = "</context></TS>";
        const QStringList error {"Error while reading the file. *"};
        QTest::newRow("binary junk") << randomBytes(5) << error << 0;
        QTest::newRow("large single line")
            << head + "<message><source>" + QByteArray(5 * 1024 * 1024, 'a')
                   + "</source><translation>b</translation></message>" + tail
            << QStringList() << 1;
        QTest::newRow("deep nesting") << head + QByteArray("<a>").repeated(100000)
                                             + QByteArray("</a>").repeated(100000) + tail
                                      << QStringList {"Unknown tag a. *"} << 0;
        QByteArray bomb = "<!DOCTYPE TS [<!ENTITY a \"aaaaaaaaaaaaaaaa\">";
        for (char level = 'b'; level <= 'j'; ++level)
            bomb += QByteArray("<!ENTITY ") + level + " \""
                    + QByteArray("&").append(char(level - 1)).append(';').repeated(16) + "\">";
        bomb += "]>" + head + "<message><source>&j;</source><translation>x</translation></message>"
                + tail;
        QTest::newRow("entity expansion") << bomb << error << 0;
        const char nul[] = "<message><source>a\0b</source><translation>c</translation></message>";
        QTest::newRow("NUL byte") << head + QByteArray(nul, sizeof nul - 1) + tail << error << 0;
        QTest::newRow("1,000 numerus forms")
            << head + "<message numerus=\"yes\"><source>%n file(s)</source><translation>"
                   + QByteArray("<numerusform>%n Dateien</numerusform>").repeated(1000)
                   + "</translation></message>" + tail
            << QStringList {"Wrong number of plurals (2 != 1000)."} << 2;
        QStringEncoder utf16(QStringConverter::Utf16LE);
        const QByteArray wide = utf16(QString::fromLatin1(
            head + "<message><source>a</source><translation>b</translation></message>" + tail));
        QTest::newRow("UTF-16 with byte order mark")
            << QByteArray("\xff\xfe") + wide << QStringList() << 1;
    }
    void badInput()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(int, sources);
        const QString path = writeFile(m_dir.filePath(QStringLiteral("bad.ts")), bytes);
        results store;
        QCOMPARE(readTsFile(true, path, &store), QString());
        QCOMPARE(problemSummaries(store), expected);
        QCOMPARE(store.sourceCount, sources);
    }

    void invalidUtf8Line()
    {
        const QString path = writeFile(m_dir.filePath(QStringLiteral("bad.ts")),
                                       "<TS language=\"de\">\n<context>\n<name>\xff</name>\n");
        results store;
        readTsFile(true, path, &store);
        QCOMPARE(store.items(Check_0), QStringList {"Error while reading the file.\nLine 3 in "
                                                    + path + '\n' + reportRequest()});
    }

    // A later file of a run in another language keeps the first file's rules: its
    // forms are not measured against them.
    void formsOfALaterLanguage()
    {
        const QByteArray message
            = "<context><name>c</name><message numerus=\"yes\"><source>%n file(s)"
              "</source><translation><numerusform>%n a</numerusform><numerusform>"
              "%n b</numerusform></translation></message></context></TS>";
        results store;
        readTsFile(true, writeFile(m_dir.filePath(QStringLiteral("ja.ts")), "<TS language=\"ja\">"),
                   &store);
        readTsFile(
            false,
            writeFile(m_dir.filePath(QStringLiteral("de.ts")), "<TS language=\"de\">" + message),
            &store);
        QVERIFY(
            !problemSummaries(store).contains(QStringLiteral("Wrong number of plurals (1 != 2).")));
        readTsFile(
            false,
            writeFile(m_dir.filePath(QStringLiteral("ja2.ts")), "<TS language=\"ja\">" + message),
            &store);
        QVERIFY(
            problemSummaries(store).contains(QStringLiteral("Wrong number of plurals (1 != 2).")));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TsReaderTest)
#include "tst_tsreader.moc"
