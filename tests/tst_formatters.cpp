#include "store/results.h"

#include <QtTest>

// Report blocks of both kinds of findings store.
class tst_Formatters : public QObject
{
    Q_OBJECT

private:
    static void fill(results &store, int index)
    {
        FindingMap &map = store.findings(index);
        results::recordFinding(map, QStringLiteral("b"), QStringLiteral("L1"));
        results::recordFinding(map, QStringLiteral("B"), QStringLiteral("L9"));
        results::recordFinding(map, QStringLiteral("b"), QStringLiteral("L2"));
        results::recordFinding(map, QStringLiteral("b"), QStringLiteral("L3"));
    }

private slots:
    void findings_data()
    {
        QTest::addColumn<bool>("filled");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<bool>("details");
        QTest::addColumn<bool>("locations");
        QTest::addColumn<bool>("listMode");
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("block");
        const QString h = QStringLiteral("Check S6.1: ");
        QTest::newRow("empty map")
            << false << true << true << true << false << false << h + "OK\n\n\n";
        QTest::newRow("empty map, no heading")
            << false << false << true << true << false << false << QStringLiteral("\n\n");
        QTest::newRow("empty map, html")
            << false << true << true << false << false << true << h + "OK<br /><br /><br />";
        QTest::newRow("plain with locations")
            << true << true << true << true << false << false
            << h + "Failed 4 time(s)\n\nL9\nB\n\nL3\nL2\nL1\nb\n\n\n";
        QTest::newRow("plain without locations") << true << true << true << false << false << false
                                                 << h + "Failed 4 time(s)\n\nB\n\nb\n\n\n";
        QTest::newRow("no details")
            << true << true << false << true << false << false << h + "Failed 4 time(s)\n\n\n";
        QTest::newRow("list mode")
            << true << true << true << false << true << false << h + "Found 4 item(s)\n\nB\nb\n\n";
        QTest::newRow("list mode with locations") << true << true << true << true << true << false
                                                  << h + "Found 4 item(s)\n\nL9B\n\nL3L2L1b\n\n\n";
        QTest::newRow("html warning")
            << true << true << true << false << false << true
            << h + "Failed 4 time(s)<br /><br />B<br /><br />b<br /><br /><br />";
        QTest::newRow("table mode") << true << true << true << false << true << true
                                    << h
                                           + "Found 4 item(s)<br /><table border=1>Bb</table>"
                                             "<br /><br />";
        QTest::newRow("table mode with locations")
            << true << true << true << true << true << true
            << h
                   + "Found 4 item(s)<br /><table border=1>L9B<br />L3L2L1b<br /></table>"
                     "<br /><br />";
    }
    void findings()
    {
        QFETCH(bool, filled);
        QFETCH(bool, heading);
        QFETCH(bool, details);
        QFETCH(bool, locations);
        QFETCH(bool, listMode);
        QFETCH(bool, html);
        QFETCH(QString, block);
        results store;
        if (filled)
            fill(store, CheckS6_1);
        QCOMPARE(store.formatFindings(CheckS6_1, heading, details, locations, listMode, html),
                 block);
    }

    void itemList_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("showItems");
        QTest::addColumn<QString>("block");
        QTest::newRow("empty") << QStringList() << true
                               << QStringLiteral("Check S15.1: Found 0 item(s)\n\n\n");
        QTest::newRow("items") << QStringList {"zeta", "Alpha"} << true
                               << QStringLiteral("Check S15.1: Found 2 item(s)\n\nzeta\nAlpha\n\n");
        QTest::newRow("hidden items") << QStringList {"zeta", "Alpha"} << false
                                      << QStringLiteral("Check S15.1: Found 2 item(s)\n\n\n");
    }
    void itemList()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, showItems);
        QFETCH(QString, block);
        results store;
        store.items(CheckS15_1) = items;
        QCOMPARE(store.formatItemList(CheckS15_1, true, showItems), block);
    }

    void headingsUseTheCheckId()
    {
        results store;
        QVERIFY(store.formatItemList(Check_0, true, true).startsWith("Check 0: "));
        QVERIFY(store.formatFindings(CheckT1_1b, true, true, false, false, false)
                    .startsWith("Check T1.1b: OK"));
        QVERIFY(store.formatFindings(CheckST21_1, true, true, false, false, false)
                    .startsWith("Check ST21.1: "));
    }

    void noEscaping()
    {
        results store;
        results::recordFinding(store.findings(CheckS14_3), QStringLiteral("<tr><td>a&b</td></tr>"),
                               QStringLiteral("x"));
        QVERIFY(store.formatFindings(CheckS14_3, true, true, false, true, true)
                    .contains("<tr><td>a&b</td></tr>"));
    }
};

QTEST_GUILESS_MAIN(tst_Formatters)
#include "tst_formatters.moc"
