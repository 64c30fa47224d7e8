// The single-text checks, driven through checkMessage as a reader drives them.

#include "enginefixture.h"

#include <QLoggingCategory>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// One row of a rule table: check, text, hits, options ("key=value;..."), the key
// when not the text.
void row(const char *check, const QString &text, int hits, const char *options = "",
         const QString &key = QString())
{
    QTest::addRow("%s %s %s", check, qPrintable(text.left(20).replace(u'\n', u'|')), options)
        << QString::fromLatin1(check) << text << hits << QString::fromLatin1(options) << key;
}

QStringList optionList(const QString &options)
{
    return options.split(u';', Qt::SkipEmptyParts);
}

} // namespace

class TestSingleText : public QObject
{
    Q_OBJECT

    static void columns()
    {
        QTest::addColumn<QString>("check"); // the S check; its T twin runs on the same text
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hits");
        QTest::addColumn<QString>("options"); // S keys; the twin gets the T keys
        QTest::addColumn<QString>("key");
    }
    // A row runs on the source (with a neutral translation), then as the
    // translation (with a neutral source): the twin must hit as often.
    static void twins()
    {
        QFETCH(QString, check);
        QFETCH(QString, text);
        QFETCH(int, hits);
        QFETCH(QString, options);
        QFETCH(QString, key);

        resetOptions();
        setOptions(optionList(options));
        Engine source(u"en"_s);
        source.check(text, u"Text"_s);
        const FindingMap &found = source.store.findings(checkIndexOf(check));
        QCOMPARE(found.size(), hits);
        if (hits > 0) {
            QVERIFY2(found.entries().contains(key.isEmpty() ? text : key),
                     qPrintable(found.entries().firstKey()));
            QCOMPARE(found.entries().first().at(0).text, Engine::Location);
        }
        resetOptions();
        setOptions(optionList(QString(options).replace(u"checkS"_s, u"checkT"_s)));
        Engine translation(u"en"_s);
        translation.check(u"Text"_s, text);
        QCOMPARE(translation.count(checkIndexOf(u'T' + check.mid(1))), hits);
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(u"default.info=false"_s); }
    void init() { resetOptions(); }

    // S1 to S5; the bracket positions themselves are tested with checkBrackets.
    void characters_data()
    {
        columns();
        row("S1.2", QString(1000, u'a'), 0);
        row("S1.2", u"abcdef"_s, 1, "checkS1_2SpinBox=5");
        row("S1.3", u"\u00E9\u0663"_s, 0);
        row("S1.3", u"abcd"_s, 1, "checkS1_3SpinBox=5");
        row("S2.2", u"a\tb\tc"_s, 1);
        row("S2.2", u"a\x7f"_s, 1);
        row("S2.2", u"a\nb"_s, 0);
        row("S3.2", u"\nText"_s, 0);
        row("S3.4", u"-Text"_s, 0, "checkS3_4LineEdit=+-");
        row("S3.4", u" -Text"_s, 0);
        row("S4.4", u"Text:"_s, 0, "checkS4_4LineEdit=.:");
        row("S5.3", u"a) b"_s, 1, "checkS5_3_2CheckBox=true",
            u") is not opened before position 1.\na) b"_s);
    }
    void characters() { twins(); }

    void punctuation_data()
    {
        columns();
        row("S6.1", u"a, b;\nc"_s, 0);
        row("S6.1", u"1,5"_s, 0);
        row("S6.1", u"1,5"_s, 1, "checkS6_1_1CheckBox=true");
        row("S6.2", u"1.\u00B2"_s, 0);
        row("S6.2", u"1.\u00B2"_s, 1, "checkS6_2_1CheckBox=true");
        row("S6.2", u"1.5"_s, 0, "checkS6_2_1CheckBox=true");
        row("S6.2", u"Wait...next..."_s, 0);
        row("S6.2", u"Wait..next"_s, 1);
        row("S6.4", u"12:30"_s, 0);
        row("S6.4", u"12:30"_s, 1, "checkS6_4_1CheckBox=true");
        row("S6.4", u"(Name:)"_s, 1);
        row("S7.1", u"a , b ;c"_s, 2);
        row("S7.2", u"Wait ..."_s, 0);
        row("S7.2", u"Wait ..."_s, 1, "checkS7_2_1CheckBox=true");
    }
    void punctuation() { twins(); }

