// Character names and the used-character report of check ST0.

#include "enginefixture.h"

#include <QLoggingCategory>

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString HighSurrogate(QChar(0xD83D));
const QString LowSurrogate(QChar(0xDE00));
const QString OtherRequest
    = u"Please report that you are using other characters! I want to improve the check.\n"_s;

// A warning sentence as the report and the warnings carry it.
QString warning(const QString &sentence)
{
    return sentence + u" Please report it to me (Oskerbay), so i will improve the check.\n\n"_s;
}
QString unsupported(const char *kind, const QString &character)
{
    return warning(u"You are using a non-supported %1 character (unicode=%2)."_s.arg(
        QLatin1String(kind), character));
}
QString notInCheck(const char *check, const QString &character)
{
    return warning(u"You are using character %1. This character isn't supported in the %2 check "
                   "yet."_s.arg(character, QLatin1String(check)));
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
        QTest::addColumn<QString>("warnings");

        QTest::newRow("line feed") << u"\n"_s << u"<line feed> "_s << QString();
        QTest::newRow("letter") << u"\u00E9"_s << u"\u00E9 "_s << QString();
        QTest::newRow("other space")
            << u"\u2002"_s << u"<otherSpace> "_s << unsupported("printable", u"\u2002"_s);
        QTest::newRow("control") << u"\u0001"_s << u"<otherNotPrintable> "_s
                                 << unsupported("unprintable", u"\u0001"_s);
    }
    void characterName()
    {
        QFETCH(QString, character);
        QFETCH(QString, name);
        QFETCH(QString, warnings);
        results store;
        QString found = u"before"_s;
        QCOMPARE(store.characterName(character.at(0), false, found), name);
        QCOMPARE(found, u"before"_s);
        found.clear();
        QCOMPARE(store.characterName(character.at(0), true, found), name);
        QCOMPARE(found, warnings);
    }

    void usedCharacterReport_data()
    {
        QTest::addColumn<int>("localScript");
        QTest::addColumn<QString>("characters");
        QTest::addColumn<QString>("report");

        const int latin = QChar::Script_Latin;
        QTest::newRow("buckets in order")
            << -1 << u"\u0301 a\u0416"_s
            << u"\nLatin characters: a  \n\nCommon characters: <space>  \n\n"
               "Inherited characters: \u0301  \n\n"_s
                   + OtherRequest + u"Other characters: \u0416  \n\n"_s;
        QTest::newRow("local first")
            << int(QChar::Script_Cyrillic) << u"a\u0416"_s
            << u"\nLocal characters: \u0416  \n\nLatin characters: a  \n\n"_s;
        QTest::newRow("surrogates")
            << latin << u"\U0001F600"_s
            << u"\n"_s + unsupported("unprintable", HighSurrogate)
                   + unsupported("unprintable", LowSurrogate) + OtherRequest
                   + u"Other characters: <otherNotPrintable>  <otherNotPrintable>  \n\n"_s;
        QTest::newRow("known bracket") << latin << u"()"_s << u"\nCommon characters: (  )  \n\n"_s;
        QTest::newRow("unknown quote") << latin << u"\u201E"_s
                                       << u"\n"_s + notInCheck("parentheses", u"\u201E"_s)
                                              + u"Common characters: \u201E  \n\n"_s;
        QTest::newRow("Arabic-Indic digit") << latin << u"3\u0663"_s
                                            << u"\n"_s + notInCheck("compare numbers", u"\u0663"_s)
                                                   + u"Common characters: 3  \n\n"_s + OtherRequest
                                                   + u"Other characters: \u0663  \n\n"_s;
    }
    void usedCharacterReport()
    {
        QFETCH(int, localScript);
        QFETCH(QString, characters);
        QFETCH(QString, report);
        Engine engine(u"en"_s);
        QSet<QString> set;
        for (const QChar c : characters)
            set.insert(QString(c));
        const LanguageRules &rules = engine.store.sourceRules;
        QCOMPARE(engine.store.usedCharacterReport(localScript, set, rules.openToClose,
                                                  rules.closeToOpen),
                 report);
    }

    void usedCharactersOfTheCatalogue()
    {
        resetAppSettings();
        Engine engine;
        engine.check(u"ab"_s, u"ba"_s);
        engine.check(u"ba"_s, u"\u00E4"_s);
        engine.store.runCatalogueChecks();
        QCOMPARE(
            engine.store.items(CheckST0),
            (QStringList {u"Used characters in the source:"_s, u"\nLocal characters: a  b  \n\n"_s,
                          u"Used characters in the translation:"_s,
                          u"\nLocal characters: a  b  \u00E4  \n\n"_s}));
        QCOMPARE(engine.store.usedSourceCharacters, (QSet<QString> {u"a"_s, u"b"_s}));

        // Each character once, a character met before kept, surrogates apart.
        QSet<QString> characters {u"z"_s};
        engine.store.collectCharacters(QSet<QString> {u"aab"_s, u"b\U0001F600"_s}, characters);
        QCOMPARE(characters, (QSet<QString> {u"z"_s, u"a"_s, u"b"_s, HighSurrogate, LowSurrogate}));
    }
};

QTEST_GUILESS_MAIN(TestCharacters)
#include "tst_characters.moc"
