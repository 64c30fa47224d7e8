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

const QString Location = QStringLiteral("main.cpp   Line: 1");
const QString Context = QStringLiteral("MainWindow");

// "key=value;key=value" into AppSettings.
void applyOptions(const QString &options)
{
    for (const QString &option : options.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int equals = option.indexOf(QLatin1Char('='));
        const int index = settingIndex(option.left(equals));
        QVERIFY2(index >= 0, qPrintable(option));
        setSettingValue(AppSettings, index, option.mid(equals + 1));
    }
}

} // namespace

class TestSingleText : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    results m_store;

    // Default options, then `options`, then a fresh store for `language`.
    void start(const QString &options, const QString &language = QStringLiteral("en"))
    {
        AppSettings = AppSettingsRecord();
        loadAppSettings(m_dir.filePath(QStringLiteral("none.ini")));
        applyOptions(options);
        m_store.clear();
        m_store.setUpLanguage(language, true, QStringLiteral("test.ts"));
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
    void addRows();
    void sourceAndTranslationTwins();

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
        QVERIFY(m_dir.isValid());
    }

    void lengthsAndCharacters_data();
    void lengthsAndCharacters() { sourceAndTranslationTwins(); }
    void firstAndLastCharacters_data();
    void firstAndLastCharacters() { sourceAndTranslationTwins(); }
    void quotesAndBrackets_data();
    void quotesAndBrackets() { sourceAndTranslationTwins(); }
    void blankAfterPunctuation_data();
    void blankAfterPunctuation() { sourceAndTranslationTwins(); }
    void blankBeforePunctuation_data();
    void blankBeforePunctuation() { sourceAndTranslationTwins(); }
    void doubles_data();
    void doubles() { sourceAndTranslationTwins(); }
    void sentences_data();
    void sentences() { sourceAndTranslationTwins(); }
    void keySequences_data();
    void keySequences() { sourceAndTranslationTwins(); }

    void translationKeys_data();
    void translationKeys();
    void partialRule_data();
    void partialRule();
    void numerusFormsAboveSource();
    void translationLanguages_data();
    void translationLanguages();
    void sentenceSplitting_data();
    void sentenceSplitting();
    void lettersAndNumbers();
};

void TestSingleText::addRows()
{
    QTest::addColumn<QString>("check");   // the source check; its T twin runs on the same text
    QTest::addColumn<QString>("text");    // the source; the translation for the twin
    QTest::addColumn<QString>("options"); // S option keys; the twin gets the T keys
    QTest::addColumn<int>("hits");        // findings of the check, and of its twin
    QTest::addColumn<QString>("key");     // the source finding's key, when not the text
}

// Runs a row on the source (with a neutral translation) and on the translation
// (with a neutral source): the same rule must hit the same number of times.
void TestSingleText::sourceAndTranslationTwins()
{
    QFETCH(QString, check);
    QFETCH(QString, text);
    QFETCH(QString, options);
    QFETCH(int, hits);
    QFETCH(QString, key);

    start(options);
    run(text, QStringLiteral("Text"));
    const FindingMap &source = findings(check);
    QCOMPARE(source.size(), hits);
    if (hits > 0)
        QVERIFY2(source.entries().contains(key.isEmpty() ? text : key),
                 qPrintable(source.entries().firstKey()));
    if (hits > 0)
        QCOMPARE(source.entries().first().first(), Location);

    QString translationOptions = options;
    translationOptions.replace(QLatin1String("checkS"), QLatin1String("checkT"));
    start(translationOptions);
    run(QStringLiteral("Text"), text);
    QCOMPARE(findings(QLatin1Char('T') + check.mid(1)).size(), hits);
}

