// The catalogue-wide pass (the characters used and the word lists), character
// names and the number extraction. The used-character report of check ST0 is in
// the golden outputs: its buckets and warnings all occur in the corpus.

#include "enginefixture.h"

#include <QLoggingCategory>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestWords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(u"default.info=false\ndefault.warning=false"_s);
    }
    void init() { resetOptions(); }

    void doubledWords_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("word"); // empty: no doubled word
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("options");

        const auto add = [](const char *source, const char *word, int position,
                            const QStringList &options = {}) {
            QTest::newRow(source) << source << word << position << options;
        };
        add("The the", "", 0);
        add("The the", "the", 6, {"checkS13_1_1CheckBox"});
        add("a 5 a", "", 0);
        add("a 5 a", "a", 4, {"checkS13_1_2CheckBox"});
        add("&File &File", "File", 10);
        add("word. word", "word", 9);
        add("word. word", "", 0, {"checkS15_1_1CheckBox"});
    }
    void doubledWords()
    {
        QFETCH(QString, source);
        QFETCH(QString, word);
        QFETCH(int, position);
        QFETCH(QStringList, options);
        setOptions(options);
        Engine engine;
        engine.check(source, QStringLiteral("x"));
        engine.store.runCatalogueChecks();
        QStringList expected;
        if (!word.isEmpty())
            expected << QStringLiteral("Found duplicate word '%1' at position %2.\n%3\n\n")
                            .arg(word, QString::number(position), source);
        QCOMPARE(engine.store.items(CheckS13_1), expected);
    }

    void wordLists_data()
    {
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<int>("list");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("separators"); // checkS15_1LineEdit

        const auto add = [](const char *name, const QStringList &sources, int list,
                            const QStringList &items, const char *separators = "") {
            QTest::newRow(name) << sources << list << items << QString(separators);
        };
        const QStringList mixed {"Open %n files (%1) 42 ...", "'%n'", "I said OK, Ok?"};
        add("all words sorted", mixed, CheckS15_1,
            {"%n", "I", "OK", "Ok", "Open", "files", "said"});
        add("extra separators", {"and/or"}, CheckS15_1, {"and", "or"}, "/");
        add("other letters", {"a\u306E \u01C5a \u306E\u306E Plain"}, CheckS12_1,
            {"a\u306E", "\u01C5a"});
    }
    void wordLists()
    {
        QFETCH(QStringList, sources);
        QFETCH(int, list);
        QFETCH(QStringList, items);
        QFETCH(QString, separators);
        TestOptions.checkS15_1LineEdit = separators;
        Engine engine;
        for (const QString &source : sources)
            engine.check(source, QStringLiteral("x"));
        engine.store.runCatalogueChecks();
        QCOMPARE(engine.store.items(list), items);
    }

    // The translation side has its own case option.
    void translationSide()
    {
        TestOptions.checkT13_1_1CheckBox = true;
        Engine engine;
        engine.check(QStringLiteral("The the"), QStringLiteral("Der der"));
        engine.store.runCatalogueChecks();
        QVERIFY(engine.store.items(CheckS13_1).isEmpty());
        QCOMPARE(engine.store.items(CheckT13_1),
                 QStringList {"Found duplicate word 'der' at position 6.\nDer der\n\n"});
    }

    void numberValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QList<double>>("values");

        const auto add = [](const char *text, const char *separator, QList<double> values) {
            QTest::newRow(qPrintable(QString("%1 %2").arg(text, separator)))
                << QString(text) << QString(separator) << values;
        };
        add("Sum 1.234,5", ",", {1234.5});
        add("Sum 1.234,5", ".", {1.2345});
        add("a . , b", ".", {});
        add("1'000 and 7", ".", {7, 1000});
        add("1.2.3", ".", {});
        add("1.2.3", ",", {123});
        add("\u0661\u0662", ".", {}); // Arabic-Indic digits
        add("7, 7 and 0'7 or 1,000", ".", {7, 1000}); // repeats once
        add("1234567890123456 and 123456789012345", ".", {123456789012345, 1234567890123456});
    }
    void numberValues()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QList<double>, values);
        Engine engine;
        QCOMPARE(engine.store.extractNumbers(text, separator), values);
    }

    // Runs of digits of any script, split by everything else.
    void digitRuns()
    {
        Engine engine;
        QCOMPARE(engine.store.extractNumberRuns(QStringLiteral("1,2 a22b \u0661\u0662. 1")),
                 (QStringList {"1", "2", "22", "\u0661\u0662"}));
    }

    // A character without a bucket of its own warns only when asked to.
    void characterName()
    {
        results store;
        QString found = u"before"_s;
        QCOMPARE(store.characterName(u'\u00E9', true, found), u"\u00E9 "_s);
        QCOMPARE(store.characterName(u'\u2002', false, found), u"<otherSpace> "_s);
        QCOMPARE(found, u"before"_s);
        found.clear();
        QCOMPARE(store.characterName(u'\u2002', true, found), u"<otherSpace> "_s);
        QCOMPARE(found,
                 u"You are using a non-supported printable character (unicode=\u2002). Please "
                 "report it to me (Oskerbay), so i will improve the check.\n\n"_s);
    }

    // Each character once, a character met before kept, surrogates apart.
    void collectCharacters()
    {
        Engine engine;
        QSet<QString> characters {u"z"_s};
        TextSet texts;
        texts.insert(u"aab"_s);
        texts.insert(u"b\U0001F600"_s);
        engine.store.collectCharacters(texts, characters);
        QCOMPARE(characters, (QSet<QString> {u"z"_s, u"a"_s, u"b"_s, QString(QChar(0xD83D)),
                                             QString(QChar(0xDE00))}));
    }
};

QTEST_GUILESS_MAIN(TestWords)
#include "tst_words.moc"
