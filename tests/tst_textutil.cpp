// The text helpers: the shortcuts the checks take over every character, which
// must answer exactly as the Qt calls they replace, and the texts and names of
// the input made safe to show.

#include "checks/occurrences.h"
#include "checks/textutil.h"
#include "enginefixture.h"
#include "model/textescape.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

using namespace Qt::StringLiterals;

class TestTextUtil : public QObject
{
    Q_OBJECT

private slots:
    void categoryOfEveryCodeUnit()
    {
        for (char32_t u = 0; u <= 0xFFFF; ++u)
            if (categoryOf(QChar(char16_t(u))) != QChar(char16_t(u)).category())
                QFAIL(qPrintable(QString::number(u, 16)));
    }

    void sortByCodeUnits_data()
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

        // Long shared starts, sorted eight code units deeper at a time, and
        // enough texts for the two halves on two threads.
        QStringList shared;
        for (int i = 0; i < 70000; ++i) {
            QString text = QStringLiteral("A common start of many texts");
            text.truncate(generator.bounded(text.size() + 1));
            for (int k = generator.bounded(20); k > 0; --k)
                text += QChar(alphabet[generator.bounded(int(std::size(alphabet)))]);
            shared.append(text);
        }
        QTest::newRow("long shared starts") << shared;
    }
    void sortByCodeUnits()
    {
        QFETCH(QStringList, texts);
        QStringList expected = texts;
        std::sort(expected.begin(), expected.end());
        ::sortByCodeUnits(texts);
        QCOMPARE(texts, expected);
    }

    // Counting many patterns at once gives what QString::count gives for each.
    void occurrences_data()
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
    void occurrences()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, patterns);
        QList<qsizetype> expected;
        for (const QString &pattern : patterns)
            expected.append(text.count(pattern));
        QCOMPARE(OccurrenceCounter(patterns).count(text), expected);
    }

    // ST10 compares a repeated source's translations ignoring case unless told
    // otherwise; an ASCII prefix is decided without QString::toLower.
    void consistencyIgnoringCase_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("differ");
        const auto add = [](const char *name, const QString &first, const QString &second,
                            bool differ) { QTest::newRow(name) << first << second << differ; };
        add("ASCII case", "Open File", "open FILE", false);
        add("ASCII letter", "Open file", "Open fila", true);
        add("longer", "Open", "Opens", true);
        add("shorter", "Opens", "Open", true);
        add("non-ASCII case", u"\u00D6FFNEN"_s, u"\u00F6ffnen"_s, false);
        add("non-ASCII after ASCII", u"Datei \u00D6"_s, u"datei \u00F6"_s, false);
        add("non-ASCII letter", u"Datei \u00D6"_s, u"datei \u00E4"_s, true);
        // U+0130 lower-cases to two code units, "i" and U+0307.
        add("lower-cased longer", u"\u0130"_s, u"i\u0307"_s, false);
        add("dotted and plain i", u"\u0130"_s, "i", true);
    }
    void consistencyIgnoringCase()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, differ);
        resetOptions();
        Engine engine;
        engine.check(QStringLiteral("Open"), first);
        engine.check(QStringLiteral("Open"), second);
        QCOMPARE(!engine.store.findings(CheckST10_1).isEmpty(), differ);
    }

    void escapeControlCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("keepLayout");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Grüße\tä" << false << "Grüße\\tä";
        QTest::newRow("line feed") << "a\nCheck 0: OK" << false << "a\\nCheck 0: OK";
        QTest::newRow("escape sequence") << "\x1b[2Jred\r" << false << "\\x1b[2Jred\\r";
        QTest::newRow("C1 and DEL") << QString::fromUtf8("\xc2\x9b\x7f") << false << "\\x9b\\x7f";
        QTest::newRow("layout kept") << "a\n\tb\x01" << true << "a\n\tb\\x01";
    }
    void escapeControlCharacters()
    {
        QFETCH(QString, text);
        QFETCH(bool, keepLayout);
        QFETCH(QString, expected);
        QCOMPARE(textescape::escapeControlCharacters(text, keepLayout), expected);
    }

    void wholeCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
        const QString replacement(QChar(QChar::ReplacementCharacter));
        QTest::newRow("pair") << "a" + smile << "a" + smile;
        QTest::newRow("lone high") << smile.left(1) + "b" << replacement + "b";
        QTest::newRow("lone low at the end") << "b" + smile.mid(1) << "b" + replacement;
        QTest::newRow("reversed pair") << smile.mid(1) + smile.left(1) << replacement + replacement;
    }
    void wholeCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(textescape::wholeCharacters(text), expected);
    }

    void fileNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("representable");
        QTest::addColumn<QString>("described");
        QTest::newRow("UTF-8") << QByteArray("L\xc3\xa4nder.ts") << true << "Länder.ts";
        QTest::newRow("Latin-1") << QByteArray("L\xe4nder.ts") << false << "L\\xe4nder.ts";
        QTest::newRow("surrogate bytes")
            << QByteArray("\xed\xa0\x80.po") << false << "\\xed\\xa0\\x80.po";
        QTest::newRow("overlong") << QByteArray("\xc0\xaf") << false << "\\xc0\\xaf";
        QTest::newRow("control") << QByteArray("a\nb") << true << "a\\nb";
    }
    void fileNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, representable);
        QFETCH(QString, described);
        QCOMPARE(textescape::isRepresentableFileName(name), representable);
        QCOMPARE(textescape::describeFileName(name), described);
    }
};

QTEST_GUILESS_MAIN(TestTextUtil)
#include "tst_textutil.moc"