void TestSingleText::lengthsAndCharacters_data()
{
    addRows();
    QTest::newRow("S1.2 long") << "S1.2" << QString(1001, QLatin1Char('a')) << "" << 1 << "";
    QTest::newRow("S1.2 at limit") << "S1.2" << QString(1000, QLatin1Char('a')) << "" << 0 << "";
    QTest::newRow("S1.2 option") << "S1.2" << "abcdef" << "checkS1_2SpinBox=5" << 1 << "";
    QTest::newRow("S1.3 one letter") << "S1.3" << "a." << "" << 1 << "";
    QTest::newRow("S1.3 two") << "S1.3" << "a1" << "" << 0 << "";
    QTest::newRow("S1.3 non-ASCII letters") << "S1.3" << u"\u00E9\u0663"_s << "" << 0 << "";
    QTest::newRow("S1.3 option") << "S1.3" << "abcd" << "checkS1_3SpinBox=5" << 1 << "";
    QTest::newRow("S2.1 once") << "S2.1" << u"Gr\u00FC\u00DFe"_s << "" << 1 << "";
    QTest::newRow("S2.1 ASCII") << "S2.1" << "Gruss" << "" << 0 << "";
    QTest::newRow("S2.2 tabs once") << "S2.2" << "a\tb\tc" << "" << 1 << "";
    QTest::newRow("S2.2 delete") << "S2.2" << "a\x7f" << "" << 1 << "";
    QTest::newRow("S2.2 line feed") << "S2.2" << "a\nb" << "" << 0 << "";
    QTest::newRow("S2.3") << "S2.3" << "a\nb\nc" << "" << 1 << "";
}

void TestSingleText::firstAndLastCharacters_data()
{
    addRows();
    QTest::newRow("S3.1") << "S3.1" << "\nText" << "" << 1 << "";
    QTest::newRow("S3.2") << "S3.2" << " Text" << "" << 1 << "";
    QTest::newRow("S3.2 not a line feed") << "S3.2" << "\nText" << "" << 0 << "";
    QTest::newRow("S3.3") << "S3.3" << ")Text" << "" << 1 << "";
    QTest::newRow("S3.4") << "S3.4" << "-Text" << "" << 1 << "";
    QTest::newRow("S3.4 accelerator") << "S3.4" << "&File" << "" << 0 << "";
    QTest::newRow("S3.4 argument") << "S3.4" << "%1 files" << "" << 0 << "";
    QTest::newRow("S3.4 markers only") << "S3.4" << "&%" << "" << 0 << "";
    QTest::newRow("S3.4 after markers") << "S3.4" << "&-x" << "" << 1 << "";
    QTest::newRow("S3.4 opening") << "S3.4" << "(Text)" << "" << 0 << "";
    QTest::newRow("S3.4 line edit") << "S3.4" << "-Text" << "checkS3_4LineEdit=+-" << 0 << "";
    QTest::newRow("S3.4 not after S3.1") << "S3.4" << "\nText" << "" << 0 << "";
    QTest::newRow("S3.4 not after S3.2") << "S3.4" << " Text" << "" << 0 << "";
    QTest::newRow("S3.4 not after S3.3") << "S3.4" << ")Text" << "" << 0 << "";
    QTest::newRow("S4.1") << "S4.1" << "Text\n" << "" << 1 << "";
    QTest::newRow("S4.2") << "S4.2" << "Text " << "" << 1 << "";
    QTest::newRow("S4.3") << "S4.3" << "Text (" << "" << 1 << "";
    QTest::newRow("S4.4") << "S4.4" << "Text:" << "" << 1 << "";
    QTest::newRow("S4.4 marker not skipped") << "S4.4" << "Text&" << "" << 1 << "";
    QTest::newRow("S4.4 closing") << "S4.4" << "(Text)" << "" << 0 << "";
    QTest::newRow("S4.4 line edit") << "S4.4" << "Text:" << "checkS4_4LineEdit=.:" << 0 << "";
    QTest::newRow("S4.4 not after S4.2") << "S4.4" << "Text " << "" << 0 << "";
    QTest::newRow("S4.4 not after S4.3") << "S4.4" << "Text (" << "" << 0 << "";
}

