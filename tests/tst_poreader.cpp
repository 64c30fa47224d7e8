// The .po reader: unescaping, what it hands to the checks, and its reports.

#include "checks/results.h"
#include "input/fileproblems.h"
#include "input/readers.h"
#include "readertest.h"

#include <QStringEncoder>
#include <QtTest>

using namespace readertest;

// The bytes of a fixture, read as a file named test.po.
static QByteArray fixture(const char *name)
{
    QFile file(dataPath(QStringLiteral("po/") + QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PoReaderTest : public QObject
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

    void problems_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        const auto add
            = [](const char *name, const QByteArray &bytes, const QStringList &expected) {
                  QTest::newRow(name) << bytes << expected;
              };
        const QByteArray header = "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\n";
        add("entries", fixture("entries.po"), {"Unknown flag 'python-format'. *"});
        add("no Plural-Forms", fixture("noplurals.po"), {"Wrong number of plurals (-1 != 2)."});
        add("Qt contexts", fixture("qtcontexts.po"),
            {"! index>1 *", "locationInLinguist.isEmpty() *", "locationInLinguist.isEmpty() *"});
        add("header only, no empty line", fixture("header.po"), {});
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
    void problems()
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
        QCOMPARE(store.translationTexts, (QSet<QString> {"eins", "zwei"}));
        readPoFile(true, dataPath(QStringLiteral("po/latin1.po")), &store);
        QCOMPARE(store.translationTexts, QSet<QString> {QStringLiteral("Schließen")});
        QCOMPARE(store.items(Check_0), QStringList());

        const QString invalid = dataPath(QStringLiteral("po/invalidutf8.po"));
        readPoFile(true, invalid, &store);
        QCOMPARE(store.items(Check_0),
                 QStringList {"Invalid characters for the encoding UTF-8 found. They are "
                              "replaced.\nLine 6 in "
                              + invalid});
        QCOMPARE(store.translationTexts, (QSet<QString> {QStringLiteral("b\uFFFDse"), "gut"}));
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
        QCOMPARE(store.translationTexts, QSet<QString> {expected});
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("firstProblem");
        QTest::addColumn<int>("sources");
        const QByteArray header = "msgid \"\"\nmsgstr \"\"\n\"Language: de\\n\"\n\n";
        QTest::newRow("binary junk")
            << randomBytes(7)
            << "Invalid characters for the encoding UTF-8 found. They are replaced." << 0;
        QTest::newRow("large single line")
            << header + "msgid \"" + QByteArray(5 * 1024 * 1024, 'a') + "\"\nmsgstr \"b\"\n"
            << QString() << 1;
        QTest::newRow("large line without quotes")
            << header + QByteArray(5 * 1024 * 1024, 'a') << "Unknown line. *" << 0;
        const char nul[] = "msgid \"a\"\nmsgstr \"b\0c\"\n";
        QTest::newRow("NUL bytes") << header + QByteArray(nul, sizeof nul - 1)
                                   << "NUL characters found. They are replaced." << 1;
        QTest::newRow("10,000 continuation lines")
            << header + "msgid \"a\"\n" + QByteArray("\"b \"\n").repeated(10000) + "msgstr \"c\"\n"
            << QString() << 1;
        QByteArray forms;
        for (int form = 0; form < 1000; ++form)
            forms += "msgstr[" + QByteArray::number(form) + "] \"%n x\"\n";
        QTest::newRow("1,000 numerus forms")
            << header.chopped(1) + "\"Plural-Forms: nplurals=2; plural=(n != 1);\\n\"\n\n"
                   + "msgid \"%n a\"\nmsgid_plural \"%n as\"\n" + forms
            << "Wrong number of plurals (2 != 1000)." << 1;
        QStringEncoder utf16(QStringConverter::Utf16LE);
        const QByteArray wide = utf16(QString::fromLatin1(header));
        QTest::newRow("UTF-16 with byte order mark")
            << QByteArray("\xff\xfe") + wide
            << "The charset UTF-16LE is not supported. The file was read as UTF-8." << 0;
    }
    void badInput()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, firstProblem);
        QFETCH(int, sources);
        results store;
        QCOMPARE(readPoFile(true, write(bytes), &store), QString());
        QCOMPARE(problemSummaries(store).value(0), firstProblem);
        QCOMPARE(store.sourceCount, sources);
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

private:
    QString write(const QByteArray &bytes)
    {
        return writeFile(m_dir.filePath(QStringLiteral("test.po")), bytes);
    }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(PoReaderTest)
#include "tst_poreader.moc"
