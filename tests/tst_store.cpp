#include "store/appsettings.h"
#include "store/results.h"

#include <QtTest>

class tst_Store : public QObject
{
    Q_OBJECT

private slots:
    void clearRestoresEveryDefault()
    {
        results store;
        store.setUpLanguage(QStringLiteral("ja"), true, QStringLiteral("a.ts"));
        store.vanishedCount = 3;
        store.sourceCount = 4;
        store.translationCount = 5;
        store.unfinishedCount = 6;
        store.acceleratorMarker = QStringLiteral("_");
        store.sourceTexts.insert(QStringLiteral("x"));
        store.translationTexts.insert(QStringLiteral("y"));
        store.usedSourceCharacters.insert(QStringLiteral("x"));
        store.firstTranslationOfSource.insert(QStringLiteral("x"), QStringLiteral("y"));
        store.fileAssert(false, QStringLiteral("problem"));
        results::recordFinding(store.findings(CheckT6_1), QStringLiteral("k"), QStringLiteral("v"));
        store.items(CheckS15_1).append(QStringLiteral("word"));

        store.clear();
        QVERIFY(!store.languageReady);
        QVERIFY(store.emptyElements.isEmpty() && store.htmlSubsetTags.isEmpty());
        QVERIFY(store.htmlSubsetAttributes.isEmpty() && store.cssSubsetProperties.isEmpty());
        QCOMPARE(store.vanishedCount + store.sourceCount + store.translationCount
                     + store.unfinishedCount,
                 0);
        QVERIFY(store.catalogueLanguage.isEmpty());
        const LanguageRules &t = store.translationRules;
        QCOMPARE(t.maxNumerus, 99);
        QCOMPARE(t.script, -1);
        QCOMPARE(QStringList(
                     {t.decimalSeparator, t.questionMark, t.exclamationMark, t.fullStop, t.colon}),
                 QStringList({".", "?", "!", ".", ":"}));
        QVERIFY(t.openToClose.isEmpty() && t.closeToOpen.isEmpty());
        QVERIFY(t.openingCharacters.isEmpty() && t.closingCharacters.isEmpty());
        const LanguageRules &s = store.sourceRules;
        QCOMPARE(s.maxNumerus, 2);
        QCOMPARE(s.script, 3);
        QVERIFY(s.openToClose.isEmpty() && s.openingCharacters.isEmpty());
        QCOMPARE(store.acceleratorMarker, QStringLiteral("&"));
        QCOMPARE(store.argumentMarker, QStringLiteral("%"));
        QVERIFY(store.sourceTexts.isEmpty() && store.translationTexts.isEmpty());
        QVERIFY(store.usedSourceCharacters.isEmpty());
        QVERIFY(store.firstTranslationOfSource.isEmpty());
        for (int index = 0; index < CheckCount; ++index) {
            QVERIFY(store.findings(index).isEmpty());
            QVERIFY(store.items(index).isEmpty());
        }
    }

    void fileAssert_data()
    {
        QTest::addColumn<bool>("condition");
        QTest::addColumn<bool>("internal");
        QTest::addColumn<QStringList>("items");
        const QString message = QStringLiteral("Unknown tag x.\nLine 3 in a.ts");
        QTest::newRow("true condition") << true << true << QStringList();
        QTest::newRow("plain problem") << false << false << QStringList {message};
        QTest::newRow("internal error")
            << false << true
            << QStringList {message
                            + "\nPlease report this error to Oskerbay! I want to improve KVN."};
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
