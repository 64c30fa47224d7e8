// The rule options that narrow or widen existing checks: each row is checked
// with its options off (today's rule) and on.

#include "enginefixture.h"

class TestRuleOptions : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetOptions(); }

    void options_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("po");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("check");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("foundWithout");
        QTest::addColumn<bool>("foundWith");
        const auto add = [](const char *name, const char *language, bool po, const QString &source,
                            const QString &translation, int check, const QStringList &options,
                            bool without, bool with) {
            QTest::newRow(name) << QString(language) << po << source << translation << check
                                << options << without << with;
        };
        const QStringList script {"checkST1ScriptCheckBox"};
        add("ideographs, short word", "ja", false, "Language", "言語", CheckST1_1, script, true,
            false);
        add("ideographs, far too short", "zh_TW", false, "Remove the selected bookmarks", "刪",
            CheckST1_2, script, true, true);
        add("Latin script keeps its limits", "de", false, "Language", "Sp", CheckST1_1, script,
            true, true);

        const QStringList bracketsOnly {"checkST5_2_1CheckBox"};
        add("accelerator suffix", "ja", false, "&View", "表示(&V)", CheckST5_2, bracketsOnly, true,
            false);
        add("full-width suffix", "zh_TW", true, "_Redo", "重做（_R）", CheckST5_2, bracketsOnly,
            true, false);
        add("quotes are no brackets", "ru", false, "'%1'", "«%1»", CheckST5_2, bracketsOnly, true,
            false);
        add("bracket lost", "fr", false, "(optional)", "facultatif)", CheckST5_2, bracketsOnly,
            true, true);
        add("bracket added", "ru", true, "Folder (%s)", "Папка (%s))", CheckST5_2, bracketsOnly,
            true, true);

        const QStringList list {"checkST7_2LineEdit=%$"};
        add("hyphen not counted", "de", false, "CPU time limit", "CPU-Zeitschranke", CheckST7_2,
            list, true, false);
        add("lost percent counted", "de", true, "%d%% done", "%d fertig", CheckST7_2, list, true,
            true);

        const QStringList marks {"checkST6MarksCheckBox"};
        add("Japanese full stop at the end", "ja", false, "Copied.", "コピーしました。", CheckST4_4,
            marks, true, false);
        add("Japanese question mark", "ja", true, "Close all tabs?", "すべてのタブを閉じますか？",
            CheckST4_4, marks, true, false);
        add("ASCII colon in Chinese", "zh_TW", false, "Name:", "名稱:", CheckST6_1, marks, true,
            false);
        add("ellipsis character", "ru", true, "Open With...", "Открыть с помощью…", CheckST7_1,
            marks, true, false);
        add("ellipsis character, full stops", "de", true, "Export...", "Exportieren…", CheckST6_4,
            marks, true, false);
        add("decimal comma is no full stop", "de", false, "Speed: 2.5x", "Tempo: 2,5x", CheckST6_4,
            marks, true, false);
        add("lost question mark", "es", true, "Save changes?", "Guardar cambios", CheckST6_3, marks,
            true, true);
        add("lost end mark", "ja", false, "Done.", "完了", CheckST4_4, marks, true, true);

        const QStringList byKind {"checkST9_1_1CheckBox"};
        add("gtk accelerator", "de", true, "_Paste", "Ein_fügen", CheckST9_1, byKind, false, false);
        add("gtk accelerator lost", "sk", true, "_Paste", "Vložiť", CheckST9_1, byKind, false,
            true);
        add("literal ampersand in .po", "tr", true, "Read & Write", "Okuma ve Yazma", CheckST9_1,
            byKind, true, false);
        add("doubled ampersand in .ts", "de", false, "Drag && Drop", "Ziehen und Ablegen",
            CheckST9_1, byKind, true, false);
        add("accelerator lost in .ts", "de", false, "&Open", "Öffnen", CheckST9_1, byKind, true,
            true);
        add("accelerator suffix counts", "ja", false, "&File", "ファイル(&F)", CheckST9_1, byKind,
            false, false);

        const QStringList formats {"checkST9_2_2CheckBox"};
        add("localized argument lost", "de", false, "%L1 files", "Dateien", CheckST9_2, formats,
            false, true);
        add("printf width", "el", true, "%2d%%", "%2d %%", CheckST9_3, formats, true, false);
        add("positions", "vi", true, "%1$s of %2$s", "%2$s của %1$s", CheckST9_2, formats, false,
            false);

        const QStringList sentences {"checkT10_1_2CheckBox"};
        add("after a conversion", "de", true, "Files: %d", "%d Dateien", CheckT10_1, sentences,
            true, false);
        add("after a tag", "es", false, "Bold text", "<b>Negrita</b> texto", CheckT10_1, sentences,
            true, false);
        add("Latin word in Japanese", "ja", false, "PDF file", "pdf ファイル", CheckT10_1,
            sentences, true, true);
        add("kana first", "ja", false, "Open the pdf", "ファイル pdf を開く", CheckT10_1, sentences,
            true, false);
        add("abbreviation", "de", false, "For example this", "Z. B. dies", CheckT10_1, sentences,
            true, false);
        add("real lowercase start", "tr", false, "Done. Next", "Bitti. sonraki", CheckT10_1,
            sentences, true, true);

        const QStringList guillemets {"checkT5_3_3CheckBox"};
        add("German guillemets", "de", false, "Cannot save \"%1\"", "Kann »%1« nicht speichern",
            CheckT5_3, guillemets, true, false);
        add("French guillemets stay", "fr", false, "Cannot save \"%1\"",
            "Impossible d'enregistrer «%1»", CheckT5_3, guillemets, false, false);
        add("German guillemet unbalanced", "de", false, "\"%1\"", "»%1", CheckT5_3, guillemets,
            true, true);

        const QStringList ends {"checkST3_3_1CheckBox"};
        add("quote moved to the front", "ja", false, "Opened \"%1\"", "「%1」を開きました",
            CheckST3_3, ends, true, false);
        add("bracket moved to the end", "ru", true, "{n} updates available",
            "Доступно обновлений: {n}", CheckST4_3, ends, true, false);
        add("quote lost at the front", "de", false, "\u201C%1\u201D saved", "%1 gespeichert",
            CheckST3_3, ends, true, true);
        add("other quotes at the end", "de", false, "Remove '%1'?", "„%1“ entfernen?", CheckST4_4,
            ends, false, false);

        const QStringList credits {"checkST20_1_1CheckBox"};
        add("credits", "es", true, "translator-credits", "Juan <juan@example.org>", CheckST21_1,
            credits, true, false);
        add("contact line", "sk", true, "Report bugs to <bugs@example.org>",
            "Chyby hláste na <sk@example.org>", CheckST21_1, credits, true, false);
        add("contact changed", "sk", true, "Report bugs to <bugs@example.org>",
            "Chyby hláste na <sk@example.org>", CheckST20_1, credits, true, true);

        const QStringList numbers {"checkST8_1_1CheckBox"};
        add("decimal comma", "de", false, "Height: 1.5 cm", "Höhe: 1,5 cm", CheckST8_2, numbers,
            true, false);
        add("Arabic-Indic digits", "ar", false, "Page 12", "صفحة ١٢", CheckST8_1, numbers, true,
            false);
        add("placeholder digits", "tr", true, "%2d items", "%2d öğe", CheckST8_1, numbers, false,
            false);
        add("number lost beside placeholders", "el", false, "%1 of %2 (3)", "%2 από %1", CheckST8_1,
            numbers, true, true);
        add("number changed", "ru", true, "Keep 30 days", "Хранить 60 дней", CheckST8_1, numbers,
            true, true);
        add("number word written in digits", "vi", true, "Square root", "Căn bậc 2", CheckST8_1,
            numbers, true, false);
    }
    void options()
    {
        QFETCH(QString, language);
        QFETCH(bool, po);
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(int, check);
        QFETCH(QStringList, options);
        QFETCH(bool, foundWithout);
        QFETCH(bool, foundWith);
        for (const bool on : {false, true}) {
            resetOptions();
            if (on)
                setOptions(options);
            Engine engine(language);
            engine.store.poFile = po;
            engine.check(source, translation, 1);
            QCOMPARE(engine.count(check) > 0, on ? foundWith : foundWithout);
        }
    }

    // Like forms: a plural form is compared with the same form of other messages.
    void likeForms()
    {
        for (const bool on : {false, true}) {
            resetOptions();
            if (on)
                setOptions({"checkST10_1_2CheckBox"});
            Engine engine(QStringLiteral("ru"));
            engine.store.poFile = true;
            engine.check(QStringLiteral("%d files"), QStringLiteral("%d файлов"), 1);
            engine.check(QStringLiteral("%d files"), QStringLiteral("%d файла"), 2);
            QCOMPARE(engine.count(CheckST10_1), on ? 0 : 1);
            engine.check(QStringLiteral("%d files"), QStringLiteral("%d файлы"), 2);
            QCOMPARE(engine.count(CheckST10_1), on ? 1 : 2);
        }
    }
};

QTEST_GUILESS_MAIN(TestRuleOptions)
#include "tst_ruleoptions.moc"