    // S8 to S10
    void doublesAndSentences_data()
    {
        columns();
        row("S8.2", u"a\n\n  b"_s, 0);
        row("S8.3", u"Wait...."_s, 1);
        row("S8.3", u"Wait..."_s, 2, "checkS8_3_1CheckBox=true");
        row("S8.4", u"a--b"_s, 0, "checkS8_4LineEdit=-");
        row("S8.4", u"Wait..."_s, 0);
        row("S8.4", u"a  --b"_s, 0);
        row("S9.1", u"a\u0301\u0308"_s, 1);
        row("S9.2", u"a_-b"_s, 1);
        row("S9.3", u"\u20AC^"_s, 1);
        row("S9.4", u"a\u02B0\u02B0"_s, 1);
        row("S10.1", u"Hi! you? yes"_s, 2, "", u" you"_s);
        row("S10.1", u"Hello\nworld"_s, 0);
        row("S10.1", u"Hello\nworld"_s, 1, "checkS10_1_1CheckBox=true", u"world"_s);
        row("S10.1", u"\u00E9lan"_s, 1);
    }
    void doublesAndSentences() { twins(); }

    void keySequences_data()
    {
        columns();
        const char *plain = "checkS14CheckBox=false";
        row("S14.2", u"File&"_s, 1);
        row("S14.3", u"File&"_s, 0);
        row("S14.3", u"&Save &as"_s, 1, plain, u"QKeySequence S: &Save &as"_s);
        row("S14.4", u"&File"_s, 1, plain, u"File\t:\t&File"_s);
    }
    void keySequences() { twins(); }

    // The plain-text keys of T14.3 and T14.4 (the corpus run writes HTML).
    void plainKeySequenceKeys()
    {
        TestOptions.checkT14CheckBox = false;
        Engine engine(u"en"_s);
        engine.check(u"&File"_s, u"&Datei"_s);
        QCOMPARE(engine.keys(CheckT14_3), QStringList {u"QKeySequence D:\t\t&Datei\t\t: &File"_s});
        QCOMPARE(engine.keys(CheckT14_4), QStringList {u"Datei\t\t: &Datei\t\t: &File"_s});
        QCOMPARE(engine.store.findings(CheckT14_4).entries().first().texts(),
                 QStringList {Engine::Context});
    }

    void partialRule_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QList<int>>("hitsByState"); // findings with the box at 0, 1, 2

