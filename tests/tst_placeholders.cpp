// Group ST22 driven through checkMessage and the readers: printf conversions,
// brace placeholders, entities, plural forms, copies and GTK accelerators.

#include "enginefixture.h"
#include "readertest.h"
#include "input/readers.h"

class TestPlaceholders : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetOptions(); }

    // A message of a .po file (formatFlag as the reader sets it) or of a .ts
    // file; found: whether the check records a finding.
    void findings_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("po");
        QTest::addColumn<int>("formatFlag");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("check");
        QTest::addColumn<bool>("found");
        const auto po = [](const char *name, const char *language, int flag, const QString &source,
                           const QString &translation, int check, bool found) {
            QTest::newRow(name) << QString(language) << true << flag << source << translation
                                << check << found;
        };
        const auto ts = [](const char *name, const char *language, const QString &source,
                           const QString &translation, int check, bool found) {
            QTest::newRow(name) << QString(language) << false << 0 << source << translation << check
                                << found;
        };
        // ST22.1
        po("type changed, c-format", "de", 1, "Printed %d pages", "%s Seiten gedruckt", CheckST22_1,
           true);
        po("type changed, no flag", "ja", 0, "%d songs imported", "%s 曲をインポートしました",
           CheckST22_1, true);
        po("count changed", "ru", 0, "%s of %s", "%s", CheckST22_1, true);
        po("same types, other letters", "de", 1, "%i of %x", "%d von %X", CheckST22_1, false);
        po("positions reordered", "ja", 1, "%s in %s", "%2$s の %1$s", CheckST22_1, false);
        po("positions swap types", "de", 1, "%s: %d", "%2$s: %1$d", CheckST22_1, true);
        po("width and precision", "de", 1, "%5.2f%%", "%5.2f %%", CheckST22_1, false);
        po("star width takes an argument", "de", 1, "%*d", "%d", CheckST22_1, true);
        po("length modifier", "ru", 1, "%ld bytes", "%d байт", CheckST22_1, true);
        po("percent literal kept", "ja", 1, "Battery: %d%%", "バッテリー: %d%%", CheckST22_1,
           false);
        po("percent literal lost", "de", 1, "%d%% done", "%d% fertig", CheckST22_1, true);
        po("no conversion without the flag", "de", 0, "50% off", "50 % Rabatt", CheckST22_1, false);
        po("other format flag", "de", -1, "%1 of %2", "%2 von %1 %s", CheckST22_1, false);
        ts("Qt arguments are not printf", "de", "%1 of %n", "%n von %1", CheckST22_1, false);
        ts("Qt localized argument", "de", "%L1 files", "%L1 Dateien", CheckST22_1, false);
        // ST22.2
        po("brace renamed", "de", 0, "Last backup: {date}", "Letzte Sicherung: {datum}",
           CheckST22_2, true);
        po("brace lost", "ru", 0, "Synced {count} files", "Файлы синхронизированы", CheckST22_2,
           true);
        po("brace reordered", "de", 0, "{sender} wrote to {group}", "{group}: {sender} schrieb",
           CheckST22_2, false);
        po("brace format kept", "ja", 0, "{0:.1f} MB", "{0} MB", CheckST22_2, false);
        po("escaped braces", "de", 0, "{{literal}}", "{{wörtlich}}", CheckST22_2, false);
        // ST22.3
        ts("entity broken", "de", "Use &quot;Export&quot; to save", "&quot;Export&quot verwenden",
           CheckST22_3, true);
        ts("numeric entity broken", "el", "<b>A&#x41;</b>", "<b>Α&#x;</b>", CheckST22_3, true);
        ts("entities well formed", "de", "<b>Save &amp; close</b>",
           "<b>Sichern &amp; schließen</b>", CheckST22_3, false);
        ts("accelerator in a markup text", "de", "<b>&File</b>", "<b>&Datei</b>", CheckST22_3,
           false);
        ts("no markup", "de", "Tom &quot Jerry", "Tom &quot Jerry", CheckST22_3, false);
        // ST22.5
        po("copy of a long source", "de", 0, "Empty the trash", "Empty the trash", CheckST22_5,
           true);
        ts("copy in Japanese", "ja", "Hide sidebar", "Hide sidebar", CheckST22_5, true);
        ts("one word stays", "de", "Name", "Name", CheckST22_5, false);
        ts("placeholders only", "tr", "%1: %2", "%1: %2", CheckST22_5, false);
        ts("English variant", "en_GB", "Open the file", "Open the file", CheckST22_5, false);
        // ST22.6
        po("gtk accelerator lost", "de", 0, "_Print Preview", "Druckvorschau", CheckST22_6, true);
        po("gtk suffix", "ja", 0, "_Undo", "元に戻す(_U)", CheckST22_6, false);
        po("gtk on another letter", "de", 0, "Sh_are", "_Teilen", CheckST22_6, false);
        po("identifier", "es", 0, "file_name and dir_name", "nombre", CheckST22_6, false);
        ts("not in .ts files", "de", "_Print", "Drucken", CheckST22_6, false);
    }
    void findings()
    {
        QFETCH(QString, language);
        QFETCH(bool, po);
        QFETCH(int, formatFlag);
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(int, check);
        QFETCH(bool, found);
        Engine engine(language);
        engine.store.poFile = po;
        engine.store.formatFlag = formatFlag;
        engine.check(source, translation, 1);
        QCOMPARE(engine.count(check) > 0, found);
    }

    void allowList()
    {
        setOptions({"checkST22_5LineEdit=Qt, Creator"});
        Engine engine(QStringLiteral("de"));
        engine.check(QStringLiteral("Qt Creator"), QStringLiteral("Qt Creator"));
        engine.check(QStringLiteral("Qt Creator help"), QStringLiteral("Qt Creator help"));
        QCOMPARE(engine.count(CheckST22_5), 0);
        engine.check(QStringLiteral("About Qt Creator"), QStringLiteral("About Qt Creator"));
        QCOMPARE(engine.count(CheckST22_5), 0);
        engine.check(QStringLiteral("About the Creator"), QStringLiteral("About the Creator"));
        QCOMPARE(engine.count(CheckST22_5), 1);
    }

    // The readers count the plural forms against the header and the language.
    void pluralForms_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("findings");
        const QByteArray header = "msgid \"\"\nmsgstr \"\"\n\"Language: ru\\n\"\n"
                                  "\"Plural-Forms: nplurals=3; plural=n%10==1 ? 0 : 1;\\n\"\n\n";
        const QByteArray entry = "msgid \"%d file\"\nmsgid_plural \"%d files\"\n";
        QTest::newRow("po complete")
            << "test.po"
            << header + entry
                   + "msgstr[0] \"%d файл\"\nmsgstr[1] \"%d файла\"\nmsgstr[2] \"%d файлов\"\n"
            << 0;
        QTest::newRow("po form missing")
            << "test.po" << header + entry + "msgstr[0] \"%d файл\"\nmsgstr[1] \"%d файла\"\n"
            << 1;
        QTest::newRow("po fuzzy form missing")
            << "test.po"
            << header + "#, fuzzy\n" + entry + "msgstr[0] \"%d файл\"\nmsgstr[1] \"%d файла\"\n"
            << 0;
        const QByteArray ts = "<TS version=\"2.1\" language=\"cs\"><context><name>C</name><message "
                              "numerus=\"yes\"><source>%n page(s) printed</source><translation>";
        QTest::newRow("ts form missing")
            << "test.ts"
            << ts
                   + "<numerusform>%n stránka</numerusform><numerusform>%n stránky</numerusform>"
                     "</translation></message></context></TS>"
            << 1;
        QTest::newRow("ts complete")
            << "test.ts"
            << ts
                   + "<numerusform>%n stránka</numerusform><numerusform>%n stránky</numerusform>"
                     "<numerusform>%n stránek</numerusform></translation></message></context></TS>"
            << 0;
    }
    void pluralForms()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, findings);
        QTemporaryDir dir;
        const QString path = readertest::writeFile(dir.filePath(name), bytes);
        results store;
        if (name.endsWith(QLatin1String(".po")))
            readPoFile(true, path, &store);
        else
            readTsFile(true, path, &store);
        QCOMPARE(store.findings(CheckST22_4).size(), findings);
    }
};

QTEST_GUILESS_MAIN(TestPlaceholders)
#include "tst_placeholders.moc"
