// The message store: language set-up (the row of the catalogue's language, the
// problems of check 0, what later files of a run change), clear(), fileAssert and
// the finding budget. The marks of each language are tested through the checks
// that use them.

#include "enginefixture.h"
#include "store/appsettings.h"
#include "store/results.h"

#include <QtTest>

class tst_Store : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AppSettings = AppSettingsRecord();
        QTest::failOnWarning(QRegularExpression(".*"));
    }

    void rows_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("numerus");
        QTest::addColumn<QString>("decimalSeparator");
        QTest::addColumn<QStringList>("problems");
        const QString unknown = "Unknown rules for %1. Please contact Oskerbay.";
        QTest::newRow("de_DE takes de") << "de_DE" << 2 << "," << QStringList();
        QTest::newRow("se is unknown") << "se" << 99 << "." << QStringList {unknown.arg("se")};
        QTest::newRow("prefix is case-sensitive")
            << "DE" << 99 << "." << QStringList {unknown.arg("DE")};
        QTest::newRow("missing language")
            << "" << 99 << "."
            << QStringList {"Missing language in file f.ts. Set to '---KVN UNKNOWN---'.",
                            "Some checks will fail, because the language in unknown in f.ts."};
    }
    void rows()
    {
        QFETCH(QString, language);
        QFETCH(int, numerus);
        QFETCH(QString, decimalSeparator);
        QFETCH(QStringList, problems);
        results store;
        store.setUpLanguage(language, true, QStringLiteral("f.ts"));
        QVERIFY(store.languageReady);
        QCOMPARE(store.translationRules.maxNumerus, numerus);
        QCOMPARE(store.translationRules.decimalSeparator, decimalSeparator);
        QCOMPARE(store.items(Check_0), problems);
        // The source side is English whatever the catalogue says.
        QCOMPARE(store.sourceRules.maxNumerus, 2);
        QCOMPARE(store.sourceRules.decimalSeparator, QStringLiteral("."));
        QCOMPARE(store.catalogueLanguage,
                 language.isEmpty() ? results::unknownLanguage() : language);
    }

    // With S5.3.1 the angle brackets match as brackets, but the first and last
    // character checks do not take them for brackets.
    void angleBracketsOnlyInBracketTables()
    {
        AppSettings.checkS5_3_1CheckBox = true;
        results store;
        store.setUpLanguage(QStringLiteral("de"), true, QStringLiteral("f.ts"));
        QCOMPARE(store.sourceRules.openToClose.value(QLatin1Char('<')), QLatin1Char('>'));
        QCOMPARE(store.sourceRules.closeToOpen.value(QLatin1Char('>')), QLatin1Char('<'));
        QVERIFY(!store.sourceRules.openingCharacters.contains(QLatin1Char('<')));
        QVERIFY(!store.sourceRules.closingCharacters.contains(QLatin1Char('>')));
        QVERIFY(!store.translationRules.openToClose.contains(QLatin1Char('<')));
    }

    void laterFiles_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QStringList>("problems");
        const QString different
            = "Reading multible files with different languages. (%1 != %2). File f1.ts.";
        QTest::newRow("same") << QStringList {"de", "de"} << QStringList();
        QTest::newRow("de and de_DE")
            << QStringList {"de", "de_DE"} << QStringList {different.arg("de_DE", "de")};
        QTest::newRow("de and fr")
            << QStringList {"de", "fr"}
            << QStringList {different.arg("fr", "de"),
                            "Languarges are too different. Some checks will fail."};
        QTest::newRow("later file without language")
            << QStringList {"de", ""} << QStringList {"Missing language in file f1.ts."};
        QTest::newRow("first unknown, then fr")
            << QStringList {"", "fr"}
            << QStringList {"Missing language in file f0.ts. Set to '---KVN UNKNOWN---'.",
                            "Some checks will fail, because the language in unknown in f0.ts.",
                            different.arg("fr", "---KVN UNKNOWN---")};
    }
    void laterFiles()
    {
        QFETCH(QStringList, languages);
        QFETCH(QStringList, problems);
        results store;
        for (int i = 0; i < languages.size(); ++i)
            store.setUpLanguage(languages[i], false, QStringLiteral("f%1.ts").arg(i));
        QCOMPARE(store.items(Check_0), problems);
        // The first file's rules stay.
        QCOMPARE(store.catalogueLanguage,
                 languages[0].isEmpty() ? results::unknownLanguage() : languages[0]);
    }

    void secondRootElementKeepsTables()
    {
        results store;
        store.setUpLanguage(QStringLiteral("de"), true, QStringLiteral("f.ts"));
        const int pairs = store.translationRules.openToClose.size();
        store.setUpLanguage(QStringLiteral("fr"), true, QStringLiteral("f.ts"));
        QCOMPARE(store.translationRules.openToClose.size(), pairs);
        QCOMPARE(store.translationRules.decimalSeparator, QStringLiteral(","));
        QCOMPARE(store.catalogueLanguage, QStringLiteral("de"));
        QCOMPARE(store.items(Check_0).size(), 2);
    }

    void clearForgetsTheRun()
    {
        results store;
        store.setUpLanguage(QStringLiteral("ja"), true, QStringLiteral("a.ts"));
        store.checkMessage("a (b)", "c", "C", {"L"}, false, true, 0, {}, {}); // vanished
        store.checkMessage("a, (b)", "c", "C", {"L"}, false, false, 0, {}, {});
        store.checkMessage("d", "", "C", {"L"}, true, false, 0, {}, {});
        store.acceleratorMarker = QStringLiteral("_");
        store.runCatalogueChecks();

        store.clear();
        QVERIFY(!store.languageReady && store.catalogueLanguage.isEmpty());
        QVERIFY(store.emptyElements.isEmpty() && store.htmlSubsetTags.isEmpty());
        QVERIFY(store.htmlSubsetAttributes.isEmpty() && store.cssSubsetProperties.isEmpty());
        QCOMPARE(store.vanishedCount + store.sourceCount + store.translationCount
                     + store.unfinishedCount,
                 0);
        QCOMPARE(store.translationRules.maxNumerus, 99);
        QCOMPARE(store.translationRules.fullStop + store.translationRules.decimalSeparator, "..");
        QVERIFY(store.translationRules.openToClose.isEmpty()
                && store.sourceRules.openToClose.isEmpty());
        QCOMPARE(store.acceleratorMarker, QStringLiteral("&"));
        QVERIFY(store.sourceTexts.isEmpty() && store.translationTexts.isEmpty());
        QVERIFY(store.usedSourceCharacters.isEmpty() && store.usedTranslationCharacters.isEmpty());
        QVERIFY(store.firstTranslationOfSource.isEmpty()
                && store.firstSourceOfTranslation.isEmpty());
        for (int index = 0; index < CheckCount; ++index)
            QVERIFY(store.findings(index).isEmpty() && store.items(index).isEmpty());
    }

    void fileAssert_data()
    {
        QTest::addColumn<bool>("condition");
        QTest::addColumn<bool>("internal");
        QTest::addColumn<QStringList>("items");
        const QString message = "Unknown tag x.\nLine 3 in a.ts";
        const QString request = "\nPlease report this error to Oskerbay! I want to improve KVN.";
        QTest::newRow("true condition") << true << true << QStringList();
        QTest::newRow("plain problem") << false << false << QStringList {message};
        QTest::newRow("internal error") << false << true << QStringList {message + request};
    }
    void fileAssert()
    {
        QFETCH(bool, condition);
        QFETCH(bool, internal);
        QFETCH(QStringList, items);
        results store;
        if (!condition)
            QTest::ignoreMessage(internal ? QtCriticalMsg : QtInfoMsg, qPrintable(items.value(0)));
        store.fileAssert(condition, QStringLiteral("Unknown tag x.\nLine 3 in a.ts"), internal);
        QCOMPARE(store.items(Check_0), items);
    }

    // A huge text that fails a check at every position: the findings of that check
    // for the message stop at the budget, and check "0" says so once.
    void findingBudget_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("index");
        QTest::newRow("doubled characters") << "(" << int(CheckS8_4);
        QTest::newRow("markup nesting") << "</a>" << int(CheckS21_4);
        QTest::newRow("e-mail tokens") << "a@b@c " << int(CheckS20_1);
        QTest::newRow("doubled words") << "a " << int(CheckS13_1);
    }
    void findingBudget()
    {
        QFETCH(QString, piece);
        QFETCH(int, index);
        resetAppSettings();
        const QString text = piece.repeated(300000 / piece.size());
        Engine engine;
        engine.check(text, text);
        engine.store.runCatalogueChecks();
        qsizetype recorded = 0;
        const FindingMap &map = engine.store.findings(index);
        for (auto it = map.entries().cbegin(); it != map.entries().cend(); ++it)
            for (const QString &value : it.value())
                recorded += it.key().size() + value.size();
        for (const QString &item : engine.store.items(index))
            recorded += item.size();
        QVERIFY(recorded > 0);
        QVERIFY(recorded < results::findingBudget + 3 * text.size());
        const QString notice = QStringLiteral("Too many findings of check %1 in one text. Its "
                                              "further findings in this text are not reported.\n")
                                   .arg(QLatin1String(checkInfo(index).id))
                               + text.left(60) + QStringLiteral("...");
        QCOMPARE(engine.store.items(Check_0).count(notice), 1);
    }
};

QTEST_GUILESS_MAIN(tst_Store)
#include "tst_store.moc"
