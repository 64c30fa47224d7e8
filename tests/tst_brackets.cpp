// Matching of opening and closing characters.

#include "store/appsettings.h"
#include "store/results.h"

#include <QLoggingCategory>
#include <QStandardPaths>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestBrackets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLoggingCategory::setFilterRules(u"default.info=false"_s);
    }

    void checkBrackets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("disallowListings");
        QTest::addColumn<bool>("angles");     // "<" and ">" join the tables
        QTest::addColumn<QString>("message"); // empty: well-formed

        QTest::newRow("nested") << u"(a [b] c)"_s << false << false << QString();
        QTest::newRow("crossed") << u"(a [b) c]"_s << false << false
                                 << u"Missing ] at position 5."_s;
        QTest::newRow("label") << u"a) b"_s << false << false << QString();
        QTest::newRow("label with full stop") << u"2.b) c"_s << false << false << QString();
        QTest::newRow("label disallowed")
            << u"a) b"_s << true << false << u") is not opened before position 1."_s;
        QTest::newRow("comma ends the label")
            << u"x, 1) y"_s << false << false << u") is not opened before position 4."_s;
        QTest::newRow("innermost unclosed") << u"((a)"_s << false << false << u"( is not closed."_s;
        QTest::newRow("no brackets") << u"plain"_s << false << false << QString();
        QTest::newRow("empty") << QString() << false << false << QString();
        QTest::newRow("label without pair")
            << u"a\u301E b"_s << false << false << u"\u301E is not closed."_s;
        QTest::newRow("angles ignored") << u"a < b"_s << false << false << QString();
        QTest::newRow("angles matched") << u"a < b"_s << false << true << u"< is not closed."_s;
        QTest::newRow("typographic quotes")
            << u"\u201Ca\u201D \u00ABb\u00BB"_s << false << false << QString();
    }

    void checkBrackets()
    {
        QFETCH(QString, text);
        QFETCH(bool, disallowListings);
        QFETCH(bool, angles);
        QFETCH(QString, message);

        AppSettings = AppSettingsRecord();
        AppSettings.checkS5_3_1CheckBox = angles;
        results store;
        store.setUpLanguage(u"en"_s, true, u"test.ts"_s);
        QString found = u"untouched"_s;
        const bool ok = store.checkBrackets(text, store.sourceRules.openToClose,
                                            store.sourceRules.closeToOpen, found, disallowListings);
        QCOMPARE(ok, message.isEmpty());
        QCOMPARE(found, message.isEmpty() ? u"untouched"_s : message);
    }
};

QTEST_GUILESS_MAIN(TestBrackets)
#include "tst_brackets.moc"