void TestSingleText::quotesAndBrackets_data()
{
    addRows();
    QTest::newRow("S5.1 odd") << "S5.1" << "Say \"hi" << "" << 1 << "";
    QTest::newRow("S5.1 even") << "S5.1" << "Say \"hi\"" << "" << 0 << "";
    QTest::newRow("S5.2 odd") << "S5.2" << "it's" << "" << 1 << "";
    QTest::newRow("S5.3 missing") << "S5.3" << "(a [b) c]" << "" << 1
                                  << "Missing ] at position 5.\n(a [b) c]";
    QTest::newRow("S5.3 listing") << "S5.3" << "a) b" << "" << 0 << "";
    QTest::newRow("S5.3 listings disallowed") << "S5.3" << "a) b" << "checkS5_3_2CheckBox=true" << 1
                                              << ") is not opened before position 1.\na) b";
    QTest::newRow("S5.3 typographic quotes") << "S5.3" << u"\u201CQuote\u201D"_s << "" << 0 << "";
}

void TestSingleText::blankAfterPunctuation_data()
{
    addRows();
    QTest::newRow("S6.1 comma") << "S6.1" << "a,b" << "" << 1 << "";
    QTest::newRow("S6.1 per position") << "S6.1" << "a;b,c" << "" << 2 << "";
    QTest::newRow("S6.1 blank") << "S6.1" << "a, b;\nc" << "" << 0 << "";
    QTest::newRow("S6.1 number") << "S6.1" << "1,5" << "" << 0 << "";
    QTest::newRow("S6.1 Arabic-Indic number") << "S6.1" << u"\u0661,\u0665"_s << "" << 0 << "";
    QTest::newRow("S6.1 number reported")
        << "S6.1" << "1,5" << "checkS6_1_1CheckBox=true" << 1 << "";
    QTest::newRow("S6.1 semicolon in number") << "S6.1" << "1;5" << "" << 1 << "";
    QTest::newRow("S6.2") << "S6.2" << "End.Next" << "" << 1 << "";
    QTest::newRow("S6.2 blank") << "S6.2" << "End. Next" << "" << 0 << "";
    QTest::newRow("S6.2 number") << "S6.2" << "1.5" << "" << 0 << "";
    QTest::newRow("S6.2 other number") << "S6.2" << u"1.\u00B2"_s << "" << 0 << "";
    QTest::newRow("S6.2 other number reported")
        << "S6.2" << u"1.\u00B2"_s << "checkS6_2_1CheckBox=true" << 1 << "";
    QTest::newRow("S6.2 decimal digit always")
        << "S6.2" << "1.5" << "checkS6_2_1CheckBox=true" << 0 << "";
    QTest::newRow("S6.2 digit after") << "S6.2" << "v.2" << "" << 0 << "";
    QTest::newRow("S6.2 closing after") << "S6.2" << "(a.)" << "" << 0 << "";
    QTest::newRow("S6.2 ellipsis") << "S6.2" << "Wait..." << "" << 0 << "";
    QTest::newRow("S6.2 ellipsis then word") << "S6.2" << "Wait...next" << "" << 0 << "";
    QTest::newRow("S6.2 two full stops") << "S6.2" << "Wait..next" << "" << 1 << "";
    QTest::newRow("S6.3") << "S6.3" << "Stop!Go? No" << "" << 1 << "";
    QTest::newRow("S6.3 closing") << "S6.3" << "(Stop!) Why?)" << "" << 0 << "";
    QTest::newRow("S6.4") << "S6.4" << "Name:x" << "" << 1 << "";
    QTest::newRow("S6.4 time") << "S6.4" << "12:30" << "" << 0 << "";
    QTest::newRow("S6.4 time reported")
        << "S6.4" << "12:30" << "checkS6_4_1CheckBox=true" << 1 << "";
    QTest::newRow("S6.4 closing") << "S6.4" << "(Name:)" << "" << 1 << "";
}