        using L = QList<int>;
        QTest::newRow("twin fails") << u"T6.1"_s << u"a,b"_s << u"c,d"_s << L {1, 0, 1};
        QTest::newRow("twin passes") << u"T6.1"_s << u"a, b"_s << u"c,d"_s << L {1, 1, 1};
        QTest::newRow("S1.3 limit") << u"T1.3"_s << u"a"_s << u"b"_s << L {1, 0, 1};
        QTest::newRow("T2.2 after S2.3") << u"T2.2"_s << u"a\nb"_s << u"a\tb"_s << L {1, 0, 1};
        QTest::newRow("T8.2 after S8.1") << u"T8.2"_s << u"a\n\nb"_s << u"c  d"_s << L {1, 0, 1};
        QTest::newRow("T8.2 after S8.2") << u"T8.2"_s << u"a  b"_s << u"c  d"_s << L {1, 0, 1};
        QTest::newRow("T21.1 after S21.1") << u"T21.1"_s << u"<b"_s << u"<b"_s << L {1, 0, 1};
        QTest::newRow("T20.1 after S20.1")
            << u"T20.1"_s << u"a@b@c.org"_s << u"a@b@c.org"_s << L {1, 0, 1};
    }
    void partialRule()
    {
        QFETCH(QString, check);
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(QList<int>, hitsByState);

        const QString box = u"check%1CheckBox"_s.arg(QString(check).replace(u'.', u'_'));
        for (int state = 0; state <= 2; ++state) {
            setOptions({box}, state);
            Engine engine(u"en"_s);
            engine.check(source, translation);
            QVERIFY2(engine.count(checkIndexOf(check)) == hitsByState[state],
                     qPrintable(u"state %1"_s.arg(state)));
        }
    }

    void numerusFormsAboveSource()
    {
        setOptions({u"checkT6_1CheckBox"_s, u"checkT1_3CheckBox"_s}, 1);
        Engine engine(u"en"_s);
        QCOMPARE(engine.store.sourceRules.maxNumerus, 2);
        engine.check(u"a,b"_s, u"c,d"_s, 3);
        QCOMPARE(engine.store.sourceCount, 0);
        QCOMPARE(engine.count(CheckS6_1), 0);
        // The source still failed S6.1, so the partial box skips T6.1; S1.3 counts no
        // letters for a later form and so skips T1.3 as well.
        QCOMPARE(engine.count(CheckT6_1), 0);
        engine.check(u"Ab"_s, u"c"_s, 3);
        QCOMPARE(engine.count(CheckT1_3), 0);
        engine.check(u"Ab"_s, u"c;d"_s, 3);
        QCOMPARE(engine.count(CheckT6_1), 1);
        // Without locations the source fails all the same.
        engine.check(u"a,b"_s, u"e,f"_s, 0, false, {});
        QCOMPARE(engine.count(CheckT6_1), 1);
        // An unfinished translation gets T1.1b and all other checks.
        engine.check(u"Ab"_s, u"g;h"_s, 0, true);
        QCOMPARE(engine.keys(CheckT1_1b), QStringList {u"Ab\ng;h"_s});
        QCOMPARE(engine.count(CheckT6_1), 2);
    }

    // The punctuation and quotation marks of the translation's language.
    void translationLanguages_data()
    {
        MessageRows add;
        add("ja full stop", "ja", u"Text"_s, u"\u30D5\u30A1\u3002\u6B21"_s, CheckT6_2, "1");
        add("ja ASCII full stop", "ja", u"Text"_s, u"a.b"_s, CheckT6_2, "0");
        add("ja colon", "ja", u"Text"_s, u"\u540D\uFF1Ax"_s, CheckT6_4, "1");
        add("ja blank before question mark", "ja", u"Text"_s, u"\u4F55 \uFF1F"_s, CheckT7_3, "1");
        add("ja doubled full stop", "ja", u"Text"_s, u"\u3042\u3002\u3002"_s, CheckT8_3, "1");
        add("ja doubled ASCII full stop", "ja", u"Text"_s, u"a.."_s, CheckT8_4, "1");
        add("ar question mark", "ar", u"Text"_s, u"\u0645\u061Fx"_s, CheckT6_3, "1");
        add("de quotes", "de", u"Text"_s, u"\u201EDatei\u201C"_s, CheckT5_3, "0");
        add("de quotes at the end", "de", u"Text"_s, u"\u201EDatei\u201C"_s, CheckT4_4, "0");
        add("de quotes reversed", "de", u"Text"_s, u"\u201CDatei\u201E"_s, CheckT5_3, "1");
        add("pl quotes", "pl", u"Text"_s, u"\u201EPlik\u201D"_s, CheckT5_3, "0");
        add("pl quotes at the start", "pl", u"Text"_s, u"\u201EPlik\u201D"_s, CheckT3_4, "0");
        add("pl quotes reversed", "pl", u"Text"_s, u"\u201DPlik\u201E"_s, CheckT5_3, "1");
        add("sv quote at the start", "sv", u"Text"_s, u"\u2018Fil"_s, CheckT3_4, "1");
    }
    void translationLanguages() { MessageRows::check(); }
};

QTEST_GUILESS_MAIN(TestSingleText)
#include "tst_singletext.moc"
