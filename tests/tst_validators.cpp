// The e-mail, URI and markup validators and the bracket matching, branch by branch
// with their boundaries.

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
    void init() { resetAppSettings(); }

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
        add("no local part", Email, "@abc.de", "Missing local part.");
        add("local part 63", Email, local63 + "@x.de");
        add("local part 64", Email, local63 + "a@x.de", "Too large local part.");
        add("double dot", Email, "ab@x..de", "Double dot is not allowed.");
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
        add("empty name", Name, "",
            "Tag name is empty. There is maybe a space before the tag name.");
        add("b subset", NameSubset, "b");
        add("B", Name, "B");
        add("B subset", NameSubset, "B", subset.arg("B"));
        add("doctype", Name, "!DOCTYPE");
        add("doctype subset", NameSubset, "!DOCTYPE", subset.arg("!DOCTYPE"));
        add("namespace", Name, "svg:rect", "Not allowed character : in name svg:rect.");
        add("name non-ASCII", Name, "b\u00E4", "Not allowed character \u00E4 in name b\u00E4.");

        add("bare word", Attribute, "disabled", "Missing equal signin attribute disabled.");
        add("bad name", Attribute, "a$b=\"x\"", "Not allowed character $ in attribute a$b=\"x\".");
        add("value not examined", Attribute, "href=\"$ <%>\"");
        add("html attribute", AttributeHtml, "align=\"left\"");
        add("html attribute, css box", AttributeCss, "bgcolor=#fff");
        add("not in html subset", AttributeHtml, "href=\"x\"", subset.arg("href=\"x\""));
        add("style in subset", AttributeCss, "style=\"color: red; font-size: 10pt;\"");
        add("style outside subset", AttributeCss, "style=\"color: red; position: absolute\"",
            subset.arg("style=\"color: red; position: absolute\""));
        add("case-sensitive", AttributeHtml, "ALIGN=left", subset.arg("ALIGN=left"));

        add("nested", Brackets, "(a [b] c)");
        add("crossed", Brackets, "(a [b) c]", "Missing ] at position 5.");
        add("label", Brackets, "a) b");
        add("label with full stop", Brackets, "2.b) c");
        add("label disallowed", BracketsNoListings, "a) b", ") is not opened before position 1.");
        add("comma ends the label", Brackets, "x, 1) y", ") is not opened before position 4.");
        add("innermost unclosed", Brackets, "((a)", "( is not closed.");
        add("empty", Brackets, "");
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
        AppSettings.checkS5_3_1CheckBox = validator == BracketsAngles;
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

    void trimToLettersOrNumbers()
    {
        Engine engine;
        QString text = QStringLiteral("*(abc/def).*");
        engine.store.trimToLettersOrNumbers(text);
        QCOMPARE(text, QStringLiteral("abc/def"));
        text = QStringLiteral("...");
        engine.store.trimToLettersOrNumbers(text);
        QCOMPARE(text, QString());
    }
};

QTEST_GUILESS_MAIN(TestValidators)
#include "tst_validators.moc"
