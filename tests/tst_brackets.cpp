// Matching of opening and closing characters.

#include "enginefixture.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestBrackets : public QObject
{
    Q_OBJECT

private slots:
    void checkBrackets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("disallowListings");
        QTest::addColumn<bool>("angles"); // "<" and ">" join the tables
        QTest::addColumn<QString>("message"); // empty: well-formed

        const auto add = [](const char *name, const QString &text, const QString &message,
                            bool disallowListings = false, bool angles = false) {
            QTest::newRow(name) << text << disallowListings << angles << message;
        };
        add("nested", u"(a [b] c)"_s, {});
        add("crossed", u"(a [b) c]"_s, u"Missing ] at position 5."_s);
        add("label", u"a) b"_s, {});
        add("label with full stop", u"2.b) c"_s, {});
        add("label disallowed", u"a) b"_s, u") is not opened before position 1."_s, true);
        add("comma ends the label", u"x, 1) y"_s, u") is not opened before position 4."_s);
        add("innermost unclosed", u"((a)"_s, u"( is not closed."_s);
        add("empty", QString(), {});
        add("label without pair", u"a\u301E b"_s, u"\u301E is not closed."_s);
        add("angles ignored", u"a < b"_s, {});
        add("angles matched", u"a < b"_s, u"< is not closed."_s, false, true);
        add("typographic quotes", u"\u201Ca\u201D \u00ABb\u00BB"_s, {});
    }
    void checkBrackets()
    {
        QFETCH(QString, text);
        QFETCH(bool, disallowListings);
        QFETCH(bool, angles);
        QFETCH(QString, message);

        resetAppSettings();
        AppSettings.checkS5_3_1CheckBox = angles;
        Engine engine(u"en"_s);
        const LanguageRules &rules = engine.store.sourceRules;
        QString found = u"untouched"_s;
        QCOMPARE(engine.store.checkBrackets(text, rules.openToClose, rules.closeToOpen, found,
                                            disallowListings),
                 message.isEmpty());
        QCOMPARE(found, message.isEmpty() ? u"untouched"_s : message);
    }
};

QTEST_GUILESS_MAIN(TestBrackets)
#include "tst_brackets.moc"
