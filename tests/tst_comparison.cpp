// The comparison checks, driven through checkMessage.

#include "enginefixture.h"

class TestComparison : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetAppSettings(); }

    void findings_data();
    void findings();
    void lengthRatio_data();
    void lengthRatio();
    void repeatedArgumentsOption();
    void argumentOrder();
    void consistencyAcrossFiles();
    void consistencyExactCase();
};

// key: the finding text (empty when the check has none); the source and the
// translation follow it in the recorded key.
void TestComparison::findings_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<int>("check");
    QTest::addColumn<QStringList>("texts"); // one entry per recorded finding

    const QString missingT = "Missing numbers in the translation: ";
    const QString missingS = "Missing numbers in the source: ";
    QTest::newRow("tab count")
        << "a\tb" << "ab" << int(CheckST2_2)
        << QStringList{
               "There are 1 tabulations in the source but 0 tabulations in the translation:"};
    QTest::newRow("control list")
        << "a\tb" << "ab" << int(CheckST2_1)
        << QStringList{"Different control keys included in source and translation:"};
    QTest::newRow("control kinds") << "a\tb\rc" << "a\rb\tc" << int(CheckST2_1) << QStringList();
    QTest::newRow("blank first") << " a" << "a" << int(CheckST3_2) << QStringList{""};
    QTest::newRow("marker skipped") << "&Open" << "\u00D6ffnen" << int(CheckST3_4) << QStringList();
    QTest::newRow("ellipsis overlapping")
        << "Wait...." << "Warte..." << int(CheckST7_1) << QStringList{""};
    QTest::newRow("counted character")
        << "a+b" << "ab" << int(CheckST7_2)
        << QStringList{
               "Counting character +. It is 1 times in the source but 0 times in the translation."};
    // The number cascade: a later check only when the earlier ones found nothing.
    QTest::newRow("8.1 missing") << "3 and 5" << "3 und" << int(CheckST8_1)
                                 << QStringList{missingT + "5 "};
    QTest::newRow("8.1 both sides") << "3 and 5" << "3 und 4" << int(CheckST8_1)
                                    << QStringList{missingS + "4 ", missingT + "5 "};
    QTest::newRow("8.1 stops 8.3") << "3 and 5" << "3 und" << int(CheckST8_3) << QStringList();
    QTest::newRow("8.2 count")
        << "3 of 3" << "3 von" << int(CheckST8_2)
        << QStringList{"Counting number 3. It is 2 times in source but 1 times in translation."};
    QTest::newRow("8.2 stops 8.4") << "3 of 3" << "3 von" << int(CheckST8_4) << QStringList();
    QTest::newRow("8.3 runs") << "05" << "5" << int(CheckST8_3)
                              << QStringList{missingS + "5 ", missingT + "05 "};
    QTest::newRow("8.4 run count")
        << "v1.0.0" << "v1.0.0.0" << int(CheckST8_4)
        << QStringList{"Counting number 0. It is 2 times in source but 3 times in translation"};
    // Key sequences and arguments
    QTest::newRow("argument missing") << "%1 and %2" << "%2" << int(CheckST9_2) << QStringList{""};
    QTest::newRow("arguments adjacent") << "%1%2" << "%2%1" << int(CheckST9_2) << QStringList();
    QTest::newRow("accelerator after argument")
        << "%1&File" << "&Datei %1" << int(CheckST9_1) << QStringList();
    QTest::newRow("first argument not 1")
        << "%2 files" << "Dateien" << int(CheckST9_3) << QStringList{""};
    // E-mails, URIs and tags counted in both texts
    QTest::newRow("email count")
        << "a@b.de or a@b.de" << "a@b.de" << int(CheckST20_1)
        << QStringList{
               "Counting email a@b.de. It is 2 times in source but 1 times in translation."};
    QTest::newRow("uri only in translation")
        << "see" << "siehe www.x.org" << int(CheckST20_2)
        << QStringList{
               "Counting URI www.x.org. It is 0 times in source but 1 times in translation."};
    QTest::newRow("tag count")
        << "<b>x</b>" << "<b>x" << int(CheckST21_1)
        << QStringList{"Counting tag </b>. It is 1 times in source but 0 times in translation."};
}

void TestComparison::findings()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(int, check);
    QFETCH(QStringList, texts);
    Engine engine(QStringLiteral("en"));
    engine.check(source, translation);
    const QString texts2 = source + QLatin1Char('\n') + translation;
    QStringList expected;
    for (const QString &text : texts)
        expected.append(text.isEmpty() ? texts2 : text + QLatin1Char('\n') + texts2);
    expected.sort();
    QCOMPARE(engine.keys(check), expected);
    QCOMPARE(engine.store.findings(check).size(), texts.size());
}