void TestSingleText::blankBeforePunctuation_data()
{
    addRows();
    QTest::newRow("S7.1") << "S7.1" << "a , b ;c" << "" << 2 << "";
    QTest::newRow("S7.1 none") << "S7.1" << "a, b" << "" << 0 << "";
    QTest::newRow("S7.2") << "S7.2" << "End ." << "" << 1 << "";
    QTest::newRow("S7.2 opening") << "S7.2" << "(.)" << "" << 1 << "";
    QTest::newRow("S7.2 ellipsis") << "S7.2" << "Wait ..." << "" << 0 << "";
    QTest::newRow("S7.2 ellipsis reported")
        << "S7.2" << "Wait ..." << "checkS7_2_1CheckBox=true" << 1 << "";
    QTest::newRow("S7.3") << "S7.3" << "Stop ! Why ?" << "" << 2 << "";
    QTest::newRow("S7.3 opening") << "S7.3" << "(?)" << "" << 1 << "";
    QTest::newRow("S7.4") << "S7.4" << "Name :" << "" << 1 << "";
    QTest::newRow("S7.4 none") << "S7.4" << "Name: x" << "" << 0 << "";
}

void TestSingleText::doubles_data()
{
    addRows();
    QTest::newRow("S8.1") << "S8.1" << "a\n\nb" << "" << 1 << "";
    QTest::newRow("S8.2") << "S8.2" << "a  b   c" << "" << 3 << "";
    QTest::newRow("S8.2 not after S8.1") << "S8.2" << "a\n\n  b" << "" << 0 << "";
    QTest::newRow("S8.3 two") << "S8.3" << "Wait.." << "" << 1 << "";
    QTest::newRow("S8.3 ellipsis") << "S8.3" << "Wait... go..." << "" << 0 << "";
    QTest::newRow("S8.3 four") << "S8.3" << "Wait...." << "" << 1 << "";
    QTest::newRow("S8.3 ellipsis reported")
        << "S8.3" << "Wait..." << "checkS8_3_1CheckBox=true" << 2 << "";
    QTest::newRow("S8.4 hyphens") << "S8.4" << "a--b" << "" << 1
                                  << "Double character -  at position 2:\na--b";
    QTest::newRow("S8.4 per position")
        << "S8.4" << "a**b**" << "" << 2 << "Double character *  at position 5:\na**b**";
    QTest::newRow("S8.4 line edit") << "S8.4" << "a--b" << "checkS8_4LineEdit=-" << 0 << "";
    QTest::newRow("S8.4 letters") << "S8.4" << "aa 11" << "" << 0 << "";
    QTest::newRow("S8.4 ellipsis") << "S8.4" << "Wait..." << "" << 0 << "";
    QTest::newRow("S8.4 not after S8.1") << "S8.4" << "a\n\n--b" << "" << 0 << "";
    QTest::newRow("S8.4 not after S8.2") << "S8.4" << "a  --b" << "" << 0 << "";
    QTest::newRow("S8.4 not after S8.3") << "S8.4" << "a.. --b" << "" << 0 << "";
    QTest::newRow("S9.1 marks") << "S9.1" << u"a\u0301\u0308"_s << "" << 1 << "";
    QTest::newRow("S9.2 connector and dash") << "S9.2" << "a_-b" << "" << 1 << "";
    QTest::newRow("S9.3 currency and modifier") << "S9.3" << u"\u20AC^"_s << "" << 1 << "";
    QTest::newRow("S9.4 modifier letters") << "S9.4" << u"a\u02B0\u02B0"_s << "" << 1 << "";
    QTest::newRow("S9.2 none") << "S9.2" << "a-b_c" << "" << 0 << "";
}

void TestSingleText::sentences_data()
{
    addRows();
    QTest::newRow("lowercase") << "S10.1" << "hello" << "" << 1 << "hello";
    QTest::newRow("second sentence") << "S10.1" << "Hello. world" << "" << 1 << "world";
    QTest::newRow("no blank after full stop") << "S10.1" << "Hello.world" << "" << 0 << "";
    QTest::newRow("marks") << "S10.1" << "Hi! you? yes" << "" << 2 << " you";
    QTest::newRow("line feed kept") << "S10.1" << "Hello\nworld" << "" << 0 << "";
    QTest::newRow("line feed splits")
        << "S10.1" << "Hello\nworld" << "checkS10_1_1CheckBox=true" << 1 << "world";
    QTest::newRow("digit first") << "S10.1" << "1 apple" << "" << 0 << "";
    QTest::newRow("argument then digit") << "S10.1" << "%1 files" << "" << 0 << "";
    QTest::newRow("punctuation skipped") << "S10.1" << "(hello)" << "" << 1 << "(hello)";
    QTest::newRow("non-ASCII capital") << "S10.1" << u"\u00C9lan"_s << "" << 0 << "";
    QTest::newRow("non-ASCII small") << "S10.1" << u"\u00E9lan"_s << "" << 1 << "";
}

