// Words of the catalogue-wide pass and the number extraction.

#include "enginefixture.h"

class TestWords : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetAppSettings(); }

    void doubledWords_data();
    void doubledWords();
    void wordLists_data();
    void wordLists();
    void translationSide();
    void numberValues_data();
    void numberValues();
    void digitRuns_data();
    void digitRuns();
};

void TestWords::doubledWords_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("word"); // empty: no doubled word
    QTest::addColumn<int>("position");

    const QStringList none;
    QTest::newRow("at the end") << "the the" << none << "the" << 6;
    QTest::newRow("before a blank") << "the the cat" << none << "the" << 7;
    QTest::newRow("case differs") << "The the" << none << "" << 0;
    QTest::newRow("case-insensitive")
        << "The the" << QStringList{"checkS13_1_1CheckBox"} << "the" << 6;
    QTest::newRow("number interrupts") << "a 5 a" << none << "" << 0;
    QTest::newRow("skip numbers") << "a 5 a" << QStringList{"checkS13_1_2CheckBox"} << "a" << 4;
    QTest::newRow("accelerator dropped") << "&File &File" << none << "File" << 10;
    QTest::newRow("brackets separate") << "(word) word" << none << "word" << 10;
    QTest::newRow("trimmed") << "word. word" << none << "word" << 9;
    QTest::newRow("don't trim") << "word. word" << QStringList{"checkS15_1_1CheckBox"} << "" << 0;
}

void TestWords::doubledWords()
{
    QFETCH(QString, source);
    QFETCH(QStringList, options);
    QFETCH(QString, word);
    QFETCH(int, position);
    setOptions(options);
    Engine engine;
    engine.check(source, QStringLiteral("x"));
    engine.store.runCatalogueChecks();
    const QStringList expected =
        word.isEmpty()
            ? QStringList()
            : QStringList{QStringLiteral("Found duplicate word '%1' at position %2.\n%3\n\n")
                              .arg(word, QString::number(position), source)};
    QCOMPARE(engine.store.items(CheckS13_1), expected);
}

void TestWords::wordLists_data()
{
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QString>("separators"); // checkS15_1LineEdit
    QTest::addColumn<int>("list");
    QTest::addColumn<QStringList>("items");

    const QStringList mixed{"Open %n files (%1) 42 ...", "'%n'", "I said OK, Ok?"};
    QTest::newRow("all words sorted")
        << mixed << "" << int(CheckS15_1)
        << QStringList{"%n", "I", "OK", "Ok", "Open", "files", "said"};
    QTest::newRow("extra separators")
        << QStringList{"and/or"} << "/" << int(CheckS15_1) << QStringList{"and", "or"};
    QTest::newRow("upper case only") << mixed << "" << int(CheckS12_3) << QStringList{"I", "OK"};
    QTest::newRow("doubled characters")
        << QStringList{"Hello Helo ooh"} << "" << int(CheckS11_1) << QStringList{"Hello", "ooh"};
    QTest::newRow("upper after lower")
        << QStringList{"camelCase McDonald iPhone ABC a-B"} << "" << int(CheckS12_2)
        << QStringList{"McDonald", "camelCase", "iPhone"};
    QTest::newRow("other letters") << QStringList{"a\u306E \u01C5a \u306E\u306E Plain"} << ""
                                   << int(CheckS12_1) << QStringList{"a\u306E", "\u01C5a"};
    QTest::newRow("sorted sources")
        << QStringList{"b", "B", "a", "b"} << "" << int(CheckS16_1) << QStringList{"B", "a", "b"};
}

void TestWords::wordLists()
{
    QFETCH(QStringList, sources);
    QFETCH(QString, separators);
    QFETCH(int, list);
    QFETCH(QStringList, items);
    AppSettings.checkS15_1LineEdit = separators;
    Engine engine;
    for (const QString &source : sources)
        engine.check(source, QStringLiteral("x"));
    engine.store.runCatalogueChecks();
    QCOMPARE(engine.store.items(list), items);
}

void TestWords::translationSide()
{
    AppSettings.checkT13_1_1CheckBox = true;
    Engine engine;
    engine.check(QStringLiteral("The the"), QStringLiteral("Der der"));
    engine.store.runCatalogueChecks();
    QVERIFY(engine.store.items(CheckS13_1).isEmpty());
    QCOMPARE(engine.store.items(CheckT13_1),
             QStringList{QStringLiteral("Found duplicate word 'der' at position 6.\nDer der\n\n")});
    QCOMPARE(engine.store.items(CheckT15_1), (QStringList{"Der", "der"}));
    QCOMPARE(engine.store.items(CheckT16_1), QStringList{QStringLiteral("Der der")});
}

void TestWords::numberValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QList<double>>("values");

    QTest::newRow("comma language") << "Sum 1.234,5" << "," << QList<double>{1234.5};
    QTest::newRow("comma language mid text") << "1.234,5 EUR" << "," << QList<double>{1234.5};
    QTest::newRow("full-stop language") << "Sum 1.234,5" << "." << QList<double>{1.2345};
    QTest::newRow("trailing point") << "3." << "." << QList<double>{3};
    QTest::newRow("lone marks") << "a . , b" << "." << QList<double>();
    QTest::newRow("apostrophe") << "1'000 and 7" << "." << QList<double>{7, 1000};
    QTest::newRow("several points dropped") << "1.2.3" << "." << QList<double>();
    QTest::newRow("several points in comma language") << "1.2.3" << "," << QList<double>{123};
    QTest::newRow("Arabic-Indic digits") << "\u0661\u0662" << "." << QList<double>();
}

void TestWords::numberValues()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QList<double>, values);
    Engine engine;
    QSet<double> numbers;
    engine.store.extractNumbers(text, separator, numbers);
    QList<double> found = numbers.values();
    std::sort(found.begin(), found.end());
    QCOMPARE(found, values);
}

void TestWords::digitRuns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("runs");

    QTest::newRow("comma splits") << "1,234" << QStringList{"1", "234"};
    QTest::newRow("letters split") << "a1b22c1" << QStringList{"1", "22"};
    QTest::newRow("Arabic-Indic digits") << "x \u0661\u0662." << QStringList{"\u0661\u0662"};
    QTest::newRow("none") << "abc" << QStringList();
}

void TestWords::digitRuns()
{
    QFETCH(QString, text);
    QFETCH(QStringList, runs);
    Engine engine;
    QSet<QString> found;
    engine.store.extractNumbers(text, found);
    QStringList sorted = found.values();
    sorted.sort();
    QCOMPARE(sorted, runs);
}

QTEST_GUILESS_MAIN(TestWords)
#include "tst_words.moc"