void TestComparison::lengthRatio_data()
{
    QTest::addColumn<int>("sourceLength");
    QTest::addColumn<int>("translationLength");
    QTest::addColumn<int>("check"); // -1: no finding
    QTest::addColumn<QString>("ratio");

    // Defaults: below 20 characters 0.5 to 2.5 (set below), from 20 on 0.6 to 2.
    QTest::newRow("short, too long") << 10 << 30 << int(CheckST1_1) << "3";
    QTest::newRow("short, at high limit") << 10 << 25 << -1 << "";
    QTest::newRow("short, too short") << 10 << 4 << int(CheckST1_1) << "0.4";
    QTest::newRow("19, between limits") << 19 << 41 << -1 << "";
    QTest::newRow("20, at high limit") << 20 << 40 << -1 << "";
    QTest::newRow("20, beyond high limit") << 20 << 41 << int(CheckST1_2) << "2.05";
    QTest::newRow("long, too short") << 50 << 29 << int(CheckST1_2) << "0.58";
}

void TestComparison::lengthRatio()
{
    QFETCH(int, sourceLength);
    QFETCH(int, translationLength);
    QFETCH(int, check);
    QFETCH(QString, ratio);
    AppSettings.checkST1_1HighSpinBox = 2.5f;
    Engine engine;
    const QString source(sourceLength, QLatin1Char('a'));
    const QString translation(translationLength, QLatin1Char('a'));
    engine.check(source, translation);
    const QString key = QStringLiteral("Source to translation ratio is %1:\n%2\n%3")
                            .arg(ratio, source, translation);
    QCOMPARE(engine.keys(CheckST1_1), check == CheckST1_1 ? QStringList{key} : QStringList());
    QCOMPARE(engine.keys(CheckST1_2), check == CheckST1_2 ? QStringList{key} : QStringList());
}

void TestComparison::repeatedArgumentsOption()
{
    const QString source = QStringLiteral("%1 %2");
    const QString translation = QStringLiteral("%1 %1 %2");
    Engine sets;
    sets.check(source, translation);
    QVERIFY(sets.store.findings(CheckST9_2).isEmpty());

    AppSettings.checkST9_2_1CheckBox = true;
    Engine lists;
    lists.check(source, translation);
    QCOMPARE(lists.store.findings(CheckST9_2).size(), 1);
}

// The text sort puts 10 second, so 2 to 10 are each out of place, in both texts.
void TestComparison::argumentOrder()
{
    QString text;
    for (int k = 1; k <= 10; ++k)
        text += QStringLiteral("%%1 ").arg(k);
    Engine engine;
    engine.check(text, text);
    QCOMPARE(engine.store.findings(CheckST9_3).size(), 18);
    QVERIFY(engine.store.findings(CheckST9_2).isEmpty());

    Engine nine;
    nine.check(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9"),
               QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9"));
    QVERIFY(nine.store.findings(CheckST9_3).isEmpty());
}

void TestComparison::consistencyAcrossFiles()
{
    Engine engine;
    engine.check(QStringLiteral("Open"), QStringLiteral("\u00D6ffnen"));
    engine.check(QStringLiteral("Files"), QStringLiteral("Dateien"), 3); // not entered
    engine.store.setUpLanguage(QStringLiteral("de"), false, QStringLiteral("second.ts"));
    engine.check(QStringLiteral("Open"), QStringLiteral("\u00F6ffnen")); // case only
    engine.check(QStringLiteral("Open"), QStringLiteral("Aufmachen"));
    engine.check(QStringLiteral("Close"), QStringLiteral("\u00D6ffnen"));
    engine.check(QStringLiteral("Files"), QStringLiteral("Datei"), 1);
    engine.check(QStringLiteral("Files"), QStringLiteral("Dat"), 2);

    QCOMPARE(engine.keys(CheckST10_1),
             (QStringList{"Files\nDat\nDatei", "Open\nAufmachen\n\u00D6ffnen"}));
    QCOMPARE(engine.keys(CheckST11_1), QStringList{"\u00D6ffnen\nClose\nOpen"});
    QCOMPARE(engine.store.findings(CheckST11_1).values(engine.keys(CheckST11_1).first()),
             QStringList{QStringLiteral("Dialog")});
}

void TestComparison::consistencyExactCase()
{
    AppSettings.checkST10_1_1CheckBox = true;
    AppSettings.checkST11_1_1CheckBox = true;
    Engine engine;
    engine.check(QStringLiteral("Open"), QStringLiteral("\u00D6ffnen"));
    engine.store.setUpLanguage(QStringLiteral("de"), false, QStringLiteral("second.ts"));
    engine.check(QStringLiteral("Open"), QStringLiteral("\u00F6ffnen"));
    engine.check(QStringLiteral("open"), QStringLiteral("\u00D6ffnen"));
    QCOMPARE(engine.keys(CheckST10_1), QStringList{"Open\n\u00F6ffnen\n\u00D6ffnen"});
    QCOMPARE(engine.keys(CheckST11_1), QStringList{"\u00D6ffnen\nopen\nOpen"});
}

QTEST_GUILESS_MAIN(TestComparison)
#include "tst_comparison.moc"