void TestSingleText::keySequences_data()
{
    addRows();
    const QString plain = QStringLiteral("checkS14CheckBox=false");
    QTest::newRow("S14.3 plain") << "S14.3" << "&File" << plain << 1 << "QKeySequence F: &File";
    QTest::newRow("S14.4 plain") << "S14.4" << "&File" << plain << 1 << "File\t:\t&File";
    QTest::newRow("S14.3 html") << "S14.3" << "&File" << "" << 1
                                << "<tr><td>QKeySequence F</td><td>&File</td></tr>";
    QTest::newRow("S14.4 html") << "S14.4" << "&File" << "" << 1
                                << "<tr><td>File</td><td>&File</td></tr>";
    QTest::newRow("S14.1 one marker") << "S14.1" << "&File" << "" << 0 << "";
    QTest::newRow("S14.1 two markers") << "S14.1" << "&Save &As" << "" << 1 << "";
    QTest::newRow("S14.3 first marker")
        << "S14.3" << "&Save &as" << plain << 1 << "QKeySequence S: &Save &as";
    QTest::newRow("S14.2 at end") << "S14.2" << "File&" << "" << 1 << "";
    QTest::newRow("S14.3 not at end") << "S14.3" << "File&" << "" << 0 << "";
    QTest::newRow("S14.4 at end") << "S14.4" << "File&" << plain << 1 << "File\t:\tFile&";
    QTest::newRow("S14.4 no marker") << "S14.4" << "File" << "" << 0 << "";
}

void TestSingleText::translationKeys_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("key");

    QTest::newRow("T6.1 own key") << "T6.1" << "a, b" << "c,d" << "" << "a, b\nc,d";
    QTest::newRow("T5.3 message") << "T5.3" << "(a)" << "(b" << "" << "( is not closed.\n(a)\n(b";
    QTest::newRow("T8.4 position in translation")
        << "T8.4" << "a" << "bb==" << "" << "Double character =  at position 3:\na\nbb==";
    QTest::newRow("T10.1 sentence") << "T10.1" << "Go" << "Ja. nein" << "" << "nein\nGo\nJa. nein";
    QTest::newRow("T14.1") << "T14.1" << "&Open" << "&Da &Ja" << "" << "&Open\n&Da &Ja";
    QTest::newRow("T14.3 plain") << "T14.3" << "&File" << "&Datei" << "checkT14CheckBox=false"
                                 << "QKeySequence D:\t\t&Datei\t\t: &File";
    QTest::newRow("T14.4 plain") << "T14.4" << "&File" << "&Datei" << "checkT14CheckBox=false"
                                 << "Datei\t\t: &Datei\t\t: &File";
    QTest::newRow("T14.3 html") << "T14.3" << "&File" << "&Datei" << ""
                                << "<tr><td>QKeySequence D</td><td>&Datei</td><td>&File</td></tr>";
    QTest::newRow("T14.4 html") << "T14.4" << "&File" << "&Datei" << ""
                                << "<tr><td>Datei</td><td>&Datei</td><td>&File</td></tr>";
}

void TestSingleText::translationKeys()
{
    QFETCH(QString, check);
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(QString, options);
    QFETCH(QString, key);

    start(options);
    run(source, translation);
    const FindingMap &map = findings(check);
    QCOMPARE(map.size(), 1);
    QCOMPARE(map.entries().firstKey(), key);
    QCOMPARE(map.values(key), QStringList{Context});
}

