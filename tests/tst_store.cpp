// The message store: language set-up (an unknown language, what later files of
// a run change), clear() and the finding budget. The marks of each language are
// tested through the checks that use them, the known languages by the corpus.

#include "checks/results.h"
#include "enginefixture.h"
#include "model/appsettings.h"
#include "report/report.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Store : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetOptions();
        QTest::failOnWarning(QRegularExpression(".*"));
    }

    // With S5.3.1 the angle brackets match as brackets (see the validator tests),
    // but the first and last character checks do not take them for brackets.
    void angleBracketsOnlyInBracketTables()
    {
        TestOptions.checkS5_3_1CheckBox = true;
        results store(TestOptions);
        store.setUpLanguage(QStringLiteral("de"), true, QStringLiteral("f.ts"));
        QVERIFY(!store.sourceRules.openingCharacters.contains(QLatin1Char('<')));
        QVERIFY(!store.sourceRules.closingCharacters.contains(QLatin1Char('>')));
        QVERIFY(!store.translationRules.openToClose.contains(QLatin1Char('<')));
    }

    // Keys read in QString order whatever the order they came in, the values of
    // a key oldest first; a merged map adds its values after those here.
    void findingMapOrder()
    {
        const QStringList keys {u"b"_s, u"\U0001F600"_s, u"ab"_s,  u"\uFFFD"_s,
                                u"a"_s, QString(),       u"abc"_s, u"B"_s};
        FindingMap map, later;
        for (int i = 0; i < keys.size(); ++i) {
            map.insert(keys.at(i), u"first"_s, 1, i);
            later.insert(keys.at(keys.size() - 1 - i), u"second"_s, 2, i);
        }
        map.removeValue(u"a"_s, 0);
        QVERIFY(!map.entries().contains(u"a"_s));
        map.insert(u"a"_s, u"again"_s, 1, 9);
        map.take(later, 100);
        QStringList sorted = keys;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(map.entries().keys(), sorted);
        QCOMPARE(map.size(), 3 * int(keys.size()));
        QCOMPARE(map.values(u"a"_s), (QStringList {u"second"_s, u"second"_s, u"again"_s}));
        *map.insert(u"b"_s, u"third"_s, 1, 5) = 7;
        const auto valuesOf = [&map](const QString &key) {
            const FindingEntries entries = map.entries();
            auto it = entries.cbegin();
            while (it != entries.cend() && it.key() != key)
                ++it;
            return it == entries.cend() ? FindingValues(nullptr, -1, nullptr, 0, -1) : it.value();
        };
        QCOMPARE(valuesOf(u"b"_s).messages(), (QList<int> {0, 107, 107, 5}));
        QCOMPARE(valuesOf(u"b"_s).related, 7);
        QCOMPARE(map.entries().first().texts(),
                 (QStringList {u"first"_s, u"second"_s, u"second"_s}));
        // Removing the oldest value of several keeps the others in order.
        map.removeValue(u"b"_s, 0);
        QCOMPARE(valuesOf(u"b"_s).texts(), (QStringList {u"second"_s, u"second"_s, u"third"_s}));
        QCOMPARE(valuesOf(u"b"_s).messages(), (QList<int> {107, 107, 5}));
        // A copy (a prepared store copied for each run) is a map of its own.
        FindingMap copy = map;
        copy.insert(u"b"_s, u"fourth"_s, 1, 6);
        copy.removeValue(u"b"_s, 1);
        QCOMPARE(valuesOf(u"b"_s).texts(), (QStringList {u"second"_s, u"second"_s, u"third"_s}));
    }

    // Each store checks with its own options, even interleaved and replaying
    // the outcomes of a source that comes back.
    void storesWithDifferentOptions()
    {
        AppSettingsRecord strict = defaultOptions();
        strict.checkS1_2SpinBox = 5; // longest source text
        results narrow(strict), wide;
        for (results *store : {&narrow, &wide}) {
            store->reuseSourceOutcomes = true;
            store->setUpLanguage(QStringLiteral("de"), true, QStringLiteral("f.ts"));
        }
        const QString text = QStringLiteral("Save the file");
        for (int round = 0; round < 2; ++round)
            for (results *store : {&narrow, &wide})
                store->checkMessage(text, text, QStringLiteral("C"), {QStringLiteral("a.cpp")},
                                    false, false, 0, QString(), QString());
        QCOMPARE(narrow.findings(CheckS1_2).size(), 2);
        QCOMPARE(wide.findings(CheckS1_2).size(), 0);
        QCOMPARE(narrow.options().checkS1_2SpinBox, 5);
        QCOMPARE(wide.options().checkS1_2SpinBox, defaultOptions().checkS1_2SpinBox);
    }

    // The first file of a run sets the rules; later files (and a second root
    // element of the same file) keep them. A language without rules (the prefix
    // match is case-sensitive) gets the fallback row; the source side stays English.
    void laterFiles_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<bool>("sameFile");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<QString>("decimalSeparator");
        const QString different
            = "Reading multible files with different languages. (%1 != %2). File f1.ts.";
        const auto add = [](const char *name, const QStringList &languages, bool sameFile,
                            const QStringList &problems, const char *decimalSeparator) {
            QTest::newRow(name) << languages << sameFile << problems << decimalSeparator;
        };
        add("same", {"de", "de"}, false, {}, ",");
        add("de and de_DE", {"de", "de_DE"}, false, {different.arg("de_DE", "de")}, ",");
        add("later file without language", {"de", ""}, false, {"Missing language in file f1.ts."},
            ",");
        add("first unknown, then fr", {"", "fr"}, false,
            {"Missing language in file f0.ts. Set to '---KVN UNKNOWN---'.",
             "Some checks will fail, because the language in unknown in f0.ts.",
             different.arg("fr", "---KVN UNKNOWN---")},
            ".");
        add("second root element", {"de", "ja"}, true,
            {"Reading multible files with different languages. (ja != de). File f0.ts.",
             "Languarges are too different. Some checks will fail."},
            ",");
        add("no rules", {"DE"}, true, {"Unknown rules for DE. Please contact Oskerbay."}, ".");
    }
    void laterFiles()
    {
        QFETCH(QStringList, languages);
        QFETCH(bool, sameFile);
        QFETCH(QStringList, problems);
        QFETCH(QString, decimalSeparator);
        results store;
        for (int i = 0; i < languages.size(); ++i)
            store.setUpLanguage(languages[i], sameFile,
                                QStringLiteral("f%1.ts").arg(sameFile ? 0 : i));
        QVERIFY(store.languageReady);
        QCOMPARE(store.items(Check_0), problems);
        QCOMPARE(store.catalogueLanguage,
                 languages[0].isEmpty() ? results::unknownLanguage() : languages[0]);
        QCOMPARE(store.translationRules.decimalSeparator, decimalSeparator);
        if (languages[0] == "DE")
            QCOMPARE(store.translationRules.maxNumerus, 99);
        QCOMPARE(store.sourceRules.maxNumerus, 2);
    }

    // After clear() a run reports as it does in a fresh store.
    void clearForgetsTheRun()
    {
        const auto run
            = [](results &store, const char *language, const char *translation) -> QString {
            store.setUpLanguage(QString::fromLatin1(language), true, QStringLiteral("a.ts"));
            store.checkMessage("a (b)", "c", "C", {"L"}, false, true, 0, {}, {}); // vanished
            store.checkMessage("a, (&b)", translation, "C", {"L"}, false, false, 0, {}, {});
            store.checkMessage("d", "", "C", {"L"}, true, false, 0, {}, {});
            store.runCatalogueChecks();
            return reportSummary(store, "p", 1) + logReport(store, {}, {}, true);
        };
        results fresh, reused;
        run(reused, "ja", "c");
        reused.acceleratorMarker = QStringLiteral("_");
        reused.clear();
        QCOMPARE(run(reused, "de", "e, (&f)"), run(fresh, "de", "e, (&f)"));
    }

    // A huge text that fails a check at every position: the findings of that check
    // for the message stop at the budget, and check "0" says so once, also when
    // the lists are not made (the shortest text that spends the doubled words').
    void findingBudget_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("listings");
        QTest::newRow("doubled characters") << "(" << int(CheckS8_4) << 300000 << true;
        QTest::newRow("markup nesting") << "</a>" << int(CheckS21_4) << 300000 << true;
        QTest::newRow("e-mail tokens") << "a@b@c " << int(CheckS20_1) << 300000 << true;
        QTest::newRow("doubled words") << "a " << int(CheckS13_1) << 300000 << true;
        QTest::newRow("doubled words, no lists") << "a " << int(CheckS13_1) << 1452 << false;
        QTest::newRow("e-mail tokens, no lists") << "a@b@c " << int(CheckS20_1) << 300000 << false;
    }
    void findingBudget()
    {
        QFETCH(QString, piece);
        QFETCH(int, index);
        QFETCH(int, length);
        QFETCH(bool, listings);
        resetOptions();
        const QString text = piece.repeated(length / piece.size());
        Engine engine;
        engine.store.recordListings = listings;
        engine.check(text, text);
        engine.store.runCatalogueChecks();
        qsizetype recorded = 0;
        const FindingMap &map = engine.store.findings(index);
        for (auto it = map.entries().cbegin(); it != map.entries().cend(); ++it)
            for (const FindingValueRef value : it.value())
                recorded += it.key().size() + value.text.size();
        for (const QString &item : engine.store.items(index))
            recorded += item.size();
        QVERIFY(recorded > 0);
        // Each item may add a heading of its own to the text.
        const qsizetype headings = 64 * (results::findingBudget / text.size() + 2);
        QVERIFY(recorded < results::findingBudget + 3 * text.size() + headings);
        const QString notice = QStringLiteral("Too many findings of check %1 in one text. Its "
                                              "further findings in this text are not reported.\n")
                                   .arg(QLatin1String(checkInfo(index).id))
                               + text.left(60) + QStringLiteral("...");
        QCOMPARE(engine.store.items(Check_0).count(notice), 1);
    }
};

QTEST_GUILESS_MAIN(tst_Store)
#include "tst_store.moc"
