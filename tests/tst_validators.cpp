// The e-mail, URI and markup validators and the bracket matching, branch by branch
// with their boundaries; the scanners that feed them on both sides, driven
// through checkMessage. What the scanners collect for the comparison checks is
// tested with ST20 and ST21.

#include "enginefixture.h"

namespace {

enum Validator {
    Email,
    Uri,
    Name,
    NameSubset,
    Attribute,
    AttributeHtml,
    AttributeCss,
    Brackets,
    BracketsNoListings,
    BracketsAngles // angles: "<" and ">" join the tables
};

void add(const char *name, Validator validator, const QString &text, const QString &message = {})
{
    QTest::newRow(name) << int(validator) << text << message;
}

} // namespace

class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetOptions(); }

    // message: what the validator appends; empty when the text is valid.
    void validate_data()
    {
        QTest::addColumn<int>("validator");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");

        const QString local63(63, QLatin1Char('a'));
        const QString label62(62, QLatin1Char('d'));
        add("three after @", Email, "x@x.x");
        add("two after @", Email, "x@xx", "Incorrect domain name.");
        add("local part 63", Email, local63 + "@x.de");
        add("local part 64", Email, local63 + "a@x.de", "Too large local part.");
        add("second @", Email, "a@b@c.de", "Too many @ characters.");
        add("leading dot", Email, ".a@x.de", "Email starts with character '.'.");
        add("comma in local", Email, "a,b@x.de", "Not allowed character , in email a,b@x.de.");
        add("hyphen first", Email, "a@-x.de", "Hyphen can't be the first character of a domain.");
        add("hyphen last", Email, "a@x.de-", "Hyphen can't be the last character of a domain.");
        add("hyphen inside", Email, "a@x-y.de");
        add("numeric domain", Email, "a@1-2.3", "Numeric only domain name is not allowed.");
        add("underscore", Email, "a@x_y.de", "Not allowed character _ in email a@x_y.de.");
        add("label 62", Email, "a@" + label62 + ".de");
        add("label 63", Email, "a@" + label62 + "d.de", "Domain lable is too large.");
        add("last label unlimited", Email, "a@x." + QString(200, QLatin1Char('e')));

        add("uri brackets backslash", Uri, "a[1]\\b");
        add("uri blank", Uri, "a b", "Not allowed character   in URI a b.");
        add("uri non-ASCII", Uri, "x.de/\u00E9",
            "Not allowed character \u00E9 in URI x.de/\u00E9.");

        const QString subset = "%1 is not included in the Qt subset.";
        add("b subset", NameSubset, "b");
        add("B", Name, "B");
        add("B subset", NameSubset, "B", subset.arg("B"));
        add("doctype", Name, "!DOCTYPE");
        add("doctype subset", NameSubset, "!DOCTYPE", subset.arg("!DOCTYPE"));
        add("name non-ASCII", Name, "b\u00E4", "Not allowed character \u00E4 in name b\u00E4.");

        add("value not examined", Attribute, "href=\"$ <%>\"");
        add("html attribute", AttributeHtml, "align=\"left\"");
        add("html attribute, css box", AttributeCss, "bgcolor=#fff");
        add("not in html subset", AttributeHtml, "href=\"x\"", subset.arg("href=\"x\""));
        add("style in subset", AttributeCss, "style=\"color: red; font-size: 10pt;\"");
        add("style outside subset", AttributeCss, "style=\"color: red; position: absolute\"",
            subset.arg("style=\"color: red; position: absolute\""));
        add("case-sensitive", AttributeHtml, "ALIGN=left", subset.arg("ALIGN=left"));

        add("label", Brackets, "a) b");
        add("label with full stop", Brackets, "2.b) c");
        add("comma ends the label", Brackets, "x, 1) y", ") is not opened before position 4.");
        add("label disallowed", BracketsNoListings, "a) b", ") is not opened before position 1.");
        add("label without pair", Brackets, "a\u301E b", "\u301E is not closed.");
        add("angles ignored", Brackets, "a < b");
        add("angles matched", BracketsAngles, "a < b", "< is not closed.");
        add("typographic quotes", Brackets, "\u201Ca\u201D \u00ABb\u00BB");
    }
    void validate()
    {
        QFETCH(int, validator);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TestOptions.checkS5_3_1CheckBox = validator == BracketsAngles;
        Engine engine(QStringLiteral("en"));
        const results &store = engine.store;
        // A validator appends to the message it is given; the bracket matching sets it.
        QString found = QStringLiteral("Before ");
        bool failed = false;
        switch (validator) {
        case Email:
            failed = store.checkEmail(text, found);
            break;
        case Uri:
            failed = store.checkUri(text, found);
            break;
        case Name:
        case NameSubset:
            failed = store.checkTagName(text, validator == NameSubset, found);
            break;
        case Attribute:
        case AttributeHtml:
        case AttributeCss:
            failed = store.checkTagAttribute(text, validator == AttributeHtml,
                                             validator == AttributeCss, found);
            break;
        default:
            const LanguageRules &rules = store.sourceRules;
            failed = !store.checkBrackets(text, rules.openToClose, rules.closeToOpen, found,
                                          validator == BracketsNoListings);
            if (failed)
                found.prepend(QStringLiteral("Before "));
        }
        QCOMPARE(failed, !message.isEmpty());
        QCOMPARE(found, QStringLiteral("Before ") + message);
    }

    // keys: S21 the lines before the source ("" for none); S20 the whole keys.
    void sourceFindings_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("check");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("options");

        const auto add = [](const char *name, const QString &source, int check,
                            const QStringList &keys, const char *option = nullptr) {
            QTest::newRow(name) << source << check << keys
                                << (option ? QStringList {option} : QStringList());
        };
        const QString notClosed = "<> is not closed.";
        // Tags
        add("arrow", "a -> b", CheckS21_1, {});
        add("arrow disallowed", "a -> b", CheckS21_1, {""}, "checkS21_1_1CheckBox");
        add("less between blanks", "a < b", CheckS21_1, {});
        add("greater between blanks", "a > b", CheckS21_1, {});
        add("less disallowed", "a < b", CheckS21_1, {notClosed}, "checkS21_1_2CheckBox");
        add("greater disallowed", "a > b", CheckS21_1, {""}, "checkS21_1_2CheckBox");
        add("greater at both ends", ">x >", CheckS21_1, {""});
        add("less at end", "x <", CheckS21_1, {notClosed});
        add("br strict", "a<br>b", CheckS21_4, {"<br> is not closed."}, "checkS21_2_2CheckBox");
        add("closing br", "a</br>b", CheckS21_4,
            {"br is an empty element and can't start with /. It can only end with /."});
        add("unclosed value brace", "<a href=\"x>", CheckS21_1, {"<a> is not closed."});
        add("unclosed value", "<a href=\"x>", CheckS21_3, {"Attributevalue in <a> is not closed."});
        add("quoted blanks", "<p style=\"color: red\">x</p>", CheckS21_3, {},
            "checkS21_3_2CheckBox");
        add("not in subset", "<font color=red>x</font>", CheckS21_3,
            {"color=red is not included in the Qt subset."}, "checkS21_3_1CheckBox");
        // E-mails and URIs
        add("email in angles", "Me <x@y>", CheckS20_1, {"Incorrect domain name.\nx@y"});
        add("single slash detected", "a/b|c", CheckS20_2,
            {"Not allowed character | in URI a/b|c.\na/b|c"}, "checkST20_2_5CheckBox");
    }
    void sourceFindings()
    {
        QFETCH(QString, source);
        QFETCH(int, check);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, options);
        setOptions(options);
        Engine engine;
        engine.check(source, QStringLiteral("x"));
        const bool tokenKeys = check == CheckS20_1 || check == CheckS20_2;
        for (QString &key : keys)
            if (!tokenKeys)
                key = key.isEmpty() ? source : QString(key + QLatin1Char('\n') + source);
        keys.sort();
        QCOMPARE(engine.keys(check), keys);
    }

    void emailFindingValue()
    {
        Engine engine;
        engine.check(QStringLiteral("Mail @home"), QStringLiteral("x"));
        const QString key = QStringLiteral("Missing local part.\n@home");
        QCOMPARE(engine.keys(CheckS20_1), QStringList {key});
        QCOMPARE(engine.store.findings(CheckS20_1).values(key),
                 QStringList {QStringLiteral("Mail @home\n") + Engine::Location});
        // A numerus form beyond the source's records nothing.
        Engine plural;
        plural.check(QStringLiteral("Mail @home"), QStringLiteral("x"), 3);
        QCOMPARE(plural.count(CheckS20_1), 0);
    }

    // The partially-checked boxes of the translation side (the corpus run checks
    // them fully).
    void translationSide_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("check");
        QTest::addColumn<QString>("key"); // empty: nothing recorded

        const auto add = [](const char *name, const char *source, const char *translation,
                            int check, const char *key) {
            QTest::newRow(name) << QString(source) << QString(translation) << check << QString(key);
        };
        add("source passes", "a", "x>y", CheckT21_1, "a\nx>y");
        add("source fails", "a>b", "x>y", CheckT21_1, "");
        add("e-mail, source fails", "Mail @home", "Mail @home", CheckT20_1, "");
    }
    void translationSide()
    {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(int, check);
        QFETCH(QString, key);
        setOptions({QString::fromLatin1(checkInfo(check).key)}, 1);
        Engine engine;
        engine.check(source, translation);
        QCOMPARE(engine.keys(check), key.isEmpty() ? QStringList() : QStringList {key});
        if (!key.isEmpty())
            QCOMPARE(engine.store.findings(check).values(key), QStringList {Engine::Context});
    }
};

QTEST_GUILESS_MAIN(TestValidators)
#include "tst_validators.moc"
