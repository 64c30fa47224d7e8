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
        MessageRows add;
        add.options = {"checkST1ScriptCheckBox"};
        add("ideographs, short word", "ja", "Language", "言語", CheckST1_1, "+-");
        add("ideographs, far too short", "zh_TW", "Remove the selected bookmarks", "刪", CheckST1_2,
            "++");
        add("Latin script keeps its limits", "de", "Language", "Sp", CheckST1_1, "++");

        add.options = {"checkST5_2_1CheckBox"};
        add("accelerator suffix", "ja", "&View", "表示(&V)", CheckST5_2, "+-");
        add("full-width suffix", "zh_TW.po", "_Redo", "重做（_R）", CheckST5_2, "+-");
        add("quotes are no brackets", "ru", "'%1'", "«%1»", CheckST5_2, "+-");
        add("bracket lost", "fr", "(optional)", "facultatif)", CheckST5_2, "++");
        add("bracket added", "ru.po", "Folder (%s)", "Папка (%s))", CheckST5_2, "++");

        add.options = {"checkST7_2LineEdit=%$"};
        add("hyphen not counted", "de", "CPU time limit", "CPU-Zeitschranke", CheckST7_2, "+-");
        add("lost percent counted", "de.po", "%d%% done", "%d fertig", CheckST7_2, "++");

        add.options = {"checkST6MarksCheckBox"};
        add("Japanese full stop at the end", "ja", "Copied.", "コピーしました。", CheckST4_4, "+-");
        add("Japanese question mark", "ja.po", "Close all tabs?", "すべてのタブを閉じますか？",
            CheckST4_4, "+-");
        add("ASCII colon in Chinese", "zh_TW", "Name:", "名稱:", CheckST6_1, "+-");
        add("ellipsis character", "ru.po", "Open With...", "Открыть с помощью…", CheckST7_1, "+-");
        add("ellipsis character, full stops", "de.po", "Export...", "Exportieren…", CheckST6_4,
            "+-");
        add("decimal comma is no full stop", "de", "Speed: 2.5x", "Tempo: 2,5x", CheckST6_4, "+-");
        add("lost question mark", "es.po", "Save changes?", "Guardar cambios", CheckST6_3, "++");
        add("lost end mark", "ja", "Done.", "完了", CheckST4_4, "++");

        add.options = {"checkST9_1_1CheckBox"};
        add("gtk accelerator", "de.po", "_Paste", "Ein_fügen", CheckST9_1, "--");
        add("gtk accelerator lost", "sk.po", "_Paste", "Vložiť", CheckST9_1, "-+");
        add("literal ampersand in .po", "tr.po", "Read & Write", "Okuma ve Yazma", CheckST9_1,
            "+-");
        add("doubled ampersand in .ts", "de", "Drag && Drop", "Ziehen und Ablegen", CheckST9_1,
            "+-");
        add("accelerator lost in .ts", "de", "&Open", "Öffnen", CheckST9_1, "++");
        add("accelerator suffix counts", "ja", "&File", "ファイル(&F)", CheckST9_1, "--");

        add.options = {"checkST9_2_2CheckBox"};
        add("localized argument lost", "de", "%L1 files", "Dateien", CheckST9_2, "-+");
        add("printf width", "el.po", "%2d%%", "%2d %%", CheckST9_3, "+-");
        add("positions", "vi.po", "%1$s of %2$s", "%2$s của %1$s", CheckST9_2, "--");

        add.options = {"checkT10_1_2CheckBox"};
        add("after a conversion", "de.po", "Files: %d", "%d Dateien", CheckT10_1, "+-");
        add("after a tag", "es", "Bold text", "<b>Negrita</b> texto", CheckT10_1, "+-");
        add("Latin word in Japanese", "ja", "PDF file", "pdf ファイル", CheckT10_1, "++");
        add("kana first", "ja", "Open the pdf", "ファイル pdf を開く", CheckT10_1, "+-");
        add("abbreviation", "de", "For example this", "Z. B. dies", CheckT10_1, "+-");
        add("real lowercase start", "tr", "Done. Next", "Bitti. sonraki", CheckT10_1, "++");

        add.options = {"checkT5_3_3CheckBox"};
        add("German guillemets", "de", "Cannot save \"%1\"", "Kann »%1« nicht speichern", CheckT5_3,
            "+-");
        add("French guillemets stay", "fr", "Cannot save \"%1\"", "Impossible d'enregistrer «%1»",
            CheckT5_3, "--");
        add("German guillemet unbalanced", "de", "\"%1\"", "»%1", CheckT5_3, "++");

        add.options = {"checkST3_3_1CheckBox"};
        add("quote moved to the front", "ja", "Opened \"%1\"", "「%1」を開きました", CheckST3_3,
            "+-");
        add("bracket moved to the end", "ru.po", "{n} updates available",
            "Доступно обновлений: {n}", CheckST4_3, "+-");
        add("quote lost at the front", "de", "\u201C%1\u201D saved", "%1 gespeichert", CheckST3_3,
            "++");
        add("other quotes at the end", "de", "Remove '%1'?", "„%1“ entfernen?", CheckST4_4, "--");

        add.options = {"checkST20_1_1CheckBox"};
        add("credits", "es.po", "translator-credits", "Juan <juan@example.org>", CheckST21_1, "+-");
        const QString bugs = "Report bugs to <bugs@example.org>",
                      sk = "Chyby hláste na <sk@example.org>";
        add("contact line", "sk.po", bugs, sk, CheckST21_1, "+-");
        add("contact changed", "sk.po", bugs, sk, CheckST20_1, "++");

        add.options = {"checkST8_1_1CheckBox"};
        add("decimal comma", "de", "Height: 1.5 cm", "Höhe: 1,5 cm", CheckST8_2, "+-");
        add("Arabic-Indic digits", "ar", "Page 12", "صفحة ١٢", CheckST8_1, "+-");
        add("placeholder digits", "tr.po", "%2d items", "%2d öğe", CheckST8_1, "--");
        add("number lost beside placeholders", "el", "%1 of %2 (3)", "%2 από %1", CheckST8_1, "++");
        add("number changed", "ru.po", "Keep 30 days", "Хранить 60 дней", CheckST8_1, "++");
        add("number word written in digits", "vi.po", "Square root", "Căn bậc 2", CheckST8_1, "+-");
    }
    void options() { MessageRows::check(); }

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
