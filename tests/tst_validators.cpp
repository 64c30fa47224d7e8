// The e-mail, URI and markup validators, branch by branch with their boundaries.

#include "enginefixture.h"

class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetAppSettings(); }

    void checkEmail_data();
    void checkEmail();
    void appendsToMessage();
    void checkUri_data();
    void checkUri();
    void trimToLettersOrNumbers_data();
    void trimToLettersOrNumbers();
    void checkTagName_data();
    void checkTagName();
    void checkTagAttribute_data();
    void checkTagAttribute();
};

void TestValidators::checkEmail_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("message"); // empty: valid

    const QString local63(63, QLatin1Char('a'));
    const QString label62(62, QLatin1Char('d'));
    QTest::newRow("three after @") << "x@x.x" << "";
    QTest::newRow("two after @") << "x@xx" << "Incorrect domain name.";
    QTest::newRow("no local part") << "@abc.de" << "Missing local part.";
    QTest::newRow("local part 63") << local63 + "@x.de" << "";
    QTest::newRow("local part 64") << local63 + "a@x.de" << "Too large local part.";
    QTest::newRow("double dot domain") << "ab@x..de" << "Double dot is not allowed.";
    QTest::newRow("second @") << "a@b@c.de" << "Too many @ characters.";
    QTest::newRow("leading dot") << ".a@x.de" << "Email starts with character '.'.";
    QTest::newRow("comma in local") << "a,b@x.de" << "Not allowed character , in email a,b@x.de.";
    QTest::newRow("hyphen first") << "a@-x.de"
                                  << "Hyphen can't be the first character of a domain.";
    QTest::newRow("hyphen last") << "a@x.de-" << "Hyphen can't be the last character of a domain.";
    QTest::newRow("hyphen inside") << "a@x-y.de" << "";
    QTest::newRow("numeric with hyphen") << "a@1-2.3" << "Numeric only domain name is not allowed.";
    QTest::newRow("underscore in domain")
        << "a@x_y.de" << "Not allowed character _ in email a@x_y.de.";
    QTest::newRow("label 62 then dot") << "a@" + label62 + ".de" << "";
    QTest::newRow("label 63 then dot") << "a@" + label62 + "d.de" << "Domain lable is too large.";
    QTest::newRow("last label unlimited") << "a@x." + QString(200, QLatin1Char('e')) << "";
}

void TestValidators::checkEmail()
{
    QFETCH(QString, address);
    QFETCH(QString, message);
    Engine engine;
    QString found;
    QCOMPARE(engine.store.checkEmail(address, found), !message.isEmpty());
    QCOMPARE(found, message);
}

void TestValidators::appendsToMessage()
{
    Engine engine;
    QString message = QStringLiteral("Before ");
    QVERIFY(engine.store.checkEmail(QStringLiteral("@x.de"), message));
    QVERIFY(engine.store.checkUri(QStringLiteral("a b"), message));
    QCOMPARE(message,
             QStringLiteral("Before Missing local part.Not allowed character   in URI a b."));
}

void TestValidators::checkUri_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("message");

    QTest::newRow("brackets backslash") << "a[1]\\b" << "";
    QTest::newRow("blank") << "a b" << "Not allowed character   in URI a b.";
    QTest::newRow("less") << "a<b" << "Not allowed character < in URI a<b.";
    QTest::newRow("non-ASCII") << "x.de/\u00E9"
                               << "Not allowed character \u00E9 in URI x.de/\u00E9.";
}

void TestValidators::checkUri()
{
    QFETCH(QString, uri);
    QFETCH(QString, message);
    Engine engine;
    QString found;
    QCOMPARE(engine.store.checkUri(uri, found), !message.isEmpty());
    QCOMPARE(found, message);
}

void TestValidators::trimToLettersOrNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("punctuation around") << "*(abc/def).*" << "abc/def";
    QTest::newRow("only dots") << "..." << "";
}

void TestValidators::trimToLettersOrNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    Engine engine;
    engine.store.trimToLettersOrNumbers(text);
    QCOMPARE(text, trimmed);
}

void TestValidators::checkTagName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("subsetOnly");
    QTest::addColumn<QString>("message");

    const QString empty = "Tag name is empty. There is maybe a space before the tag name.";
    QTest::newRow("empty") << "" << false << empty;
    QTest::newRow("b subset") << "b" << true << "";
    QTest::newRow("B") << "B" << false << "";
    QTest::newRow("B subset") << "B" << true << "B is not included in the Qt subset.";
    QTest::newRow("doctype") << "!DOCTYPE" << false << "";
    QTest::newRow("doctype subset")
        << "!DOCTYPE" << true << "!DOCTYPE is not included in the Qt subset.";
    QTest::newRow("namespace") << "svg:rect" << false
                               << "Not allowed character : in name svg:rect.";
    QTest::newRow("non-ASCII") << "b\u00E4" << false
                               << "Not allowed character \u00E4 in name b\u00E4.";
}

void TestValidators::checkTagName()
{
    QFETCH(QString, name);
    QFETCH(bool, subsetOnly);
    QFETCH(QString, message);
    Engine engine;
    QString found;
    QCOMPARE(engine.store.checkTagName(name, subsetOnly, found), !message.isEmpty());
    QCOMPARE(found, message);
}

void TestValidators::checkTagAttribute_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<bool>("html");
    QTest::addColumn<bool>("css");
    QTest::addColumn<QString>("message");

    const QString notInSubset = "%1 is not included in the Qt subset.";
    QTest::newRow("bare word") << "disabled" << false << false
                               << "Missing equal signin attribute disabled.";
    QTest::newRow("bad name") << "a$b=\"x\"" << false << false
                              << "Not allowed character $ in attribute a$b=\"x\".";
    QTest::newRow("value not examined") << "href=\"$ <%>\"" << false << false << "";
    QTest::newRow("html attribute") << "align=\"left\"" << true << false << "";
    QTest::newRow("html attribute css box") << "bgcolor=#fff" << false << true << "";
    QTest::newRow("not in subset")
        << "href=\"x\"" << true << false << notInSubset.arg("href=\"x\"");
    QTest::newRow("style in subset")
        << "style=\"color: red; font-size: 10pt;\"" << false << true << "";
    QTest::newRow("style outside subset")
        << "style=\"color: red; position: absolute\"" << false << true
        << notInSubset.arg("style=\"color: red; position: absolute\"");
    QTest::newRow("case-sensitive")
        << "ALIGN=left" << true << false << notInSubset.arg("ALIGN=left");
}

void TestValidators::checkTagAttribute()
{
    QFETCH(QString, attribute);
    QFETCH(bool, html);
    QFETCH(bool, css);
    QFETCH(QString, message);
    Engine engine;
    QString found;
    QCOMPARE(engine.store.checkTagAttribute(attribute, html, css, found), !message.isEmpty());
    QCOMPARE(found, message);
}

QTEST_GUILESS_MAIN(TestValidators)
#include "tst_validators.moc"
