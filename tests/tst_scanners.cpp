// The e-mail, URI and markup scanners on both sides, driven through checkMessage.

#include "enginefixture.h"

class TestScanners : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetAppSettings(); }

    void sourceFindings_data();
    void sourceFindings();
    void emailFindingValue();
    void translationSide_data();
    void translationSide();
    void collectedSets();
};

void TestScanners::sourceFindings_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("check");
    QTest::addColumn<QStringList>("keys"); // S21: the lines before the source; S20: whole keys

    const QStringList none;
    // Tags
    QTest::newRow("arrow") << "a -> b" << none << int(CheckS21_1) << QStringList();
    QTest::newRow("arrow disallowed")
        << "a -> b" << QStringList{"checkS21_1_1CheckBox"} << int(CheckS21_1) << QStringList{""};
    QTest::newRow("less between blanks") << "a < b" << none << int(CheckS21_1) << QStringList();
    QTest::newRow("less equal") << "a <= b" << none << int(CheckS21_1) << QStringList();
    QTest::newRow("less disallowed") << "a < b" << QStringList{"checkS21_1_2CheckBox"}
                                     << int(CheckS21_1) << QStringList{"<> is not closed."};
    QTest::newRow("greater disallowed")
        << "a > b" << QStringList{"checkS21_1_2CheckBox"} << int(CheckS21_1) << QStringList{""};
    QTest::newRow("stray greater") << "x>y" << none << int(CheckS21_1) << QStringList{""};
    QTest::newRow("greater at start") << ">x" << none << int(CheckS21_1) << QStringList{""};
    QTest::newRow("greater at end") << "x >" << none << int(CheckS21_1) << QStringList{""};
    QTest::newRow("less at end") << "x <" << none << int(CheckS21_1)
                                 << QStringList{"<> is not closed."};
    QTest::newRow("less inside value")
        << "<a title=\"x<y\">t</a>" << none << int(CheckS21_1)
        << QStringList{"Second opening brace found, but tag <a> is't closed."};
    QTest::newRow("wrong closing")
        << "<b>bold</i>" << none << int(CheckS21_4)
        << QStringList{"<b> is not closed.", "Missing <b> at position 10."};
    QTest::newRow("not opened") << "text</b>" << none << int(CheckS21_4)
                                << QStringList{"<b> is not opened before position 7."};
    QTest::newRow("nested fine") << "<p><b>x</b><br>y<br/></p>" << none << int(CheckS21_4)
                                 << QStringList();
    QTest::newRow("br strict") << "a<br>b" << QStringList{"checkS21_2_2CheckBox"} << int(CheckS21_4)
                               << QStringList{"<br> is not closed."};
    QTest::newRow("closing br")
        << "a</br>b" << none << int(CheckS21_4)
        << QStringList{"br is an empty element and can't start with /. It can only end with /."};
    QTest::newRow("unclosed value brace")
        << "<a href=\"x>" << none << int(CheckS21_1) << QStringList{"<a> is not closed."};
    QTest::newRow("unclosed value attribute")
        << "<a href=\"x>" << none << int(CheckS21_3)
        << QStringList{"Attributevalue in <a> is not closed."};
    QTest::newRow("blank before name")
        << "< b>x" << none << int(CheckS21_2)
        << QStringList{"Tag name is empty. There is maybe a space before the tag name."};
    QTest::newRow("bare attribute")
        << "<p align=\"center\" disabled>x</p>" << none << int(CheckS21_3)
        << QStringList{"Missing equal signin attribute disabled."};
    QTest::newRow("quoted blanks")
        << "<p style=\"color: red\">x</p>" << QStringList{"checkS21_3_2CheckBox"} << int(CheckS21_3)
        << QStringList();
    QTest::newRow("not in subset")
        << "<font color=red>x</font>" << QStringList{"checkS21_3_1CheckBox"} << int(CheckS21_3)
        << QStringList{"color=red is not included in the Qt subset."};
    // E-mails
    QTest::newRow("valid email") << "Write to a@b.de." << none << int(CheckS20_1) << QStringList();
    QTest::newRow("email in angles")
        << "Me <x@y>" << none << int(CheckS20_1) << QStringList{"Incorrect domain name.\nx@y"};
    // URIs
    QTest::newRow("uri valid") << "See http://x.org/a/b now" << none << int(CheckS20_2)
                               << QStringList();
    QTest::newRow("uri bad char") << "File \"a/b/c|d\"" << none << int(CheckS20_2)
                                  << QStringList{
                                         "Not allowed character | in URI a/b/c|d.\na/b/c|d"};
    QTest::newRow("single slash detected")
        << "a/b|c" << QStringList{"checkST20_2_5CheckBox"} << int(CheckS20_2)
        << QStringList{"Not allowed character | in URI a/b|c.\na/b|c"};
}

