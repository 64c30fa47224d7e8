// Report assembly: header, summary lines, the tab texts and the batch log.

#include "checks/catalogue.h"
#include "checks/report.h"
#include "readertest.h"
#include "store/appsettings.h"
#include "store/results.h"
#include "store/run.h"

#include <QRegularExpression>
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

    void header()
    {
        QCOMPARE(reportHeader(QTime(9, 5, 7)),
                 QStringLiteral("Last checks were done at 09:05:07\n\n"));
    }

    void summary_data()
    {
        QTest::addColumn<int>("fileCount");
        QTest::addColumn<int>("empty"); // empty sources and empty translations
        QTest::addColumn<int>("translationNumerus");
        QTest::addColumn<int>("vanished");
        QTest::addColumn<QString>("expected");
        const QString counts
            = "Read 3 sources.\nRead 2 translations. 1 are marked as unfinished.\n";
        QTest::newRow("several files")
            << 4 << 0 << 2 << 0 << "Read 4 files in p.\n" + counts + "\n\n";
        QTest::newRow("no file") << 0 << 0 << 2 << 0 << counts + "\n\n";
        QTest::newRow("one file, empty texts")
            << 1 << 2 << 2 << 0
            << "Read file p.\nRead 3 sources.\nWarning! 2 sources are empty! Compare Check S1.1.\n"
               "Read 2 translations. 1 are marked as unfinished.\nWarning! 2 translations are "
               "empty! Compare Check T1.1.\n\n\n";
        QTest::newRow("numerus and vanished")
            << 4 << 0 << 99 << 5
            << "Read 4 files in p.\n" + counts
                   + "The number of read sources and translations might be different because "
                     "the source use 2 numerus while the translation uses 99 numerus.\n"
                     "5 vanished sources (and translations) not imported.\n\n\n";
    }
    void summary()
    {
        QFETCH(int, fileCount);
        QFETCH(int, empty);
        QFETCH(int, translationNumerus);
        QFETCH(int, vanished);
        QFETCH(QString, expected);
        results store;
        store.sourceCount = 3;
        store.translationCount = 2;
        store.unfinishedCount = 1;
        store.vanishedCount = vanished;
        store.translationRules.maxNumerus = translationNumerus;
        for (int i = 0; i < empty; ++i) {
            results::recordFinding(store.findings(CheckS1_1), "empty", QString::number(i));
            results::recordFinding(store.findings(CheckT1_1), "s", "c");
        }
        setDiagnosticsToStandardError(true);
        QCOMPARE(reportSummary(store, QStringLiteral("p"), fileCount), expected);
    }

    void tabHeadings_data()
    {
        QTest::addColumn<QString>("tab");
        for (const QString &tab : tabNames())
            QTest::newRow(qPrintable(tab)) << tab;
    }
    // Every tab holds one block per check of the catalogue, in index order, behind
    // the header (and, in tab ST0, the summary).
    void tabHeadings()
    {
        QFETCH(QString, tab);
        results store;
        const QString text = tabReport(store, tab, "H\n\n", "S\n\n", allBoxes(true));
        QStringList headings;
        const QRegularExpression heading(QStringLiteral("Check ([0-9A-Z.b]+): "));
        for (auto it = heading.globalMatch(text); it.hasNext();)
            headings.append(it.next().captured(1));
        QStringList expected;
        for (int index : checksOfTab(tab))
            expected.append(QLatin1String(checkInfo(index).id));
        QCOMPARE(headings, expected);
        QVERIFY(text.startsWith(tab == "ST0" ? "H\n\nS\n\nCheck 0: " : "H\n\nCheck "));
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

    void optionsFromSettings()
    {
        AppSettings.checkT1_2CheckBox = 1;
        AppSettings.checkT1_3CheckBox = 0;
        AppSettings.checkS1_1CheckBox = false;
        AppSettings.checkS1_2CheckBox = true;
        AppSettings.printLocationCheckBox = true;
        const ReportOptions options = reportOptionsFromSettings();
        QVERIFY(options.boxChecked(CheckT1_2)); // partially checked counts as checked
        QVERIFY(!options.boxChecked(CheckT1_3) && !options.boxChecked(CheckS1_1));
        QVERIFY(options.boxChecked(CheckS1_2) && options.printLocation);
    }

    void writeLog()
    {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        results store;
        store.fileAssert(false, QStringLiteral("a problem"));
        AppSettings.printLocationCheckBox = false;
        QVERIFY(writeResults("/some/dir", 2, "de.ts", store));
        QVERIFY(!writeResults("/some/dir", 2, "missing/de.ts", store));
        QDir::setCurrent(previous);

        QFile log(dir.filePath(QStringLiteral("de.ts-LOG.txt")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY(text.startsWith("Last checks were done at "));
        QCOMPARE(text.section('\n', 2),
                 reportSummary(store, "/some/dir", 2) + logReport(store, {}, {}, false));
        QVERIFY(text.contains("Check 0: Found 1 item(s)\n\na problem\n"));
    }
};

QTEST_GUILESS_MAIN(ReportTest)
#include "tst_report.moc"
