// Report blocks of both kinds of findings store, in every mode.

#include "store/results.h"

#include <QtTest>

class tst_Formatters : public QObject
{
    Q_OBJECT

private slots:
    void findings_data()
    {
        QTest::addColumn<bool>("filled");
        QTest::addColumn<bool>("details");
        QTest::addColumn<bool>("locations");
        QTest::addColumn<bool>("listMode");
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("block"); // behind "Check S6.1: "

        const auto add = [](const char *name, bool filled, bool details, bool locations,
                            bool listMode, bool html, const char *block) {
            QTest::newRow(name) << filled << details << locations << listMode << html << block;
        };
        const bool y = true, n = false;
        add("empty map", n, y, y, n, n, "OK\n\n\n");
        add("empty map, html", n, y, n, n, y, "OK<br /><br /><br />");
        add("no details", y, n, y, n, n, "Failed 4 time(s)\n\n\n");
        add("plain", y, y, n, n, n, "Failed 4 time(s)\n\nB\n\nb\n\n\n");
        add("plain, locations", y, y, y, n, n, "Failed 4 time(s)\n\nL9\nB\n\nL3\nL2\nL1\nb\n\n\n");
        add("list", y, y, n, y, n, "Found 4 item(s)\n\nB\nb\n\n");
        add("list, locations", y, y, y, y, n, "Found 4 item(s)\n\nL9B\n\nL3L2L1b\n\n\n");
        add("html", y, y, n, n, y, "Failed 4 time(s)<br /><br />B<br /><br />b<br /><br /><br />");
        add("table", y, y, n, y, y, "Found 4 item(s)<br /><table border=1>Bb</table><br /><br />");
        add("table, locations", y, y, y, y, y,
            "Found 4 item(s)<br /><table border=1>L9B<br />L3L2L1b<br /></table><br /><br />");
    }
    void findings()
    {
        QFETCH(bool, filled);
        QFETCH(bool, details);
        QFETCH(bool, locations);
        QFETCH(bool, listMode);
        QFETCH(bool, html);
        QFETCH(QString, block);
        results store;
        if (filled)
            for (const char *pair : {"bL1", "BL9", "bL2", "bL3"})
                results::recordFinding(store.findings(CheckS6_1), QString(QLatin1Char(pair[0])),
                                       QLatin1String(pair + 1));
        QCOMPARE(store.formatFindings(CheckS6_1, true, details, locations, listMode, html),
                 QStringLiteral("Check S6.1: ") + block);
    }

    void itemList()
    {
        results store;
        store.items(CheckS15_1) = QStringList {"zeta", "Alpha"};
        QCOMPARE(store.formatItemList(CheckS15_1, true, true),
                 QStringLiteral("Check S15.1: Found 2 item(s)\n\nzeta\nAlpha\n\n"));
        QCOMPARE(store.formatItemList(CheckS15_1, true, false),
                 QStringLiteral("Check S15.1: Found 2 item(s)\n\n\n"));
    }
};

QTEST_GUILESS_MAIN(tst_Formatters)
#include "tst_formatters.moc"
