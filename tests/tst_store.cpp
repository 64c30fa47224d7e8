// The message store: clear() leaves nothing of a run behind; fileAssert.

#include "store/appsettings.h"
#include "store/results.h"

#include <QtTest>

class tst_Store : public QObject
{
    Q_OBJECT

private slots:
    void clearForgetsTheRun()
    {
        results store;
        const LanguageRules english = store.sourceRules;
        const LanguageRules unknown = store.translationRules;
        store.setUpLanguage(QStringLiteral("ja"), true, QStringLiteral("a.ts"));
        store.checkMessage("a (b)", "c", "C", {"L"}, false, true, 0, {}, {}); // vanished
        store.checkMessage("a, (b)", "c", "C", {"L"}, false, false, 0, {}, {});
        store.checkMessage("d", "", "C", {"L"}, true, false, 0, {}, {});
        store.acceleratorMarker = QStringLiteral("_");
        store.fileAssert(false, QStringLiteral("problem"));
        store.runCatalogueChecks();

        store.clear();
        QVERIFY(!store.languageReady && store.catalogueLanguage.isEmpty());
        QVERIFY(store.emptyElements.isEmpty() && store.htmlSubsetTags.isEmpty());
        QVERIFY(store.htmlSubsetAttributes.isEmpty() && store.cssSubsetProperties.isEmpty());
        QCOMPARE(store.vanishedCount + store.sourceCount + store.translationCount
                     + store.unfinishedCount,
                 0);
        for (const auto *rules : {&store.sourceRules, &store.translationRules}) {
            const LanguageRules &expected = rules == &store.sourceRules ? english : unknown;
            QCOMPARE(rules->maxNumerus, expected.maxNumerus);
            QCOMPARE(rules->script, expected.script);
            QCOMPARE(rules->fullStop + rules->colon + rules->decimalSeparator,
                     expected.fullStop + expected.colon + expected.decimalSeparator);
            QVERIFY(rules->openToClose.isEmpty() && rules->openingCharacters.isEmpty());
        }
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
};

QTEST_GUILESS_MAIN(tst_Store)
#include "tst_store.moc"
