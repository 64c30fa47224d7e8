// The shortcuts the checks take over every character: they must answer exactly
// as the Qt calls they replace.

#include "checks/textutil.h"
#include "enginefixture.h"
#include "store/charactertables.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

using namespace Qt::StringLiterals;

class TestTextUtil : public QObject
{
    Q_OBJECT

private slots:
    void categoryOfEveryCodeUnit();
    void sortByCodeUnits_data();
    void sortByCodeUnits();
    void characterTables();
    void consistencyIgnoringCase_data();
    void consistencyIgnoringCase();
};

void TestTextUtil::categoryOfEveryCodeUnit()
{
    for (char32_t u = 0; u <= 0xFFFF; ++u)
        if (categoryOf(QChar(char16_t(u))) != QChar(char16_t(u)).category())
            QFAIL(qPrintable(QString::number(u, 16)));
}

void TestTextUtil::sortByCodeUnits_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("empty list") << QStringList();
    QTest::newRow("prefixes and lengths")
        << QStringList {"abcd", "abc", "", "abcde", "ab", "abcdA", "abcd\u00E9", "b", "abcd"};
    QTest::newRow("null code unit")
        << QStringList {QString::fromUtf16(u"ab\0c", 4), "ab", QString::fromUtf16(u"ab\0", 3),
                        QString::fromUtf16(u"\0", 1), ""};
    QTest::newRow("high code units")
        << QStringList {u"\uFFFF"_s, u"\U0001F600"_s, u"\uE000"_s, "Z", "z", u"\u00FF"_s};
    QTest::newRow("shared first four")
        << QStringList {"Open file", "Open folder", "Open", "Open ", "Opened", "Open file"};

    QStringList random;
    QRandomGenerator generator(7);
    const char16_t alphabet[] = {0, u'a', u'b', 0x00E9, 0xD83D, 0xFFFF};
    for (int i = 0; i < 2000; ++i) {
        QString text;
        for (int k = generator.bounded(8); k > 0; --k)
            text += QChar(alphabet[generator.bounded(int(std::size(alphabet)))]);
        random.append(text);
    }
    QTest::newRow("random") << random;
}

void TestTextUtil::sortByCodeUnits()
{
    QFETCH(QStringList, texts);
    QStringList expected = texts;
    std::sort(expected.begin(), expected.end());
    ::sortByCodeUnits(texts);
    QCOMPARE(texts, expected);
}

void TestTextUtil::characterTables()
{
    CharacterSet set;
    QVERIFY(set.isEmpty());
    set.insert(QChar(0xFFFF));
    set.insert(QChar(0xFFFF));
    set.insert(QChar(0));
    QCOMPARE(set.size(), 2);
    QVERIFY(set.contains(QChar(0xFFFF)) && set.contains(QChar(0)) && !set.contains(QChar(1)));

    CharacterMap map;
    map.insert(QLatin1Char('('), QLatin1Char(')'));
    map.insert(QLatin1Char('('), QLatin1Char(']'));
    QCOMPARE(map.size(), 1);
    QCOMPARE(map.value(QLatin1Char('(')), QLatin1Char(']'));
    QCOMPARE(map.value(QLatin1Char('['), QLatin1Char('x')), QLatin1Char('x'));
    QVERIFY(!map.contains(QLatin1Char(')')));
}

// ST10 compares a repeated source's translations ignoring case unless told
// otherwise; an ASCII prefix is decided without QString::toLower.
void TestTextUtil::consistencyIgnoringCase_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("differ");
    QTest::newRow("ASCII case") << "Open File"
                                << "open FILE" << false;
    QTest::newRow("ASCII letter") << "Open file"
                                  << "Open fila" << true;
    QTest::newRow("longer") << "Open"
                            << "Opens" << true;
    QTest::newRow("shorter") << "Opens"
                             << "Open" << true;
    QTest::newRow("non-ASCII case") << u"\u00D6FFNEN"_s << u"\u00F6ffnen"_s << false;
    QTest::newRow("non-ASCII after ASCII") << u"Datei \u00D6"_s << u"datei \u00F6"_s << false;
    QTest::newRow("non-ASCII letter") << u"Datei \u00D6"_s << u"datei \u00E4"_s << true;
    // U+0130 lower-cases to two code units, "i" and U+0307.
    QTest::newRow("lower-cased longer") << u"\u0130"_s << u"i\u0307"_s << false;
    QTest::newRow("dotted and plain i") << u"\u0130"_s << "i" << true;
}

void TestTextUtil::consistencyIgnoringCase()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, differ);
    resetAppSettings();
    Engine engine;
    engine.check(QStringLiteral("Open"), first);
    engine.check(QStringLiteral("Open"), second);
    QCOMPARE(!engine.store.findings(CheckST10_1).isEmpty(), differ);
}

QTEST_GUILESS_MAIN(TestTextUtil)
#include "tst_textutil.moc"
