// The .po and .ts readers: unescaping, what they hand to the checks, and what
// they report to check "0".

#include "checks/results.h"
#include "input/fileproblems.h"
#include "input/readers.h"
#include "readertest.h"
#include "report/findingswriter.h"
#include "report/report.h"
#include "run/options.h"
#include "run/parallel.h"

#include <QBuffer>
#include <QDirIterator>
#include <QStringEncoder>
#include <QtTest>

using namespace readertest;

class ReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpTestCase(); }
    void unescape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char *name, const char *text, const char *expected) {
            QTest::newRow(name) << QString(text) << QString(expected);
        };
        add("quote", "say \\\"hi\\\"", "say \"hi\"");
        add("line feed", "a\\nb", "a\nb");
        add("tab", "a\\tb", "a\tb");
        add("carriage return, bell, backspace", "\\r\\a\\b", "\r\a\b");
        add("form feed, vertical tab", "\\f\\v", "\f\v");
        add("double backslash", "Use \\\\n", "Use \\n");
        add("backslash before quote", "\\\\\\\"", "\\\"");
        add("octal", "\\101\\0617", "A17");
        add("hexadecimal", "\\x41\\x4a", "AJ");
        add("escaped UTF-8 bytes", "caf\\303\\251 \\xc3\\xa9", "caf\u00e9 \u00e9");
        add("unknown escape stays", "a\\qb", "a\\qb");
        add("backslash at the end stays", "a\\", "a\\");
    }
    void unescape()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(unescapePoString(text), expected);
    }

    void poProblems_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        const auto add
            = [](const char *name, const QByteArray &bytes, const QStringList &expected) {
                  QTest::newRow(name) << bytes << expected;
              };
        const QByteArray header = "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\n";
        add("entries", readFile(dataPath("po/entries.po")), {"Unknown flag 'python-format'. *"});
        add("no Plural-Forms", readFile(dataPath("po/noplurals.po")),
            {"Wrong number of plurals (-1 != 2)."});
        add("Qt contexts", readFile(dataPath("po/qtcontexts.po")),
            {"! index>1 *", "locationInLinguist.isEmpty() *", "locationInLinguist.isEmpty() *"});
        add("header only, no empty line", readFile(dataPath("po/header.po")), {});
        add("header fuzzy", "#, fuzzy\n" + header,
            {"Information: This .po file has not been translated earlier"});
        add("header flag", "#, c-format\n" + header, {"#, is not supported yet *"});
        add("header comment without space", "#comment\n" + header,
            {"Space after comment character # not found"});
        add("header unknown line", "junk\n" + header, {"'Unknown line *"});
        add("header msgctxt", "msgctxt \"x\"\n" + header, {"'msgctxt' found *"});
        add("unknown line", header + "junk\n", {"Unknown line. *"});
        add("unknown escape", header + "msgid \"a\\qb\"\nmsgstr \"x\\'y\"\n",
            {"Unknown escape sequence \\q.", "Unknown escape sequence \\'."});
        add("end quote", header + "msgid \"a\nmsgstr \"b\"\n",
            {"! line.back()==\"\"\" *", "wholeCurrentString.isEmpty() *"});
        add("start quote", header + "msgid a\"\nmsgstr \"b\"\n",
            {"! line.at(0)==(\"\\\"\") *", "wholeCurrentString.isEmpty() *"});
        add("context quotes", header + "msgctxt x\"\nmsgid \"a\"\nmsgstr \"b\"\n",
            {"! line.count(\"\\\"\")>1 *", "! line.at(0)==\"\\\"\" *",
             "wholeCurrentString.isEmpty() *", "locationInLinguist.isEmpty() *",
             "locationInLinguist.isEmpty() *"});
        add("translation start quote", header + "msgid \"a\"\nmsgstr b\"\n",
            {"! line.startsWith(\"\\\"\" *"});
        add("index bracket",
            header + "msgid \"a\"\nmsgid_plural \"as\"\nmsgstr[0] \"b\"\nmsgstr[1 \"c\"\n",
            {"! line.startsWith(\"]\") *", "Wrong number of plurals (-1 != 2)."});
        add("msgstr without msgid", header + "msgstr \"b\"\n",
            {"wholeCurrentString.isEmpty() *", "'msgidFound' not found *",
             "locationInLinguist.isEmpty() *", "'msgstrFound' found *",
             "!wholeCurrentString.isEmpty() *"});
        const QByteArray empty = "msgid \"\"\nmsgstr \"\"\n";
        add("nplurals not a number",
            empty + "\"Language: de\\n\"\n\"Plural-Forms: nplurals=x;\\n\"\n",
            {"'nplurals' is mot a number. *", "'nplurals' is 9 while 'maxNumerusTranslation' is 2. "
                                              "Looks like an incorrect .po file."});
        add("nplurals missing", empty + "\"Plural-Forms: plural=0;\\n\"\n",
            {"'nplurals' not found *"});
        add("unknown language", empty + "\"Language: xx\\n\"\n\"Plural-Forms: nplurals=2;\\n\"\n",
            {"Unknown rules for xx. Please contact Oskerbay.",
             "'nplurals' is 2 while 'maxNumerusTranslation' is 99. Language not supported?"});
        for (const char *charset : {"X-NONSENSE", "UTF-16"})
            add(charset,
                empty + "\"Language: de\\n\"\n\"Content-Type: text/plain; charset=" + charset
                    + "\\n\"\n",
                {QStringLiteral("The charset %1 is not supported. The file was read as UTF-8.")
                     .arg(charset)});
        add("repeated language field",
            empty
                + "\"Language: de\\n\"\n\"Language: fr\\n\"\n\"Language: it\\n\"\n\"Language: "
                  "de\\n\"\n",
            {"Reading multible files with different languages. (fr != de). File "
                 + m_dir.filePath("test.po") + ".",
             "Languarges are too different. Some checks will fail."});
    }
    void poProblems()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        results store;
        readPoFile(true, write(bytes), &store);
        QCOMPARE(problemSummaries(store), expected);
    }

    // With X-Qt-Contexts the context is the part of msgctxt before "|".
    void qtContexts()
    {
        results store;
        readPoFile(
            true,
            write("msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\"X-Qt-Contexts: true\\n\"\n\n"
                  "msgctxt \"Dialog|OK button\"\nmsgid \"OK\"\nmsgstr \"\"\n"),
            &store);
        QCOMPARE(store.findings(CheckT1_1).values(QStringLiteral("OK")), QStringList {"Dialog"});
    }

    // A file without a header loses none of its entries; the missing header is
    // reported at the first entry's message id.
    void withoutHeader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::newRow("id on its line") << QByteArray(
            "#: a.c:1\nmsgid \"One\"\nmsgstr \"Eins\"\n\nmsgid \"Two\"\nmsgstr \"\"\n")
                                        << 2;
        QTest::newRow("id on continuation lines, with a context")
            << QByteArray("msgctxt \"c\"\nmsgid \"\"\n\"One\"\nmsgstr \"Eins\"\n\nmsgid \"Two\"\n"
                          "msgstr \"\"")
            << 2;
    }
    void withoutHeader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        results store;
        readPoFile(true, write(bytes), &store);
        QCOMPARE(store.sourceCount, 2);
        QVERIFY(store.sourceTexts.contains("One") && store.translationTexts.contains("Eins"));
        QCOMPARE(store.findings(CheckT1_1).size(), 1);
        QCOMPARE(store.items(Check_0).value(0),
                 QStringLiteral("The file has no header: its first entry has a message id. The "
                                "entry is checked as a message.\nLine %1 in %2")
                     .arg(line)
                     .arg(m_dir.filePath("test.po")));
    }

    void entries()
    {
        results store;
        readPoFile(true, dataPath(QStringLiteral("po/entries.po")), &store);
        QCOMPARE((QList<int> {store.sourceCount, store.translationCount, store.unfinishedCount}),
                 (QList<int> {6, 4, 1}));
        // Continuation lines joined; the escapes translated as gettext does.
        QVERIFY(store.sourceTexts.contains("Hello \"world\"\ntab\t"));
        // A plural entry hands over msgstr[1] against msgid_plural only.
        QVERIFY(store.sourceTexts.contains("%d files") && !store.sourceTexts.contains("%d file"));
        QVERIFY(store.translationTexts.contains("%d Dateien")
                && !store.translationTexts.contains("%d Datei"));
        QVERIFY(!store.sourceTexts.contains("obsolete"));
        QVERIFY(store.sourceTexts.contains("last")); // no empty line behind it
    }

    // CRLF and a byte order mark, Latin-1 by its charset, invalid UTF-8 with its line.
    void decoding()
    {
        results store;
        readPoFile(true, dataPath(QStringLiteral("po/crlfbom.po")), &store);
        QCOMPARE(store.catalogueLanguage, QStringLiteral("de"));
        QCOMPARE(store.translationTexts.values(), (QStringList {"eins", "zwei"}));
        readPoFile(true, dataPath(QStringLiteral("po/latin1.po")), &store);
        QCOMPARE(store.translationTexts.values(), QStringList {QStringLiteral("Schließen")});
        QCOMPARE(store.items(Check_0), QStringList());

        const QString invalid = dataPath(QStringLiteral("po/invalidutf8.po"));
        readPoFile(true, invalid, &store);
        QCOMPARE(store.items(Check_0),
                 QStringList {"Invalid characters for the encoding UTF-8 found. They are "
                              "replaced.\nLine 6 in "
                              + invalid});
        QCOMPARE(store.translationTexts.values(),
                 (QStringList {QStringLiteral("b\uFFFDse"), "gut"}));
    }

    void charsets_data()
    {
        QTest::addColumn<QByteArray>("charset");
        QTest::addColumn<QByteArray>("translation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("windows-1251")
            << QByteArray("windows-1251") << QByteArray("\xcf\xf0\xe8\xe2\xe5\xf2") << u"Привет"_qs;
        QTest::newRow("KOI8-R") << QByteArray("KOI8-R") << QByteArray("\xf0\xd2\xc9\xd7\xc5\xd4")
                                << u"Привет"_qs;
        QTest::newRow("ISO-8859-2") << QByteArray("ISO-8859-2")
                                    << QByteArray("\xb3\xf3"
                                                  "d\xbc")
                                    << u"łódź"_qs;
    }

    // Charsets other than UTF-8 are read where the platform can decode them.
    void charsets()
    {
        QFETCH(QByteArray, charset);
        QFETCH(QByteArray, translation);
        QFETCH(QString, expected);
        results store;
        readPoFile(
            true,
            write(
                "msgid \"\"\nmsgstr \"\"\n\"Language: ru\\n\"\n\"Content-Type: text/plain; charset="
                + charset + "\\n\"\n\nmsgid \"Hello\"\nmsgstr \"" + translation + "\"\n"),
            &store);
        QCOMPARE(problemSummaries(store), QStringList());
        QCOMPARE(store.translationTexts.values(), QStringList {expected});
    }

    void problemCap()
    {
        results store;
        const QString path = write("msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\n"
                                   + QByteArray("junk\n").repeated(5000));
        readPoFile(true, path, &store);
        QCOMPARE(store.items(Check_0).size(), FileProblems::MaximumItems + 1);
        QCOMPARE(store.items(Check_0).last(), "Too many problems in " + path
                                                  + ". Further problems of this file are not "
                                                    "reported.");
    }

    // Input no reader should choke on: the first problems it reports ("..." when
    // more may follow) and how many sources it reads.
    void badInput_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("sources");
        const QByteArray header = "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\n";
        QTest::newRow("po binary junk")
            << "test.po" << randomBytes(7)
            << QStringList {"Invalid characters for the encoding UTF-8 found. They are replaced.",
                            "..."}
            << 0;
        QTest::newRow("po large single line")
            << "test.po"
            << header + "msgid \"" + QByteArray(5 * 1024 * 1024, 'a') + "\"\nmsgstr \"b\"\n"
            << QStringList() << 1;
        QTest::newRow("po large line without quotes")
            << "test.po" << header + QByteArray(5 * 1024 * 1024, 'a')
            << QStringList {"Unknown line. *", "..."} << 0;
        const char nul[] = "msgid \"a\"\nmsgstr \"b\0c\"\n";
        QTest::newRow("po NUL bytes")
            << "test.po" << header + QByteArray(nul, sizeof nul - 1)
            << QStringList {"NUL characters found. They are replaced.", "..."} << 1;
        QTest::newRow("po 10,000 continuation lines")
            << "test.po"
            << header + "msgid \"a\"\n" + QByteArray("\"b \"\n").repeated(10000) + "msgstr \"c\"\n"
            << QStringList() << 1;
        QByteArray forms;
        for (int form = 0; form < 1000; ++form)
            forms += "msgstr[" + QByteArray::number(form) + "] \"%n x\"\n";
        QTest::newRow("po 1,000 numerus forms")
            << "test.po"
            << header.chopped(1) + "\"Plural-Forms: nplurals=2; plural=(n != 1);\\n\"\n\n"
                   + "msgid \"%n a\"\nmsgid_plural \"%n as\"\n" + forms
            << QStringList {"Wrong number of plurals (2 != 1000).", "..."} << 1;
        QStringEncoder utf16(QStringConverter::Utf16LE);
        const QByteArray wide = utf16(QString::fromLatin1(header));
        QTest::newRow("po UTF-16 with byte order mark")
            << "test.po" << QByteArray("\xff\xfe") + wide
            << QStringList {"The charset UTF-16LE is not supported. The file was read as UTF-8.",
                            "..."}
            << 0;
        const QByteArray head = "<TS language=\"de\"><context><name>c</name>";
        const QByteArray tail = "</context></TS>";
        const QStringList error {"Error while reading the file. *"};
        QTest::newRow("ts binary junk") << "bad.ts" << randomBytes(5) << error << 0;
        QTest::newRow("ts large single line")
            << "bad.ts"
            << head + "<message><source>" + QByteArray(5 * 1024 * 1024, 'a')
                   + "</source><translation>b</translation></message>" + tail
            << QStringList() << 1;
        QTest::newRow("ts deep nesting") << "bad.ts"
                                         << head + QByteArray("<a>").repeated(100000)
                                                + QByteArray("</a>").repeated(100000) + tail
                                         << QStringList {"Unknown tag a. *"} << 0;
        QByteArray bomb = "<!DOCTYPE TS [<!ENTITY a \"aaaaaaaaaaaaaaaa\">";
        for (char level = 'b'; level <= 'j'; ++level)
            bomb += QByteArray("<!ENTITY ") + level + " \""
                    + QByteArray("&").append(char(level - 1)).append(';').repeated(16) + "\">";
        bomb += "]>" + head + "<message><source>&j;</source><translation>x</translation></message>"
                + tail;
        QTest::newRow("ts entity expansion") << "bad.ts" << bomb << error << 0;
        const char nulMessage[]
            = "<message><source>a\0b</source><translation>c</translation></message>";
        QTest::newRow("ts NUL byte")
            << "bad.ts" << head + QByteArray(nulMessage, sizeof nulMessage - 1) + tail << error
            << 0;
        QTest::newRow("ts 1,000 numerus forms")
            << "bad.ts"
            << head + "<message numerus=\"yes\"><source>%n file(s)</source><translation>"
                   + QByteArray("<numerusform>%n Dateien</numerusform>").repeated(1000)
                   + "</translation></message>" + tail
            << QStringList {"Wrong number of plurals (2 != 1000)."} << 2;
        const QByteArray wideTs = utf16(QString::fromLatin1(
            head + "<message><source>a</source><translation>b</translation></message>" + tail));
        QTest::newRow("ts UTF-16 with byte order mark")
            << "bad.ts" << QByteArray("\xff\xfe") + wideTs << QStringList() << 1;
    }
    void badInput()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(int, sources);
        const QString path = writeFile(m_dir.filePath(file), bytes);
        results store;
        const bool po = file.endsWith(QLatin1String(".po"));
        QCOMPARE(po ? readPoFile(true, path, &store) : readTsFile(true, path, &store), QString());
        const QStringList problems = problemSummaries(store);
        if (expected.endsWith(QStringLiteral("...")))
            QCOMPARE(problems.mid(0, expected.size() - 1), expected.mid(0, expected.size() - 1));
        else
            QCOMPARE(problems, expected);
        QCOMPARE(store.sourceCount, sources);
    }

    void tsProblems_data()
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
    void tsProblems()
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
        const TextSet &texts = store.translationTexts;
        QVERIFY(texts.contains("erste Variante") && !texts.contains("zweite Variante"));
        QVERIFY(texts.contains("noch eine Variante") && texts.contains("alter Typ"));
        QVERIFY(texts.contains("zweite") && texts.contains("noch eine") && !texts.contains("weg"));
        QVERIFY(!store.sourceTexts.contains("no translation element"));
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

    // A file whose messages are checked on other threads, in batches of a few
    // calls, leaves the store as a read on one thread: the report, the JSON of
    // the findings with their messages, and the standard error lines in order.
    void batchesOnThreads_data()
    {
        QTest::addColumn<QString>("path");
        QDirIterator files(
            QStringLiteral(KVN_TEST_DATA),
            {QStringLiteral("*.ts"), QStringLiteral("*.po"), QStringLiteral("*.pot")}, QDir::Files,
            QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QTest::newRow(qPrintable(QDir(QStringLiteral(KVN_TEST_DATA)).relativeFilePath(path)))
                << path;
        }
    }
    void batchesOnThreads()
    {
        QFETCH(QString, path);
        AppSettingsRecord options = defaultOptions();
        QString error;
        QVERIFY2(
            overlayIniFile(options, QStringLiteral(KVN_SOURCE_DIR "/bench/all-checks.ini"), error),
            qPrintable(error));
        QByteArray outputs[2];
        QStringList logs[2];
        static QStringList *capture = nullptr;
        for (int run = 0; run < 2; ++run) {
            capture = &logs[run];
            const QtMessageHandler previous = qInstallMessageHandler(
                [](QtMsgType type, const QMessageLogContext &, const QString &text) {
                    capture->append(QString::number(int(type)) + QLatin1Char(' ') + text);
                });
            results store(options);
            store.reuseSourceOutcomes = true;
            const QString problem = run == 0 ? readFileInParallel(path, 1, &store)
                                             : readFileInParallel(path, 3, &store, 3);
            store.runCatalogueChecks();
            qInstallMessageHandler(previous);
            QBuffer buffer(&outputs[run]);
            buffer.open(QIODevice::WriteOnly);
            OutputOptions outputOptions;
            outputOptions.report = reportOptions(options);
            FindingsWriter writer(OutputFormat::Json, &buffer, outputOptions);
            writer.writeRun(store, path, 1);
            writer.finish();
            outputs[run]
                += problem.toUtf8()
                   + logReport(store, QString(), reportSummary(store, path, 1), true).toUtf8();
        }

        QCOMPARE(logs[1], logs[0]);
        QVERIFY2(outputs[1] == outputs[0], "the batches on threads report otherwise");
    }

private:
    QString write(const QByteArray &bytes)
    {
        return writeFile(m_dir.filePath(QStringLiteral("test.po")), bytes);
    }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(ReaderTest)
#include "tst_readers.moc"
