// Counting many patterns at once gives what QString::count gives for each.

#include "checks/occurrences.h"

#include <QRandomGenerator>
#include <QtTest>

class OccurrencesTest : public QObject
{
    Q_OBJECT

private slots:
    void sameAsCount_data();
    void sameAsCount();
};

void OccurrencesTest::sameAsCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("patterns");
    QTest::newRow("overlapping") << "aaaa" << QStringList {"a", "aa", "aaa", "aaaaa"};
    QTest::newRow("suffixes of one another")
        << "she sells sea shells" << QStringList {"he", "she", "s", "hers", "ells", "l"};
    QTest::newRow("tags") << "<b><a href='x'>x</a></b><b>"
                          << QStringList {"<b>", "</b>", "<a href='x'>"};
    QTest::newRow("not in the text") << "abc" << QStringList {"abd", "x", "cab"};
    QTest::newRow("empty pattern and text") << "" << QStringList {"a", ""};
    QTest::newRow("beyond Latin-1") << u"😀ab😀"_qs << QStringList {u"😀"_qs, u"b😀"_qs, "a"};
    // Random texts over a small alphabet meet every case of the fail links.
    QRandomGenerator random(11);
    for (int row = 0; row < 20; ++row) {
        const auto randomText = [&random](int length) {
            QString text;
            for (int i = 0; i < length; ++i)
                text += QChar(u'a' + random.bounded(3));
            return text;
        };
        QStringList patterns;
        for (int i = 0; i < 30; ++i)
            patterns.append(randomText(1 + random.bounded(6)));
        patterns.removeDuplicates();
        QTest::addRow("random %d", row) << randomText(300) << patterns;
    }
}

void OccurrencesTest::sameAsCount()
{
    QFETCH(QString, text);
    QFETCH(QStringList, patterns);
    QList<qsizetype> expected;
    for (const QString &pattern : patterns)
        expected.append(text.count(pattern));
    QCOMPARE(OccurrenceCounter(patterns).count(text), expected);
}

QTEST_GUILESS_MAIN(OccurrencesTest)
#include "tst_occurrences.moc"
