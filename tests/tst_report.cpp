// Report assembly: header, summary lines, the tab texts and the batch log.

#include "checks/catalogue.h"
#include "checks/report.h"
#include "readertest.h"
#include "store/appsettings.h"
#include "store/results.h"
#include "store/run.h"

#include <QRegularExpression>
#include <QtTest>

using namespace readertest;

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
    void initTestCase() { setUpTestCase(); }
    void header();
    void summary_data();
    void summary();
    void tabHeadings_data();
    void tabHeadings();
    void tabDetails();
    void listingTabs();
    void optionsFromSettings();
    void writeLog();
};

void ReportTest::header()
{
    QCOMPARE(reportHeader(QTime(9, 5, 7)), QStringLiteral("Last checks were done at 09:05:07\n\n"));
}

void ReportTest::summary_data()
{
    QTest::addColumn<int>("fileCount");
    QTest::addColumn<QList<int>>("counts"); // sources, translations, unfinished, vanished
    QTest::addColumn<int>("emptySources");
    QTest::addColumn<int>("emptyTranslations");
    QTest::addColumn<int>("translationNumerus");
    QTest::addColumn<QString>("expected");
    const QString counts = "Read 3 sources.\nRead 2 translations. 1 are marked as unfinished.\n";
    QTest::newRow("one file") << 1 << QList<int>{3, 2, 1, 0} << 0 << 0 << 2
                              << "Read file p.\n" + counts + "\n\n";
    QTest::newRow("several files") << 4 << QList<int>{3, 2, 1, 0} << 0 << 0 << 2
                                   << "Read 4 files in p.\n" + counts + "\n\n";
    QTest::newRow("no file") << 0 << QList<int>{3, 2, 1, 0} << 0 << 0 << 2 << counts + "\n\n";
    QTest::newRow("empty texts")
            << 1 << QList<int>{3, 2, 1, 0} << 3 << 1 << 2
            << "Read file p.\nRead 3 sources.\nWarning! 3 sources are empty! Compare Check S1.1.\n"
               "Read 2 translations. 1 are marked as unfinished.\nWarning! 1 translations are "
               "empty! Compare Check T1.1.\n\n\n";
    QTest::newRow("numerus and vanished")
            << 1 << QList<int>{3, 2, 1, 5} << 0 << 0 << 99
            << "Read file p.\n" + counts
                       + "The number of read sources and translations might be different because "
                         "the source use 2 numerus while the translation uses 99 numerus.\n"
                         "5 vanished sources (and translations) not imported.\n\n\n";
}

void ReportTest::summary()
{
    QFETCH(int, fileCount);
    QFETCH(QList<int>, counts);
    QFETCH(int, emptySources);
    QFETCH(int, emptyTranslations);
    QFETCH(int, translationNumerus);
    QFETCH(QString, expected);
    results store;
    store.sourceCount = counts[0];
    store.translationCount = counts[1];
    store.unfinishedCount = counts[2];
    store.vanishedCount = counts[3];
    store.translationRules.maxNumerus = translationNumerus;
    for (int i = 0; i < emptySources; ++i)
        results::recordFinding(store.findings(CheckS1_1), QStringLiteral("empty"),
                               QString::number(i));
    for (int i = 0; i < emptyTranslations; ++i)
        results::recordFinding(store.findings(CheckT1_1), QStringLiteral("s"), QStringLiteral("c"));
    setDiagnosticsToStandardError(true);
    QCOMPARE(reportSummary(store, QStringLiteral("p"), fileCount), expected);
}

void ReportTest::tabHeadings_data()
{
    QTest::addColumn<QString>("tab");
    for (const QString &tab : tabNames())
        QTest::newRow(qPrintable(tab)) << tab;
}

// Every tab holds one block per check of the catalogue, in index order, behind
// the header (and, in tab ST0, the summary).
void ReportTest::tabHeadings()
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

