// Group ST22 driven through checkMessage and the readers: printf conversions,
// brace placeholders, entities, plural forms, copies and GTK accelerators.

#include "enginefixture.h"
#include "input/readers.h"
#include "readertest.h"

class TestPlaceholders : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetOptions(); }

    void findings_data()
    {
        MessageRows add;
        // ST22.1
        add("type changed, c-format", "de.po c-format", "Printed %d pages", "%s Seiten gedruckt",
            CheckST22_1, "+");
        add("type changed, no flag", "ja.po", "%d songs imported", "%s 曲をインポートしました",
            CheckST22_1, "+");
        add("count changed", "ru.po", "%s of %s", "%s", CheckST22_1, "+");
        add("same types, other letters", "de.po c-format", "%i of %x", "%d von %X", CheckST22_1,
            "-");
        add("positions reordered", "ja.po c-format", "%s in %s", "%2$s の %1$s", CheckST22_1, "-");
        add("positions swap types", "de.po c-format", "%s: %d", "%2$s: %1$d", CheckST22_1, "+");
        add("width and precision", "de.po c-format", "%5.2f%%", "%5.2f %%", CheckST22_1, "-");
        add("star width takes an argument", "de.po c-format", "%*d", "%d", CheckST22_1, "+");
        add("length modifier", "ru.po c-format", "%ld bytes", "%d байт", CheckST22_1, "+");
        add("percent literal kept", "ja.po c-format", "Battery: %d%%", "バッテリー: %d%%",
            CheckST22_1, "-");
        add("percent literal lost", "de.po c-format", "%d%% done", "%d% fertig", CheckST22_1, "+");
        add("no conversion without the flag", "de.po", "50% off", "50 % Rabatt", CheckST22_1, "-");
        add("other format flag", "de.po qt-format", "%1 of %2", "%2 von %1 %s", CheckST22_1, "-");
        add("Qt arguments are not printf", "de", "%1 of %n", "%n von %1", CheckST22_1, "-");
        add("Qt localized argument", "de", "%L1 files", "%L1 Dateien", CheckST22_1, "-");
        // ST22.2
        add("brace renamed", "de.po", "Last backup: {date}", "Letzte Sicherung: {datum}",
            CheckST22_2, "+");
        add("brace lost", "ru.po", "Synced {count} files", "Файлы синхронизированы", CheckST22_2,
            "+");
        add("brace reordered", "de.po", "{sender} wrote to {group}", "{group}: {sender} schrieb",
            CheckST22_2, "-");
        add("brace format kept", "ja.po", "{0:.1f} MB", "{0} MB", CheckST22_2, "-");
        add("escaped braces", "de.po", "{{literal}}", "{{wörtlich}}", CheckST22_2, "-");
        // ST22.3
        add("entity broken", "de", "Use &quot;Export&quot; to save", "&quot;Export&quot verwenden",
            CheckST22_3, "+");
        add("numeric entity broken", "el", "<b>A&#x41;</b>", "<b>Α&#x;</b>", CheckST22_3, "+");
        add("entities well formed", "de", "<b>Save &amp; close</b>",
            "<b>Sichern &amp; schließen</b>", CheckST22_3, "-");
        add("accelerator in a markup text", "de", "<b>&File</b>", "<b>&Datei</b>", CheckST22_3,
            "-");
        add("no markup", "de", "Tom &quot Jerry", "Tom &quot Jerry", CheckST22_3, "-");
        // ST22.5
        add("copy of a long source", "de.po", "Empty the trash", "Empty the trash", CheckST22_5,
            "+");
        add("copy in Japanese", "ja", "Hide sidebar", "Hide sidebar", CheckST22_5, "+");
        add("one word stays", "de", "Name", "Name", CheckST22_5, "-");
        add("placeholders only", "tr", "%1: %2", "%1: %2", CheckST22_5, "-");
        add("English variant", "en_GB", "Open the file", "Open the file", CheckST22_5, "-");
        // ST22.6
        add("gtk accelerator lost", "de.po", "_Print Preview", "Druckvorschau", CheckST22_6, "+");
        add("gtk suffix", "ja.po", "_Undo", "元に戻す(_U)", CheckST22_6, "-");
        add("gtk on another letter", "de.po", "Sh_are", "_Teilen", CheckST22_6, "-");
        add("identifier", "es.po", "file_name and dir_name", "nombre", CheckST22_6, "-");
        add("not in .ts files", "de", "_Print", "Drucken", CheckST22_6, "-");
    }
    void findings() { MessageRows::check(); }

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

    // The readers count the plural forms against the header and the language:
    // tests/data/plurals, Russian .po files (three forms) and Czech .ts files.
    void pluralForms_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("findings");
        QTest::newRow("po complete") << "complete.po" << 0;
        QTest::newRow("po form missing") << "missing.po" << 1;
        QTest::newRow("po fuzzy form missing") << "fuzzy.po" << 0;
        QTest::newRow("ts form missing") << "missing.ts" << 1;
        QTest::newRow("ts complete") << "complete.ts" << 0;
    }
    void pluralForms()
    {
        QFETCH(QString, name);
        QFETCH(int, findings);
        const QString path = readertest::dataPath("plurals/" + name);
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
