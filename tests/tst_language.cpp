#include "store/appsettings.h"
#include "store/results.h"

#include <QtTest>

class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AppSettings = AppSettingsRecord();
        QTest::failOnWarning(QRegularExpression(".*"));
    }

    void rows_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("numerus");
        QTest::addColumn<int>("script");
        QTest::addColumn<QString>("punctuation"); // decimal, ?, !, full stop, colon
        QTest::addColumn<QString>("extraOpening");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("de_DE takes de")
            << "de_DE" << 2 << 3 << ",?!.:" << QString::fromUtf16(u"\u201E\u201A") << QStringList();
        QTest::newRow("pt_BR takes pt")
            << "pt_BR" << 2 << 3 << ",?!.:" << QString::fromUtf16(u"\u201C\u2018") << QStringList();
        QTest::newRow("ja") << "ja" << 1 << 35 << QString::fromUtf16(u".\uFF1F\uFF01\u3002\uFF1A")
                            << QString() << QStringList();
        QTest::newRow("zh_TW") << "zh_TW" << 1 << 37 << QString::fromUtf16(u".?\uFF01\u3002\uFF1A")
                               << QString::fromUtf16(u"\u201C\u2018") << QStringList();
        QTest::newRow("hi") << "hi" << 2 << 11 << QString::fromUtf16(u".?!\u0964:") << QString()
                            << QStringList();
        QTest::newRow("ar") << "ar" << 6 << 8 << QString::fromUtf16(u".\u061F!.:")
                            << QString::fromUtf16(u"\u201C\u2018") << QStringList();
        QTest::newRow("se is unknown")
            << "se" << 99 << -1 << ".?!.:" << QString()
            << QStringList {"Unknown rules for se. Please contact Oskerbay."};
        QTest::newRow("missing language")
            << "" << 99 << -1 << ".?!.:" << QString()
            << QStringList {"Missing language in file f.ts. Set to '---KVN UNKNOWN---'.",
                            "Some checks will fail, because the language in unknown in f.ts."};
        QTest::newRow("prefix is case-sensitive")
            << "DE" << 99 << -1 << ".?!.:" << QString()
            << QStringList {"Unknown rules for DE. Please contact Oskerbay."};
    }
    void rows()
    {
        QFETCH(QString, language);
        QFETCH(int, numerus);
        QFETCH(int, script);
        QFETCH(QString, punctuation);
        QFETCH(QString, extraOpening);
        QFETCH(QStringList, problems);
        results store;
        store.setUpLanguage(language, true, QStringLiteral("f.ts"));
        QVERIFY(store.languageReady);
        const LanguageRules &t = store.translationRules;
        QCOMPARE(t.maxNumerus, numerus);
        QCOMPARE(t.script, script);
        QCOMPARE(t.decimalSeparator + t.questionMark + t.exclamationMark + t.fullStop + t.colon,
                 punctuation);
        for (QChar opening : extraOpening) {
            QVERIFY(t.openingCharacters.contains(opening));
            QVERIFY(t.closingCharacters.contains(t.openToClose.value(opening)));
            QCOMPARE(t.closeToOpen.value(t.openToClose.value(opening)), opening);
        }
        QCOMPARE(store.items(Check_0), problems);
        // The source side is English whatever the catalogue says.
        QCOMPARE(store.sourceRules.maxNumerus, 2);
        QCOMPARE(store.sourceRules.fullStop, QStringLiteral("."));
        QCOMPARE(store.catalogueLanguage,
                 language.isEmpty() ? results::unknownLanguage() : language);
    }

    void bracketTables()
    {
        results store;
        store.setUpLanguage(QStringLiteral("sv"), true, QStringLiteral("f.ts"));
        const LanguageRules &s = store.sourceRules;
        const LanguageRules &t = store.translationRules;
        for (const char *pair : {"()", "[]", "{}"}) {
            QCOMPARE(s.openToClose.value(QLatin1Char(pair[0])), QLatin1Char(pair[1]));
            QCOMPARE(t.closeToOpen.value(QLatin1Char(pair[1])), QLatin1Char(pair[0]));
        }
        QVERIFY(s.openingCharacters.contains(QChar(0x2018)));
        QVERIFY(s.closingCharacters.contains(QChar(0x201D)));
        QVERIFY(!t.openingCharacters.contains(QChar(0x2018)));
        QVERIFY(!s.openToClose.contains(QLatin1Char('<')));
        QVERIFY(store.htmlSubsetTags.contains(QStringLiteral("var")));
        QCOMPARE(store.htmlSubsetTags.size(), 55);
        QCOMPARE(store.cssSubsetProperties.size(), 51);
        QCOMPARE(store.emptyElements.size(), 17);
    }

    void angleBracketsOnlyInBracketTables()
    {
        AppSettings.checkS5_3_1CheckBox = true;
        results store;
        store.setUpLanguage(QStringLiteral("de"), true, QStringLiteral("f.ts"));
        QCOMPARE(store.sourceRules.openToClose.value(QLatin1Char('<')), QLatin1Char('>'));
        QCOMPARE(store.sourceRules.closeToOpen.value(QLatin1Char('>')), QLatin1Char('<'));
        QVERIFY(!store.sourceRules.openingCharacters.contains(QLatin1Char('<')));
        QVERIFY(!store.sourceRules.closingCharacters.contains(QLatin1Char('>')));
        QVERIFY(!store.translationRules.openToClose.contains(QLatin1Char('<')));
    }

    void laterFiles_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("same") << QStringList {"de", "de"} << QStringList();
        QTest::newRow("de and de_DE")
            << QStringList {"de", "de_DE"}
            << QStringList {"Reading multible files with different languages. (de_DE != de). File "
                            "f1.ts."};
        QTest::newRow("de and fr")
            << QStringList {"de", "fr"}
            << QStringList {"Reading multible files with different languages. (fr != de). File "
                            "f1.ts.",
                            "Languarges are too different. Some checks will fail."};
        QTest::newRow("later file without language")
            << QStringList {"de", ""} << QStringList {"Missing language in file f1.ts."};
        QTest::newRow("first unknown, then fr")
            << QStringList {"", "fr"}
            << QStringList {"Missing language in file f0.ts. Set to '---KVN UNKNOWN---'.",
                            "Some checks will fail, because the language in unknown in f0.ts.",
                            "Reading multible files with different languages. (fr != "
                            "---KVN UNKNOWN---). File f1.ts."};
    }
    void laterFiles()
    {
        QFETCH(QStringList, languages);
        QFETCH(QStringList, problems);
        results store;
        for (int i = 0; i < languages.size(); ++i)
            store.setUpLanguage(languages[i], false, QStringLiteral("f%1.ts").arg(i));
        QCOMPARE(store.items(Check_0), problems);
        // The first file's rules stay.
        QCOMPARE(store.catalogueLanguage,
                 languages[0].isEmpty() ? results::unknownLanguage() : languages[0]);
    }

    void secondRootElementKeepsTables()
    {
        results store;
        store.setUpLanguage(QStringLiteral("de"), true, QStringLiteral("f.ts"));
        const int pairs = store.translationRules.openToClose.size();
        store.setUpLanguage(QStringLiteral("fr"), true, QStringLiteral("f.ts"));
        QCOMPARE(store.translationRules.openToClose.size(), pairs);
        QCOMPARE(store.translationRules.decimalSeparator, QStringLiteral(","));
        QCOMPARE(store.catalogueLanguage, QStringLiteral("de"));
        QCOMPARE(store.items(Check_0).size(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
