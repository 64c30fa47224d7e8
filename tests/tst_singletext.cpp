// The single-text checks, driven through checkMessage as a reader drives them.

#include "checks/singletext.h"
#include "store/appsettings.h"
#include "store/results.h"

#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString Location = u"main.cpp   Line: 1"_s;
const QString Context = u"MainWindow"_s;

// "key=value;key=value" into AppSettings.
void applyOptions(const QString &options)
{
    for (const QString &option : options.split(u';', Qt::SkipEmptyParts)) {
        const int index = settingIndex(option.section(u'=', 0, 0));
        QVERIFY2(index >= 0, qPrintable(option));
        setSettingValue(AppSettings, index, option.section(u'=', 1));
    }
}

// One row of a rule table: check, text, hits, options, the key when not the text.
void row(const char *check, const QString &text, int hits, const char *options = "",
         const QString &key = QString())
{
    QTest::addRow("%s %s %s", check, qPrintable(QString(text).replace(u'\n', u'|')), options)
        << QString::fromLatin1(check) << text << hits << QString::fromLatin1(options) << key;
}

} // namespace

class TestSingleText : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    results m_store;

    // Default options, then `options`, then a fresh store for `language`.
    void start(const QString &options, const QString &language = u"en"_s)
    {
        AppSettings = AppSettingsRecord();
        loadAppSettings(m_dir.filePath(u"none.ini"_s));
        applyOptions(options);
        m_store.clear();
        m_store.setUpLanguage(language, true, u"test.ts"_s);
    }
    void run(const QString &source, const QString &translation, bool unfinished = false,
             int numerusForm = 0, const QList<QString> &locations = {Location})
    {
        m_store.checkMessage(source, translation, Context, locations, unfinished, false,
                             numerusForm, QString(), QString());
    }
    const FindingMap &findings(const QString &checkId)
    {
        return m_store.findings(checkIndexOf(checkId));
    }
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
    void twins()
    {
        QFETCH(QString, check);
        QFETCH(QString, text);
        QFETCH(int, hits);
        QFETCH(QString, options);
        QFETCH(QString, key);

        start(options);
        run(text, u"Text"_s);
        const FindingMap &source = findings(check);
        QCOMPARE(source.size(), hits);
        if (hits > 0) {
            QVERIFY2(source.entries().contains(key.isEmpty() ? text : key),
                     qPrintable(source.entries().firstKey()));
            QCOMPARE(source.entries().first().first(), Location);
        }
        start(QString(options).replace(u"checkS"_s, u"checkT"_s));
        run(u"Text"_s, text);
        QCOMPARE(findings(u'T' + check.mid(1)).size(), hits);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(u"default.info=false"_s);
        QVERIFY(m_dir.isValid());
    }

    void lengthsAndCharacters_data()
    {
        columns();
        row("S1.2", QString(1001, u'a'), 1);
        row("S1.2", QString(1000, u'a'), 0);
        row("S1.2", u"abcdef"_s, 1, "checkS1_2SpinBox=5");
        row("S1.3", u"a."_s, 1);
        row("S1.3", u"\u00E9\u0663"_s, 0);
        row("S1.3", u"abcd"_s, 1, "checkS1_3SpinBox=5");
        row("S2.1", u"Gr\u00FC\u00DFe"_s, 1);
        row("S2.2", u"a\tb\tc"_s, 1);
        row("S2.2", u"a\x7f"_s, 1);
        row("S2.2", u"a\nb"_s, 0);
        row("S2.3", u"a\nb\nc"_s, 1);
    }
    void lengthsAndCharacters() { twins(); }

    void firstAndLastCharacters_data()
    {
        columns();
        row("S3.1", u"\nText"_s, 1);
        row("S3.2", u" Text"_s, 1);
        row("S3.2", u"\nText"_s, 0);
        row("S3.3", u")Text"_s, 1);
        row("S3.4", u"-Text"_s, 1);
        row("S3.4", u"-Text"_s, 0, "checkS3_4LineEdit=+-");
        row("S3.4", u"&File"_s, 0);
        row("S3.4", u"%1 files"_s, 0);
        row("S3.4", u"&%"_s, 0);
        row("S3.4", u"&-x"_s, 1);
        row("S3.4", u"(Text)"_s, 0);
        row("S3.4", u" -Text"_s, 0);
        row("S4.1", u"Text\n"_s, 1);
        row("S4.2", u"Text "_s, 1);
        row("S4.3", u"Text ("_s, 1);
        row("S4.4", u"Text:"_s, 1);
        row("S4.4", u"Text:"_s, 0, "checkS4_4LineEdit=.:");
        row("S4.4", u"Text&"_s, 1);
        row("S4.4", u"(Text)"_s, 0);
        row("S4.4", u"Text- "_s, 0);
    }
    void firstAndLastCharacters() { twins(); }

    void quotesAndBrackets_data()
    {
        columns();
        row("S5.1", u"Say \"hi"_s, 1);
        row("S5.1", u"Say \"hi\""_s, 0);
        row("S5.2", u"it's"_s, 1);
        row("S5.3", u"(a [b) c]"_s, 1, "", u"Missing ] at position 5.\n(a [b) c]"_s);
        row("S5.3", u"a) b"_s, 0);
        row("S5.3", u"a) b"_s, 1, "checkS5_3_2CheckBox=true",
            u") is not opened before position 1.\na) b"_s);
        row("S5.3", u"\u201CQuote\u201D"_s, 0);
    }
    void quotesAndBrackets() { twins(); }

    void punctuation_data()
    {
        columns();
        row("S6.1", u"a;b,c"_s, 2);
        row("S6.1", u"a, b;\nc"_s, 0);
        row("S6.1", u"1,5"_s, 0);
        row("S6.1", u"\u0661,\u0665"_s, 0);
        row("S6.1", u"1,5"_s, 1, "checkS6_1_1CheckBox=true");
        row("S6.2", u"End.Next"_s, 1);
        row("S6.2", u"End. Next v.2 (a.)"_s, 0);
        row("S6.2", u"1.\u00B2"_s, 0);
        row("S6.2", u"1.\u00B2"_s, 1, "checkS6_2_1CheckBox=true");
        row("S6.2", u"1.5"_s, 0, "checkS6_2_1CheckBox=true");
        row("S6.2", u"Wait...next..."_s, 0);
        row("S6.2", u"Wait..next"_s, 1);
        row("S6.3", u"Stop!Go? No"_s, 1);
        row("S6.3", u"(Stop!) Why?)"_s, 0);
        row("S6.4", u"Name:x"_s, 1);
        row("S6.4", u"12:30"_s, 0);
        row("S6.4", u"12:30"_s, 1, "checkS6_4_1CheckBox=true");
        row("S6.4", u"(Name:)"_s, 1);
        row("S7.1", u"a , b ;c"_s, 2);
        row("S7.2", u"End ."_s, 1);
        row("S7.2", u"(.)"_s, 1);
        row("S7.2", u"Wait ..."_s, 0);
        row("S7.2", u"Wait ..."_s, 1, "checkS7_2_1CheckBox=true");
        row("S7.3", u"Stop ! (?)"_s, 2);
        row("S7.4", u"Name :"_s, 1);
        row("S7.4", u"Name: x"_s, 0);
    }
    void punctuation() { twins(); }

    void doubles_data()
    {
        columns();
        row("S8.1", u"a\n\nb"_s, 1);
        row("S8.2", u"a  b   c"_s, 3);
        row("S8.2", u"a\n\n  b"_s, 0);
        row("S8.3", u"Wait.."_s, 1);
        row("S8.3", u"Wait... go..."_s, 0);
        row("S8.3", u"Wait...."_s, 1);
        row("S8.3", u"Wait..."_s, 2, "checkS8_3_1CheckBox=true");
        row("S8.4", u"a--b"_s, 1, "", u"Double character -  at position 2:\na--b"_s);
        row("S8.4", u"a**b**"_s, 2, "", u"Double character *  at position 5:\na**b**"_s);
        row("S8.4", u"a--b"_s, 0, "checkS8_4LineEdit=-");
        row("S8.4", u"Wait..."_s, 0);
        row("S8.4", u"a  --b"_s, 0);
        row("S8.4", u"a.. --b"_s, 0);
        row("S9.1", u"a\u0301\u0308"_s, 1);
        row("S9.2", u"a_-b"_s, 1);
        row("S9.2", u"a-b_c"_s, 0);
        row("S9.3", u"\u20AC^"_s, 1);
        row("S9.4", u"a\u02B0\u02B0"_s, 1);
    }
    void doubles() { twins(); }

    void sentences_data()
    {
        columns();
        row("S10.1", u"hello"_s, 1);
        row("S10.1", u"Hello. world"_s, 1, "", u"world"_s);
        row("S10.1", u"Hello.world"_s, 0);
        row("S10.1", u"Hi! you? yes"_s, 2, "", u" you"_s);
        row("S10.1", u"Hello\nworld"_s, 0);
        row("S10.1", u"Hello\nworld"_s, 1, "checkS10_1_1CheckBox=true", u"world"_s);
        row("S10.1", u"1 apple"_s, 0);
        row("S10.1", u"(hello)"_s, 1);
        row("S10.1", u"\u00C9lan"_s, 0);
        row("S10.1", u"\u00E9lan"_s, 1);
    }
    void sentences() { twins(); }

    void keySequences_data()
    {
        columns();
        const char *plain = "checkS14CheckBox=false";
        row("S14.3", u"&File"_s, 1, plain, u"QKeySequence F: &File"_s);
        row("S14.4", u"&File"_s, 1, plain, u"File\t:\t&File"_s);
        row("S14.3", u"&File"_s, 1, "", u"<tr><td>QKeySequence F</td><td>&File</td></tr>"_s);
        row("S14.4", u"&File"_s, 1, "", u"<tr><td>File</td><td>&File</td></tr>"_s);
        row("S14.1", u"&File"_s, 0);
        row("S14.1", u"&Save &As"_s, 1);
        row("S14.3", u"&Save &as"_s, 1, plain, u"QKeySequence S: &Save &as"_s);
        row("S14.2", u"File&"_s, 1);
        row("S14.3", u"File&"_s, 0);
        row("S14.4", u"File&"_s, 1, plain, u"File\t:\tFile&"_s);
    }
    void keySequences() { twins(); }

    void translationKeys_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("key");

        QTest::newRow("own") << u"T6.1"_s << u"a, b"_s << u"c,d"_s << u"a, b\nc,d"_s;
        QTest::newRow("brackets") << u"T5.3"_s << u"(a)"_s << u"(b"_s
                                  << u"( is not closed.\n(a)\n(b"_s;
        QTest::newRow("double") << u"T8.4"_s << u"a"_s << u"bb=="_s
                                << u"Double character =  at position 3:\na\nbb=="_s;
        QTest::newRow("sentence") << u"T10.1"_s << u"Go"_s << u"Ja. nein"_s
                                  << u"nein\nGo\nJa. nein"_s;
        QTest::newRow("T14.1") << u"T14.1"_s << u"&Open"_s << u"&Da &Ja"_s << u"&Open\n&Da &Ja"_s;
        QTest::newRow("T14.3")
            << u"T14.3"_s << u"&File"_s << u"&Datei"_s
            << u"<tr><td>QKeySequence D</td><td>&Datei</td><td>&File</td></tr>"_s;
        QTest::newRow("T14.4") << u"T14.4"_s << u"&File"_s << u"&Datei"_s
                               << u"<tr><td>Datei</td><td>&Datei</td><td>&File</td></tr>"_s;
        QTest::newRow("T14.3 plain") << u"T14.3 plain"_s << u"&File"_s << u"&Datei"_s
                                     << u"QKeySequence D:\t\t&Datei\t\t: &File"_s;
        QTest::newRow("T14.4 plain")
            << u"T14.4 plain"_s << u"&File"_s << u"&Datei"_s << u"Datei\t\t: &Datei\t\t: &File"_s;
    }
    void translationKeys()
    {
        QFETCH(QString, check);
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(QString, key);

        start(check.endsWith(u"plain"_s) ? u"checkT14CheckBox=false"_s : QString());
        run(source, translation);
        const FindingMap &map = findings(check.section(u' ', 0, 0));
        QCOMPARE(map.size(), 1);
        QCOMPARE(map.entries().firstKey(), key);
        QCOMPARE(map.values(key), QStringList{Context});
    }

    void partialRule_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QList<int>>("hitsByState"); // findings with the box at 0, 1, 2

        using L = QList<int>;
        const QString none;
        QTest::newRow("T6.1") << u"T6.1"_s << u"a,b"_s << u"c,d"_s << none << L{1, 0, 1};
        QTest::newRow("T6.1 source passes")
            << u"T6.1"_s << u"a, b"_s << u"c,d"_s << none << L{1, 1, 1};
        QTest::newRow("T1.2") << u"T1.2"_s << u"abcd"_s << u"abcdefgh"_s
                              << u"checkS1_2SpinBox=3;checkT1_2SpinBox=3"_s << L{1, 0, 1};
        QTest::newRow("T1.3") << u"T1.3"_s << u"a"_s << u"b"_s << none << L{1, 0, 1};
        QTest::newRow("T2.2 line feed")
            << u"T2.2"_s << u"a\nb"_s << u"a\tb"_s << none << L{1, 0, 1};
        QTest::newRow("T2.2 source passes")
            << u"T2.2"_s << u"ab"_s << u"a\tb"_s << none << L{1, 1, 1};
        QTest::newRow("T2.3") << u"T2.3"_s << u"a\nb"_s << u"c\nd"_s << none << L{1, 0, 1};
        QTest::newRow("T3.1") << u"T3.1"_s << u"\nab"_s << u"\ncd"_s << none << L{1, 0, 1};
        QTest::newRow("T3.4") << u"T3.4"_s << u"-ab"_s << u"-cd"_s << none << L{1, 0, 1};
        QTest::newRow("T8.2 after S8.1")
            << u"T8.2"_s << u"a\n\nb"_s << u"c  d"_s << none << L{1, 0, 1};
        QTest::newRow("T8.2") << u"T8.2"_s << u"a  b"_s << u"c  d"_s << none << L{1, 0, 1};
        QTest::newRow("T8.4") << u"T8.4"_s << u"a--b"_s << u"c--d"_s << none << L{1, 0, 1};
        QTest::newRow("T10.1") << u"T10.1"_s << u"ab"_s << u"cd"_s << none << L{1, 0, 1};
    }
    void partialRule()
    {
        QFETCH(QString, check);
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(QString, options);
        QFETCH(QList<int>, hitsByState);

        const QString box = u"check%1CheckBox"_s.arg(QString(check).replace(u'.', u'_'));
        for (int state = 0; state <= 2; ++state) {
            start(options + u';' + box + u'=' + QString::number(state));
            run(source, translation);
            QVERIFY2(findings(check).size() == hitsByState[state],
                     qPrintable(u"state %1"_s.arg(state)));
        }
    }

    void numerusFormsAboveSource()
    {
        start(u"checkT6_1CheckBox=1;checkT1_3CheckBox=1"_s);
        QCOMPARE(m_store.sourceRules.maxNumerus, 2);
        run(u"a,b"_s, u"c,d"_s, false, 3);
        QCOMPARE(m_store.sourceCount, 0);
        QCOMPARE(findings(u"S6.1"_s).size(), 0);
        // The source still failed S6.1, so the partial box skips T6.1; S1.3 counts no
        // letters for a later form and so skips T1.3 as well.
        QCOMPARE(findings(u"T6.1"_s).size(), 0);
        run(u"Ab"_s, u"c"_s, false, 3);
        QCOMPARE(findings(u"T1.3"_s).size(), 0);
        run(u"Ab"_s, u"c;d"_s, false, 3);
        QCOMPARE(findings(u"T6.1"_s).size(), 1);
        // Without locations the source fails all the same.
        run(u"a,b"_s, u"e,f"_s, false, 0, {});
        QCOMPARE(findings(u"T6.1"_s).size(), 1);
        // An unfinished translation gets T1.1b and all other checks.
        run(u"Ab"_s, u"g;h"_s, true);
        QCOMPARE(findings(u"T1.1b"_s).entries().firstKey(), u"Ab\ng;h"_s);
        QCOMPARE(findings(u"T6.1"_s).size(), 2);
    }

    void translationLanguages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("hits");

        const auto add = [](const char *language, const char *check, const QString &text,
                            int hits) {
            QTest::addRow("%s %s %s", language, check, qPrintable(text))
                << QString::fromLatin1(language) << QString::fromLatin1(check) << text << hits;
        };
        add("ja", "T6.2", u"\u30D5\u30A1\u3002\u6B21"_s, 1);
        add("ja", "T6.2", u"a.b"_s, 0);
        add("ja", "T6.4", u"\u540D\uFF1Ax"_s, 1);
        add("ja", "T7.3", u"\u4F55 \uFF1F"_s, 1);
        add("ja", "T8.3", u"\u3042\u3002\u3002"_s, 1);
        add("ja", "T8.4", u"a.."_s, 1);
        add("ja", "T8.4", u"a\u3002\u3002"_s, 0);
        add("zh", "T6.3", u"\u597D\uFF01\u597D"_s, 1);
        add("zh", "T6.3", u"a!b"_s, 0);
        add("zh", "T10.1", u"Ok\uFF01ok"_s, 1);
        add("hi", "T6.2", u"\u0928\u0964x"_s, 1);
        add("hi", "T7.2", u"\u0928 \u0964"_s, 1);
        add("ar", "T6.3", u"\u0645\u061Fx"_s, 1);
        add("ar", "T6.3", u"\u0645?x"_s, 0);
        add("de", "T5.3", u"\u201EDatei\u201C"_s, 0);
        add("de", "T3.4", u"\u201EDatei\u201C"_s, 0);
        add("de", "T4.4", u"\u201EDatei\u201C"_s, 0);
        add("de", "T5.3", u"\u201CDatei\u201E"_s, 1);
        add("pl", "T5.3", u"\u201EPlik\u201D"_s, 0);
        add("pl", "T3.4", u"\u201EPlik\u201D"_s, 0);
        add("pl", "T5.3", u"\u201DPlik\u201E"_s, 1);
        add("sv", "T3.4", u"\u2018Fil"_s, 1);
    }
    void translationLanguages()
    {
        QFETCH(QString, language);
        QFETCH(QString, check);
        QFETCH(QString, translation);
        QFETCH(int, hits);

        start(QString(), language);
        run(u"Text"_s, translation);
        QCOMPARE(findings(check).size(), hits);
    }

    void sentenceSplitting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("lineFeeds");
        QTest::addColumn<QStringList>("sentences");

        QTest::newRow("none") << u"One. Two! Three?"_s << false << QStringList();
        QTest::newRow("empty pieces") << u"a!. b?"_s << false << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("blank after") << u"x.. y"_s << false << QStringList{u"x."_s, u"y"_s};
        QTest::newRow("line feeds") << u"Yes\nno\n"_s << true << QStringList{u"no"_s};
    }
    void sentenceSplitting()
    {
        QFETCH(QString, text);
        QFETCH(bool, lineFeeds);
        QFETCH(QStringList, sentences);
        QCOMPARE(lowercaseSentences(text, LanguageRules(), lineFeeds), sentences);
        QCOMPARE(countLettersOrNumbers(u"a1 .-_\u00E9\u0663\u00B2\u00A0"_s), 5);
    }
};

QTEST_GUILESS_MAIN(TestSingleText)
#include "tst_singletext.moc"
