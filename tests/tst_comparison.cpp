// The comparison checks, driven through checkMessage.

#include "enginefixture.h"

class TestComparison : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetOptions(); }

    // texts: the finding text of each recorded finding ("" when the check has none);
    // the source and the translation follow it in the recorded key.
    void findings_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("check");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("options");

        const auto add = [](const char *name, const QString &source, const QString &translation,
                            int check, const QStringList &texts, const QStringList &options = {}) {
            QTest::newRow(name) << source << translation << check << texts << options;
        };
        const QString missingT = "Missing numbers in the translation: ";
        const QString missingS = "Missing numbers in the source: ";
        const QString count = "Counting %1. It is %2 times in source but %3 times in translation";
        add("tab count", "a\tb", "ab", CheckST2_2,
            {"There are 1 tabulations in the source but 0 tabulations in the translation:"});
        add("control list", "a\tb", "ab", CheckST2_1,
            {"Different control keys included in source and translation:"});
        add("control kinds", "a\tb\rc", "a\rb\tc", CheckST2_1, {});
        add("marker skipped", "&Open", "\u00D6ffnen", CheckST3_4, {});
        add("ellipsis overlapping", "Wait....", "Warte...", CheckST7_1, {""});
        // The number cascade: a later check only when the earlier ones found nothing.
        add("8.1 stops 8.3", "3 and 5", "3 und", CheckST8_3, {});
        add("8.2 stops 8.4", "3 of 3", "3 von", CheckST8_4, {});
        add("8.3 runs", "05", "5", CheckST8_3, {missingS + "5 ", missingT + "05 "});
        add("8.4 run count", "v1.0.0", "v1.0.0.0", CheckST8_4, {count.arg("number 0", "2", "3")});
        add("arguments adjacent", "%1%2", "%2%1", CheckST9_2, {});
        add("argument repeated", "%1 %2", "%1 %1 %2", CheckST9_2, {});
        add("argument repeated, counted", "%1 %2", "%1 %1 %2", CheckST9_2, {""},
            {"checkST9_2_1CheckBox"});
        add("accelerator after argument", "%1&File", "&Datei %1", CheckST9_1, {});
        // E-mails, URIs and tags as the scanners collect them, counted in both texts
        add("uri trimmed", "see (www.x.org).", "siehe", CheckST20_2,
            {count.arg("URI www.x.org", "1", "0") + "."});
        add("uri untrimmed", "see (www.x.org).", "siehe", CheckST20_2,
            {count.arg("URI (www.x.org).", "1", "0") + "."}, {"checkST20_2_6CheckBox"});
    }
    void findings()
    {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(int, check);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, options);
        setOptions(options);
        Engine engine(QStringLiteral("en"));
        engine.check(source, translation);
        const QString both = source + QLatin1Char('\n') + translation;
        QStringList expected;
        for (const QString &text : texts)
            expected.append(text.isEmpty() ? both : text + QLatin1Char('\n') + both);
        expected.sort();
        QCOMPARE(engine.keys(check), expected);
        QCOMPARE(engine.count(check), texts.size());
    }

    void lengthRatio_data()
    {
        QTest::addColumn<int>("sourceLength");
        QTest::addColumn<int>("translationLength");
        QTest::addColumn<int>("check"); // -1: no finding
        QTest::addColumn<QString>("ratio");

        // Defaults: below 20 characters 0.5 to 2.5 (set below), from 20 on 0.6 to 2.
        QTest::newRow("short, at high limit") << 10 << 25 << -1 << "";
        QTest::newRow("short, too short") << 10 << 4 << int(CheckST1_1) << "0.4";
        QTest::newRow("19, between limits") << 19 << 41 << -1 << "";
        QTest::newRow("20, at high limit") << 20 << 40 << -1 << "";
        QTest::newRow("20, beyond high limit") << 20 << 41 << int(CheckST1_2) << "2.05";
    }
    void lengthRatio()
    {
        QFETCH(int, sourceLength);
        QFETCH(int, translationLength);
        QFETCH(int, check);
        QFETCH(QString, ratio);
        TestOptions.checkST1_1HighSpinBox = 2.5f;
        Engine engine;
        const QString source(sourceLength, QLatin1Char('a'));
        const QString translation(translationLength, QLatin1Char('a'));
        engine.check(source, translation);
        const QStringList key {QStringLiteral("Source to translation ratio is %1:\n%2\n%3")
                                   .arg(ratio, source, translation)};
        QCOMPARE(engine.keys(CheckST1_1), check == CheckST1_1 ? key : QStringList());
        QCOMPARE(engine.keys(CheckST1_2), check == CheckST1_2 ? key : QStringList());
    }

    // The text sort puts 10 second, so 2 to 10 are each out of place, in both texts.
    void argumentOrder()
    {
        QString text;
        for (int k = 1; k <= 10; ++k)
            text += QStringLiteral("%%1 ").arg(k);
        Engine engine;
        engine.check(text, text);
        QCOMPARE(engine.count(CheckST9_3), 18);
        QCOMPARE(engine.count(CheckST9_2), 0);
        text.chop(4);
        Engine nine;
        nine.check(text, text);
        QCOMPARE(nine.count(CheckST9_3), 0);
    }

    void consistencyAcrossFiles()
    {
        Engine engine;
        engine.check("Open", "\u00D6ffnen");
        engine.check("Files", "Dateien", 3); // not entered
        engine.store.setUpLanguage("de", false, "second.ts");
        engine.check("Open", "\u00F6ffnen"); // case only
        engine.check("Open", "Aufmachen");
        engine.check("Close", "\u00D6ffnen");
        engine.check("Files", "Datei", 1);
        engine.check("Files", "Dat", 2);
        QCOMPARE(engine.keys(CheckST10_1),
                 (QStringList {"Files\nDat\nDatei", "Open\nAufmachen\n\u00D6ffnen"}));
        QCOMPARE(engine.keys(CheckST11_1), QStringList {"\u00D6ffnen\nClose\nOpen"});
        QCOMPARE(engine.store.findings(CheckST11_1).values("\u00D6ffnen\nClose\nOpen"),
                 QStringList {Engine::Context});
    }

    void consistencyExactCase()
    {
        TestOptions.checkST10_1_1CheckBox = true;
        TestOptions.checkST11_1_1CheckBox = true;
        Engine engine;
        engine.check("Open", "\u00D6ffnen");
        engine.store.setUpLanguage("de", false, "second.ts");
        engine.check("Open", "\u00F6ffnen");
        engine.check("open", "\u00D6ffnen");
        QCOMPARE(engine.keys(CheckST10_1), QStringList {"Open\n\u00F6ffnen\n\u00D6ffnen"});
        QCOMPARE(engine.keys(CheckST11_1), QStringList {"\u00D6ffnen\nopen\nOpen"});
    }
};

QTEST_GUILESS_MAIN(TestComparison)
#include "tst_comparison.moc"