void TestSingleText::partialRule_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QList<int>>("hitsByState"); // findings with the box at 0, 1, 2

    using L = QList<int>;
    QTest::newRow("T6.1 source fails") << "T6.1" << "a,b" << "c,d" << "" << L{1, 0, 1};
    QTest::newRow("T6.1 source passes") << "T6.1" << "a, b" << "c,d" << "" << L{1, 1, 1};
    QTest::newRow("T1.2 source too long") << "T1.2" << "abcd" << "abcdefgh"
                                          << "checkS1_2SpinBox=3;checkT1_2SpinBox=3" << L{1, 0, 1};
    QTest::newRow("T1.3 source too short") << "T1.3" << "a" << "b" << "" << L{1, 0, 1};
    QTest::newRow("T2.2 line feed in source") << "T2.2" << "a\nb" << "a\tb" << "" << L{1, 0, 1};
    QTest::newRow("T2.2 source passes") << "T2.2" << "ab" << "a\tb" << "" << L{1, 1, 1};
    QTest::newRow("T2.3 line feed in source") << "T2.3" << "a\nb" << "c\nd" << "" << L{1, 0, 1};
    QTest::newRow("T3.1 source starts with one") << "T3.1" << "\nab" << "\ncd" << "" << L{1, 0, 1};
    QTest::newRow("T3.4 source fails") << "T3.4" << "-ab" << "-cd" << "" << L{1, 0, 1};
    QTest::newRow("T8.2 source fails S8.1") << "T8.2" << "a\n\nb" << "c  d" << "" << L{1, 0, 1};
    QTest::newRow("T8.2 source fails S8.2") << "T8.2" << "a  b" << "c  d" << "" << L{1, 0, 1};
    QTest::newRow("T8.4 source fails") << "T8.4" << "a--b" << "c--d" << "" << L{1, 0, 1};
    QTest::newRow("T10.1 source fails") << "T10.1" << "ab" << "cd" << "" << L{1, 0, 1};
    QTest::newRow("T14.3 never skipped") << "T14.3" << "&ab" << "&cd" << "" << L{1, 1, 1};
}

void TestSingleText::partialRule()
{
    QFETCH(QString, check);
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(QString, options);
    QFETCH(QList<int>, hitsByState);

    const QString box = QStringLiteral("check%1CheckBox").arg(QString(check).replace('.', '_'));
    for (int state = 0; state <= 2; ++state) {
        start(options);
        if (!check.startsWith(QLatin1String("T14")))
            applyOptions(box + QLatin1Char('=') + QString::number(state));
        run(source, translation);
        QVERIFY2(findings(check).size() == hitsByState[state],
                 qPrintable(QStringLiteral("state %1").arg(state)));
    }
}

void TestSingleText::numerusFormsAboveSource()
{
    start(QStringLiteral("checkT6_1CheckBox=1;checkT1_3CheckBox=1"));
    QCOMPARE(m_store.sourceRules.maxNumerus, 2);
    run(QStringLiteral("a,b"), QStringLiteral("c,d"), false, 3);
    QCOMPARE(m_store.sourceCount, 0);
    QCOMPARE(findings(QStringLiteral("S6.1")).size(), 0);
    // The source still failed S6.1, so the partial box skips T6.1; S1.3 counts no
    // letters for a later form and so skips T1.3 as well.
    QCOMPARE(findings(QStringLiteral("T6.1")).size(), 0);
    run(QStringLiteral("Ab"), QStringLiteral("c"), false, 3);
    QCOMPARE(findings(QStringLiteral("T1.3")).size(), 0);
    // The translation checks themselves still run.
    run(QStringLiteral("Ab"), QStringLiteral("c;d"), false, 3);
    QCOMPARE(findings(QStringLiteral("T6.1")).size(), 1);
    // A message without locations fails its source checks all the same.
    run(QStringLiteral("a,b"), QStringLiteral("e,f"), false, 0, {});
    QCOMPARE(findings(QStringLiteral("T6.1")).size(), 1);
    // An unfinished translation gets T1.1b and all other checks.
    run(QStringLiteral("Ab"), QStringLiteral("g;h"), true);
    QCOMPARE(findings(QStringLiteral("T1.1b")).entries().firstKey(), QStringLiteral("Ab\ng;h"));
    QCOMPARE(findings(QStringLiteral("T6.1")).size(), 2);
}