void TestScanners::sourceFindings()
{
    QFETCH(QString, source);
    QFETCH(QStringList, options);
    QFETCH(int, check);
    QFETCH(QStringList, keys);
    setOptions(options);
    Engine engine;
    engine.check(source, QStringLiteral("x"));
    QStringList expected;
    const bool tokenKeys = check == CheckS20_1 || check == CheckS20_2;
    for (const QString &key : keys)
        expected.append(tokenKeys       ? key
                        : key.isEmpty() ? source
                                        : QString(key + QLatin1Char('\n') + source));
    expected.sort();
    QCOMPARE(engine.keys(check), expected);
}

void TestScanners::emailFindingValue()
{
    Engine engine;
    engine.check(QStringLiteral("Mail @home"), QStringLiteral("x"));
    const QString key = QStringLiteral("Missing local part.\n@home");
    QCOMPARE(engine.keys(CheckS20_1), QStringList{key});
    QCOMPARE(engine.store.findings(CheckS20_1).values(key),
             QStringList{QStringLiteral("Mail @home\n") + Engine::Location});
    // A numerus form beyond the source's records nothing.
    Engine plural;
    plural.check(QStringLiteral("Mail @home"), QStringLiteral("x"), 3);
    QVERIFY(plural.store.findings(CheckS20_1).isEmpty());
}

void TestScanners::translationSide_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<int>("boxState");
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("key"); // empty: nothing recorded

    QTest::newRow("stray checked") << "a" << "x>y" << 2 << int(CheckT21_1) << "a\nx>y";
    QTest::newRow("stray partial, source passes")
        << "a" << "x>y" << 1 << int(CheckT21_1) << "a\nx>y";
    QTest::newRow("stray partial, source fails") << "a>b" << "x>y" << 1 << int(CheckT21_1) << "";
    QTest::newRow("stray checked, source fails")
        << "a>b" << "x>y" << 2 << int(CheckT21_1) << "a>b\nx>y";
    QTest::newRow("nesting") << "a" << "<b>x" << 2 << int(CheckT21_4)
                             << "<b> is not closed.\na\n<b>x";
    QTest::newRow("email blank before token") << "a" << "Mail @home" << 2 << int(CheckT20_1)
                                              << "Missing local part. @home\na\nMail @home";
    QTest::newRow("email partial") << "Mail @home" << "Mail @home" << 1 << int(CheckT20_1) << "";
    QTest::newRow("uri") << "a" << "x/y/z|w" << 2 << int(CheckT20_2)
                         << "Not allowed character | in URI x/y/z|w. x/y/z|w\na\nx/y/z|w";
}

void TestScanners::translationSide()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(int, boxState);
    QFETCH(int, check);
    QFETCH(QString, key);
    setOptions({QString::fromLatin1(checkInfo(check).key)}, boxState);
    Engine engine;
    engine.check(source, translation);
    QCOMPARE(engine.keys(check), key.isEmpty() ? QStringList() : QStringList{key});
    if (!key.isEmpty())
        QCOMPARE(engine.store.findings(check).values(key), QStringList{QStringLiteral("Dialog")});
}

// The sets the comparison checks count, seen through ST20 and ST21.
void TestScanners::collectedSets()
{
    Engine engine;
    engine.check(QStringLiteral("Mail a@b.de, see (www.x.org) or <b>x</b>"),
                 QStringLiteral("Mail"));
    QCOMPARE(engine.keys(CheckST20_1).size(), 1);
    QVERIFY(engine.keys(CheckST20_1)
                .first()
                .startsWith(
                    QStringLiteral("Counting email a@b.de,. It is 1 times in source but 0 times")));
    QCOMPARE(engine.keys(CheckST20_2).size(), 1);
    QVERIFY(engine.keys(CheckST20_2).first().startsWith(QStringLiteral("Counting URI www.x.org.")));
    QCOMPARE(engine.keys(CheckST21_1).size(), 2); // <b> and </b>

    // "Don't trim" keeps the brackets around the URI candidate.
    resetAppSettings();
    setOptions({QStringLiteral("checkST20_2_6CheckBox")});
    Engine untrimmed;
    untrimmed.check(QStringLiteral("see (www.x.org)."), QStringLiteral("x"));
    QVERIFY(untrimmed.keys(CheckST20_2)
                .first()
                .startsWith(QStringLiteral("Counting URI (www.x.org).. It is 1")));
}

QTEST_GUILESS_MAIN(TestScanners)
#include "tst_scanners.moc"
