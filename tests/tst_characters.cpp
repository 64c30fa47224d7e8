// Character names and the used-character report of check ST0.

#include "store/appsettings.h"
#include "store/results.h"

#include <QLoggingCategory>
#include <QStandardPaths>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString HighSurrogate(QChar(0xD83D));
const QString LowSurrogate(QChar(0xDE00));
const QString OtherRequest =
    u"Please report that you are using other characters! I want to improve the check.\n"_s;
const QString Oskerbay = u"Please report it to me (Oskerbay), so i will improve the check."_s;

QSet<QString> characterSet(const QString &text)
{
    QSet<QString> set;
    for (const QChar c : text)
        set.insert(QString(c));
    return set;
}

} // namespace

class TestCharacters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(u"default.info=false\ndefault.warning=false"_s);
    }

    void characterName_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning"); // empty: no warning

        const QString printable =
            u"You are using a non-supported printable character (unicode=%1)."_s;
        const QString unprintable =
            u"You are using a non-supported unprintable character (unicode=%1)."_s;
        QTest::newRow("space") << u" "_s << u"<space> "_s << QString();
        QTest::newRow("no-break space") << u"\u00A0"_s << u"<non-breaking space> "_s << QString();
        QTest::newRow("line feed") << u"\n"_s << u"<line feed> "_s << QString();
        QTest::newRow("zero width joiner") << u"\u200D"_s << u"<zero width joiner> "_s << QString();
        QTest::newRow("ASCII") << u"-"_s << u"- "_s << QString();
        QTest::newRow("letter") << u"\u00E9"_s << u"\u00E9 "_s << QString();
        QTest::newRow("other space")
            << u"\u2002"_s << u"<otherSpace> "_s << printable.arg(u"\u2002"_s);
        QTest::newRow("control") << u"\u0001"_s << u"<otherNotPrintable> "_s
                                 << unprintable.arg(u"\u0001"_s);
        QTest::newRow("private use")
            << u"\uE000"_s << u"<otherNotPrintable> "_s << unprintable.arg(u"\uE000"_s);
    }

    void characterName()
    {
        QFETCH(QString, character);
        QFETCH(QString, name);
        QFETCH(QString, warning);
        results store;
        QString warnings = u"before"_s;
        QCOMPARE(store.characterName(character.at(0), false, warnings), name);
        QCOMPARE(warnings, u"before"_s);
        warnings.clear();
        QCOMPARE(store.characterName(character.at(0), true, warnings), name);
        QCOMPARE(warnings, warning.isEmpty() ? QString() : warning + u' ' + Oskerbay + u"\n\n"_s);
    }

    void usedCharacterReport_data()
    {
        QTest::addColumn<int>("localScript");
        QTest::addColumn<QString>("characters");
        QTest::addColumn<QString>("report");

        const QString parentheses =
            u"You are using character %1. This character isn't supported in the parentheses "
            "check yet. "_s
            + Oskerbay + u"\n\n"_s;
        const QString unprintable =
            u"You are using a non-supported unprintable character (unicode=%1). "_s + Oskerbay
            + u"\n\n"_s;
        const QString numbers =
            u"You are using character %1. This character isn't supported in the compare "
            "numbers check yet. "_s
            + Oskerbay + u"\n\n"_s;
        QTest::newRow("nothing") << int(QChar::Script_Latin) << QString() << u"\n"_s;
        QTest::newRow("local Latin")
            << int(QChar::Script_Latin) << u"ba"_s << u"\nLocal characters: a  b  \n\n"_s;
        QTest::newRow("buckets in order")
            << -1 << u"\u0301 a\u0416"_s
            << u"\nLatin characters: a  \n\nCommon characters: <space>  \n\n"
               "Inherited characters: \u0301  \n\n"_s
                   + OtherRequest + u"Other characters: \u0416  \n\n"_s;
        QTest::newRow("local first")
            << int(QChar::Script_Cyrillic) << u"a\u0416"_s
            << u"\nLocal characters: \u0416  \n\nLatin characters: a  \n\n"_s;
        QTest::newRow("surrogates")
            << int(QChar::Script_Latin) << u"\U0001F600"_s
            << u"\n"_s + unprintable.arg(HighSurrogate) + unprintable.arg(LowSurrogate)
                   + OtherRequest
                   + u"Other characters: <otherNotPrintable>  <otherNotPrintable>  \n\n"_s;
        QTest::newRow("known bracket")
            << int(QChar::Script_Latin) << u"()"_s << u"\nCommon characters: (  )  \n\n"_s;
        QTest::newRow("unknown quote")
            << int(QChar::Script_Latin) << u"\u201E"_s
            << u"\n"_s + parentheses.arg(u"\u201E"_s) + u"Common characters: \u201E  \n\n"_s;
        QTest::newRow("Arabic-Indic digit")
            << int(QChar::Script_Latin) << u"3\u0663"_s
            << u"\n"_s + numbers.arg(u"\u0663"_s) + u"Common characters: 3  \n\n"_s + OtherRequest
                   + u"Other characters: \u0663  \n\n"_s;
    }

    void usedCharacterReport()
    {
        QFETCH(int, localScript);
        QFETCH(QString, characters);
        QFETCH(QString, report);
        results store;
        store.setUpLanguage(u"en"_s, true, u"test.ts"_s);
        QCOMPARE(store.usedCharacterReport(localScript, characterSet(characters),
                                           store.sourceRules.openToClose,
                                           store.sourceRules.closeToOpen),
                 report);
    }

    void usedCharactersOfTheCatalogue()
    {
        AppSettings = AppSettingsRecord();
        results store;
        store.runCatalogueChecks();
        QCOMPARE(store.items(CheckST0),
                 (QStringList{u"Used characters in the source:"_s, u"\n"_s,
                              u"Used characters in the translation:"_s, u"\n"_s}));

        store.clear();
        store.setUpLanguage(u"de"_s, true, u"test.ts"_s);
        const QList<QString> locations{u"a.cpp"_s};
        store.checkMessage(u"ab"_s, u"ba"_s, u"C"_s, locations, false, false, 0, {}, {});
        store.checkMessage(u"ba"_s, u"\u00E4"_s, u"C"_s, locations, false, false, 0, {}, {});
        store.runCatalogueChecks();
        const ItemList &items = store.items(CheckST0);
        QCOMPARE(items.size(), 4);
        QCOMPARE(items.at(1), u"\nLocal characters: a  b  \n\n"_s);
        QCOMPARE(items.at(3), u"\nLocal characters: a  b  \u00E4  \n\n"_s);
        QCOMPARE(store.usedSourceCharacters, (QSet<QString>{u"a"_s, u"b"_s}));
    }

    void collectCharacters()
    {
        results store;
        QSet<QString> characters{u"z"_s};
        store.collectCharacters(QSet<QString>{u"aab"_s, u"b\U0001F600"_s}, characters);
        QCOMPARE(characters, (QSet<QString>{u"z"_s, u"a"_s, u"b"_s, HighSurrogate, LowSurrogate}));
    }
};

QTEST_GUILESS_MAIN(TestCharacters)
#include "tst_characters.moc"