void TestSingleText::translationLanguages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<int>("hits");

    QTest::newRow("ja full stop") << "ja" << "T6.2" << u"\u30D5\u30A1\u3002\u6B21"_s << 1;
    QTest::newRow("ja ASCII full stop") << "ja" << "T6.2" << "a.b" << 0;
    QTest::newRow("ja colon") << "ja" << "T6.4" << u"\u540D\uFF1Ax"_s << 1;
    QTest::newRow("ja question mark") << "ja" << "T7.3" << u"\u4F55 \uFF1F"_s << 1;
    QTest::newRow("ja doubled full stop") << "ja" << "T8.3" << u"\u3042\u3002\u3002"_s << 1;
    QTest::newRow("ja ASCII dots are doubles") << "ja" << "T8.4" << "a.." << 1;
    QTest::newRow("ja full stops not doubles") << "ja" << "T8.4" << u"a\u3002\u3002"_s << 0;
    QTest::newRow("zh exclamation mark") << "zh" << "T6.3" << u"\u597D\uFF01\u597D"_s << 1;
    QTest::newRow("zh ASCII exclamation") << "zh" << "T6.3" << "a!b" << 0;
    QTest::newRow("zh sentence") << "zh" << "T10.1" << u"Ok\uFF01ok"_s << 1;
    QTest::newRow("hi full stop") << "hi" << "T6.2" << u"\u0928\u0964x"_s << 1;
    QTest::newRow("hi blank before") << "hi" << "T7.2" << u"\u0928 \u0964"_s << 1;
    QTest::newRow("ar question mark") << "ar" << "T6.3" << u"\u0645\u061Fx"_s << 1;
    QTest::newRow("ar ASCII question mark") << "ar" << "T6.3" << u"\u0645?x"_s << 0;
    QTest::newRow("de quotes") << "de" << "T5.3" << u"\u201EDatei\u201C"_s << 0;
    QTest::newRow("de quote opens") << "de" << "T3.4" << u"\u201EDatei\u201C"_s << 0;
    QTest::newRow("de quote closes") << "de" << "T4.4" << u"\u201EDatei\u201C"_s << 0;
    QTest::newRow("de reversed quotes") << "de" << "T5.3" << u"\u201CDatei\u201E"_s << 1;
    QTest::newRow("pl quotes") << "pl" << "T5.3" << u"\u201DPlik\u201E"_s << 0;
    QTest::newRow("pl low quote first") << "pl" << "T5.3" << u"\u201EPlik\u201D"_s << 1;
    QTest::newRow("sv no typographic quotes") << "sv" << "T3.4" << u"\u2018Fil"_s << 1;
}

void TestSingleText::translationLanguages()
{
    QFETCH(QString, language);
    QFETCH(QString, check);
    QFETCH(QString, translation);
    QFETCH(int, hits);

    start(QString(), language);
    run(QStringLiteral("Text"), translation);
    QCOMPARE(findings(check).size(), hits);
}

void TestSingleText::sentenceSplitting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("lineFeeds");
    QTest::addColumn<QStringList>("sentences");

    QTest::newRow("none") << "One. Two! Three?" << false << QStringList();
    QTest::newRow("empty pieces") << "a!. b?" << false << QStringList{"a", "b"};
    QTest::newRow("full stop then blank only") << "x.. y" << false << QStringList{"x.", "y"};
    QTest::newRow("line feeds") << "Yes\nno\n" << true << QStringList{"no"};
}

void TestSingleText::sentenceSplitting()
{
    QFETCH(QString, text);
    QFETCH(bool, lineFeeds);
    QFETCH(QStringList, sentences);
    QCOMPARE(lowercaseSentences(text, LanguageRules(), lineFeeds), sentences);
}

void TestSingleText::lettersAndNumbers()
{
    QCOMPARE(countLettersOrNumbers(QStringLiteral("a1 .-_")), 2);
    QCOMPARE(countLettersOrNumbers(u"\u00E9\u0663\u00B2\u00A0"_s), 3);
}

QTEST_GUILESS_MAIN(TestSingleText)
#include "tst_singletext.moc"
