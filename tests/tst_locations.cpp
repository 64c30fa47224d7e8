// Where findings stand: the catalogue lines the readers hand over with each
// message, and the kvn-ignore comments that silence findings.

#include "input/readers.h"
#include "readertest.h"

#include <QtTest>

using namespace readertest;

class tst_Locations : public QObject
{
    Q_OBJECT

    // tests/data/locations: a.po and a.ts, each with kvn-ignore comments and a
    // problem at its end.
    static QString path(const QString &name) { return dataPath("locations/" + name); }
    static void read(const QString &name, results &store)
    {
        if (name.endsWith(QLatin1String(".ts")))
            readTsFile(true, path(name), &store);
        else
            readPoFile(true, path(name), &store);
    }

    // T4.2 fully checked: the partially checked default would skip the
    // translations whose source fails S4.2 too.
    static AppSettingsRecord options()
    {
        AppSettingsRecord record = defaultOptions();
        record.checkT4_2CheckBox = 2;
        return record;
    }

    // The lines of every occurrence of a check, in ascending order.
    static QList<int> lines(const results &store, int index)
    {
        QList<int> found;
        if (index == Check_0) {
            for (const ItemOrigin &origin : store.itemOrigins())
                found.append(origin.line);
        }
        const auto &entries = store.findings(index).entries();
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            for (const int message : it->messages())
                found.append(message < 0 ? -1 : findingLine(store.messages().at(message), index));
        std::sort(found.begin(), found.end());
        return found;
    }

private slots:
    void initTestCase() { setUpTestCase(); }

    void findingLines_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("honour");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QList<int>>("expected");
        // S findings at the msgid / <source>, T and ST at the msgstr[n] / <numerusform>.
        QTest::newRow("po source") << "a.po" << true << "S4.2" << QList<int> {8, 12};
        QTest::newRow("po translation") << "a.po" << true << "T4.2" << QList<int> {13, 24};
        QTest::newRow("po plural form") << "a.po" << true << "T1.1" << QList<int> {19, 27};
        QTest::newRow("po problem") << "a.po" << true << "0" << QList<int> {27, 27};
        QTest::newRow("po no-ignore S") << "a.po" << false << "S4.2" << QList<int> {8, 12, 23};
        QTest::newRow("po no-ignore T") << "a.po" << false << "T4.2" << QList<int> {9, 13, 24};
        QTest::newRow("ts source") << "a.ts" << true << "S4.2" << QList<int> {8};
        QTest::newRow("ts translation") << "a.ts" << true << "T4.2" << QList<int> {24};
        QTest::newRow("ts numerus form") << "a.ts" << true << "T1.1" << QList<int> {17};
        QTest::newRow("ts problem") << "a.ts" << true << "0" << QList<int> {26};
        QTest::newRow("ts no-ignore S") << "a.ts" << false << "S4.2" << QList<int> {8, 22};
        QTest::newRow("ts no-ignore T") << "a.ts" << false << "T4.2" << QList<int> {10, 24};
    }
    void findingLines()
    {
        QFETCH(QString, file);
        QFETCH(bool, honour);
        QFETCH(QString, check);
        QFETCH(QList<int>, expected);
        results store(options());
        store.honourSuppressions = honour;
        read(file, store);
        QCOMPARE(lines(store, checkIndexOf(check)), expected);
        QCOMPARE(store.files(), QStringList {path(file)});
    }

    void silencedCountsAndUnknownIds_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("unknown");
        QTest::newRow("po") << "a.po"
                            << ":21: kvn-ignore names no check: X9";
        QTest::newRow("ts") << "a.ts"
                            << ":23: kvn-ignore names no check: Q1";
    }
    void silencedCountsAndUnknownIds()
    {
        QFETCH(QString, file);
        QFETCH(QString, unknown);
        results store(options());
        read(file, store);
        QCOMPARE(store.silencedCount(CheckS4_2), 1);
        QCOMPARE(store.silencedCount(CheckT4_2), 1);
        QCOMPARE(store.suppressionProblems(), QStringList {path(file) + unknown});
        // The record names the message once for all its findings.
        const auto &entries = store.findings(CheckT4_2).entries();
        const MessageRecord &record = store.messages().at(entries.first().at(0).message);
        QCOMPARE(record.source, QStringLiteral("Close "));
        QCOMPARE(record.translation, QStringLiteral("Schließen "));
        QCOMPARE(record.context,
                 file.endsWith(QLatin1String(".ts")) ? QStringLiteral("Dialog") : path(file));
    }

    void selectors_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QStringList>("some");
        QTest::addColumn<QStringList>("others");
        QTest::newRow("id") << "T8.2" << QStringList {"T8.2"} << QStringList {"T8.1", "ST8.2"};
        QTest::newRow("group") << "T1" << QStringList {"T1.1", "T1.1b", "T1.3"}
                               << QStringList {"T10.1", "ST1.1", "S1.1"};
        QTest::newRow("family S") << "S*" << QStringList {"S0", "S21.4"}
                                  << QStringList {"ST1.1", "T1.1", "0"};
        QTest::newRow("any case") << "t1" << QStringList {"T1.1", "T1.1b"}
                                  << QStringList {"ST1.1", "S1.1"};
        QTest::newRow("family ST")
            << "ST*" << QStringList {"ST0", "ST21.1"} << QStringList {"S1.1", "T1.1"};
        QTest::newRow("all") << "*" << QStringList {"0", "S1.1", "T1.1", "ST1.1"} << QStringList {};
        QTest::newRow("unknown") << "T99" << QStringList {} << QStringList {"T9.1"};
    }
    void selectors()
    {
        QFETCH(QString, selector);
        QFETCH(QStringList, some);
        QFETCH(QStringList, others);
        std::bitset<CheckCount> checks;
        QCOMPARE(selectChecks(selector, checks), !some.isEmpty());
        for (const QString &id : some)
            QVERIFY2(checks.test(size_t(checkIndexOf(id))), qPrintable(id));
        for (const QString &id : others)
            QVERIFY2(!checks.test(size_t(checkIndexOf(id))), qPrintable(id));
    }
};

QTEST_GUILESS_MAIN(tst_Locations)
#include "tst_locations.moc"
