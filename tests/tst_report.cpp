// Report assembly from the check catalogue: what the golden outputs (every box
// checked, no locations, no HTML) do not show: the other block modes, unchecked
// boxes, the summary warnings and the batch log's text.

#include "checks/results.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "readertest.h"
#include "report/report.h"

#include <QtTest>

namespace {

ReportOptions allBoxes(bool checked)
{
    ReportOptions options;
    options.boxChecked = [checked](int) { return checked; };
    return options;
}

} // namespace

class ReportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { readertest::setUpTestCase(); }

    void findingsBlock_data()
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
        add("empty map, html", n, y, n, n, y, "OK<br /><br /><br />");
        add("no details", y, n, y, n, n, "Failed 4 time(s)\n\n\n");
        add("plain, locations", y, y, y, n, n, "Failed 4 time(s)\n\nL9\nB\n\nL3\nL2\nL1\nb\n\n\n");
        add("list, locations", y, y, y, y, n, "Found 4 item(s)\n\nL9B\n\nL3L2L1b\n\n\n");
        add("html", y, y, n, n, y, "Failed 4 time(s)<br /><br />B<br /><br />b<br /><br /><br />");
        add("table", y, y, n, y, y, "Found 4 item(s)<br /><table border=1>Bb</table><br /><br />");
        add("table, locations", y, y, y, y, y,
            "Found 4 item(s)<br /><table border=1>L9B<br />L3L2L1b<br /></table><br /><br />");
    }
    void findingsBlock()
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

    void itemListBlock()
    {
        results store;
        store.items(CheckS15_1) = QStringList {"zeta", "Alpha"};
        QCOMPARE(store.formatItemList(CheckS15_1, true, false),
                 QStringLiteral("Check S15.1: Found 2 item(s)\n\n\n"));
    }

    // An empty source or translation warns (the corpus has no empty source).
    void summaryWarnings()
    {
        results store;
        store.sourceCount = 3;
        store.translationCount = 2;
        store.unfinishedCount = 1;
        store.translationRules.maxNumerus = 2;
        for (int i = 0; i < 2; ++i) {
            results::recordFinding(store.findings(CheckS1_1), "empty", QString::number(i));
            results::recordFinding(store.findings(CheckT1_1), "s", "c");
        }
        QCOMPARE(reportSummary(store, QStringLiteral("p"), 1),
                 "Read file p.\nRead 3 sources.\nWarning! 2 sources are empty! Compare Check "
                 "S1.1.\nRead 2 translations. 1 are marked as unfinished.\nWarning! 2 translations "
                 "are empty! Compare Check T1.1.\n\n\n");
    }

    void tabDetails()
    {
        results store;
        store.unfinishedCount = 4;
        results::recordFinding(store.findings(CheckT1_1), "source", "Context");
        results::recordFinding(store.findings(CheckS0), "numerus", "a.cpp   Line: 1");
        ReportOptions options = allBoxes(true);
        options.printLocation = true;
        QVERIFY(tabReport(store, "T1", {}, {}, options)
                    .startsWith("Check T1.1: Failed 1 time(s)\n\nContext\nsource\n\n\n"
                                "4 marked as unfinished\n\nCheck T1.1b: OK\n"));

        // An unchecked box hides the details, not the count; the fixed boxes always show.
        const ReportOptions unchecked = allBoxes(false);
        QVERIFY(tabReport(store, "T1", {}, {}, unchecked)
                    .startsWith("Check T1.1: Failed 1 time(s)\n\n\n4 marked as unfinished"));
        QVERIFY(tabReport(store, "ST0", {}, {}, unchecked)
                    .contains("Check S0: Failed 1 time(s)\n\nnumerus\n"));
        QCOMPARE(logReport(store, "H", "S", true), tabReport(store, "ST0", "H", "S", options));
    }

    void listingTabs()
    {
        results store;
        results::recordFinding(store.findings(CheckS14_3), "<tr><td>Ctrl+S</td></tr>", "a.cpp");
        ReportOptions options = allBoxes(true);
        QVERIFY(tabReport(store, "S14", "H", {}, options)
                    .contains("Check S14.3: Found 1 item(s)\n\n<tr><td>Ctrl+S</td></tr>\n\n"));
        QVERIFY(!tabReportIsHtml("S14", options));

        options.htmlS14 = true;
        QVERIFY(tabReportIsHtml("S14", options) && !tabReportIsHtml("T14", options));
        const QString html = tabReport(store, "S14", "H", {}, options);
        QVERIFY(html.startsWith("H<br /><br />Check S14.1: OK<br /><br /><br />"));
        QVERIFY(html.contains("Check S14.3: Found 1 item(s)<br /><table border=1><tr><td>Ctrl+S"
                              "</td></tr></table><br /><br />"));
    }

    // A partially checked box counts as checked.
    void optionsFromSettings()
    {
        AppSettingsRecord settings = defaultOptions();
        settings.checkT1_2CheckBox = 1;
        settings.checkT1_3CheckBox = 0;
        settings.printLocationCheckBox = true;
        const ReportOptions options = reportOptions(settings);
        QVERIFY(options.boxChecked(CheckT1_2) && !options.boxChecked(CheckT1_3));
        QVERIFY(options.printLocation);
    }
};

QTEST_GUILESS_MAIN(ReportTest)
#include "tst_report.moc"
