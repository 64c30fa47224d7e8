#include "enginefixture.h"
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