void ReportTest::tabDetails()
{
    results store;
    store.unfinishedCount = 4;
    results::recordFinding(store.findings(CheckT1_1), QStringLiteral("source"),
                           QStringLiteral("Context"));
    results::recordFinding(store.findings(CheckS0), QStringLiteral("numerus"),
                           QStringLiteral("a.cpp   Line: 1"));
    ReportOptions options = allBoxes(true);
    options.printLocation = true;
    const QString t1 = tabReport(store, QStringLiteral("T1"), QString(), QString(), options);
    QVERIFY(t1.startsWith("Check T1.1: Failed 1 time(s)\n\nContext\nsource\n\n\n"
                          "4 marked as unfinished\n\nCheck T1.1b: OK\n"));

    // An unchecked box hides the details, not the count; the fixed boxes always show.
    const ReportOptions unchecked = allBoxes(false);
    const QString hidden = tabReport(store, QStringLiteral("T1"), QString(), QString(), unchecked);
    QVERIFY(hidden.startsWith("Check T1.1: Failed 1 time(s)\n\n\n4 marked as unfinished"));
    const QString st0 = tabReport(store, QStringLiteral("ST0"), QString(), QString(), unchecked);
    QVERIFY(st0.contains("Check S0: Failed 1 time(s)\n\nnumerus\n"));
    QCOMPARE(logReport(store, "H", "S", true),
             tabReport(store, QStringLiteral("ST0"), "H", "S", options));
}

void ReportTest::listingTabs()
{
    results store;
    results::recordFinding(store.findings(CheckS14_3), QStringLiteral("<tr><td>Ctrl+S</td></tr>"),
                           QStringLiteral("a.cpp"));
    ReportOptions options = allBoxes(true);
    const QString plain = tabReport(store, QStringLiteral("S14"), "H", QString(), options);
    QVERIFY(plain.contains("Check S14.3: Found 1 item(s)\n\n<tr><td>Ctrl+S</td></tr>\n\n"));
    QVERIFY(!tabReportIsHtml(QStringLiteral("S14"), options));

    options.htmlS14 = true;
    QVERIFY(tabReportIsHtml(QStringLiteral("S14"), options));
    QVERIFY(!tabReportIsHtml(QStringLiteral("T14"), options));
    const QString html = tabReport(store, QStringLiteral("S14"), "H", QString(), options);
    QVERIFY(html.startsWith("H<br /><br />Check S14.1: OK<br /><br /><br />"));
    QVERIFY(html.contains("Check S14.3: Found 1 item(s)<br /><table border=1><tr><td>Ctrl+S"
                          "</td></tr></table><br /><br />"));

    QVERIFY(isListingFindingsCheck(CheckT14_4) && !isWarningCheck(CheckT14_4));
    QVERIFY(isWarningCheck(CheckS0) && !isWarningCheck(CheckST0) && !isWarningCheck(CheckS15_1));
}

void ReportTest::optionsFromSettings()
{
    AppSettings.checkT1_2CheckBox = 1;
    AppSettings.checkT1_3CheckBox = 0;
    AppSettings.checkS1_1CheckBox = false;
    AppSettings.checkS1_2CheckBox = true;
    AppSettings.printLocationCheckBox = true;
    const ReportOptions options = reportOptionsFromSettings();
    QVERIFY(options.boxChecked(CheckT1_2)); // partially checked counts as checked
    QVERIFY(!options.boxChecked(CheckT1_3));
    QVERIFY(!options.boxChecked(CheckS1_1));
    QVERIFY(options.boxChecked(CheckS1_2));
    QVERIFY(options.printLocation);
}

void ReportTest::writeLog()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    results store;
    store.fileAssert(false, QStringLiteral("a problem"));
    AppSettings.printLocationCheckBox = false;
    QVERIFY(writeResults(QStringLiteral("/some/dir"), 2, QStringLiteral("de.ts"), store));
    QVERIFY(!writeResults(QStringLiteral("/some/dir"), 2, QStringLiteral("missing/de.ts"), store));
    QDir::setCurrent(previous);

    QFile log(dir.filePath(QStringLiteral("de.ts-LOG.txt")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    QVERIFY(text.startsWith("Last checks were done at "));
    QCOMPARE(text.section('\n', 2), reportSummary(store, QStringLiteral("/some/dir"), 2)
                                            + logReport(store, QString(), QString(), false));
    QVERIFY(text.contains("Check 0: Found 1 item(s)\n\na problem\n"));
}

QTEST_GUILESS_MAIN(ReportTest)
#include "tst_report.moc"
