// The e-mail, URI and markup scanners on both sides, driven through checkMessage.
// What they collect for the comparison checks is tested with ST20 and ST21.

#include "enginefixture.h"

class TestScanners : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetAppSettings(); }

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
        add("less equal", "a <= b", CheckS21_1, {});
        add("greater between blanks", "a > b", CheckS21_1, {});
        add("less disallowed", "a < b", CheckS21_1, {notClosed}, "checkS21_1_2CheckBox");
        add("greater disallowed", "a > b", CheckS21_1, {""}, "checkS21_1_2CheckBox");
        add("stray greater", "x>y", CheckS21_1, {""});
        add("greater at both ends", ">x >", CheckS21_1, {""});
        add("less at end", "x <", CheckS21_1, {notClosed});
        add("less inside value", "<a title=\"x<y\">t</a>", CheckS21_1,
            {"Second opening brace found, but tag <a> is't closed."});
        add("wrong closing", "<b>bold</i>", CheckS21_4,
            {"<b> is not closed.", "Missing <b> at position 10."});
        add("not opened", "text</b>", CheckS21_4, {"<b> is not opened before position 7."});
        add("nested fine", "<p><b>x</b><br>y<br/></p>", CheckS21_4, {});
        add("br strict", "a<br>b", CheckS21_4, {"<br> is not closed."}, "checkS21_2_2CheckBox");
        add("closing br", "a</br>b", CheckS21_4,
            {"br is an empty element and can't start with /. It can only end with /."});
        add("unclosed value brace", "<a href=\"x>", CheckS21_1, {"<a> is not closed."});
        add("unclosed value", "<a href=\"x>", CheckS21_3, {"Attributevalue in <a> is not closed."});
        add("blank before name", "< b>x", CheckS21_2,
            {"Tag name is empty. There is maybe a space before the tag name."});
        add("quoted blanks", "<p style=\"color: red\">x</p>", CheckS21_3, {},
            "checkS21_3_2CheckBox");
        add("not in subset", "<font color=red>x</font>", CheckS21_3,
            {"color=red is not included in the Qt subset."}, "checkS21_3_1CheckBox");
        // E-mails and URIs
        add("email in angles", "Me <x@y>", CheckS20_1, {"Incorrect domain name.\nx@y"});
        add("uri bad char", "File \"a/b/c|d\"", CheckS20_2,
            {"Not allowed character | in URI a/b/c|d.\na/b/c|d"});
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

    // The translation side, its keys and its partially-checked boxes.
    void translationSide_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("boxState");
        QTest::addColumn<int>("check");
        QTest::addColumn<QString>("key"); // empty: nothing recorded

        QTest::newRow("partial, source passes") << "a"
                                                << "x>y" << 1 << int(CheckT21_1) << "a\nx>y";
        QTest::newRow("partial, source fails") << "a>b"
                                               << "x>y" << 1 << int(CheckT21_1) << "";
        QTest::newRow("checked, source fails") << "a>b"
                                               << "x>y" << 2 << int(CheckT21_1) << "a>b\nx>y";
        QTest::newRow("nesting") << "a"
                                 << "<b>x" << 2 << int(CheckT21_4) << "<b> is not closed.\na\n<b>x";
        QTest::newRow("email") << "a"
                               << "Mail @home" << 2 << int(CheckT20_1)
                               << "Missing local part. @home\na\nMail @home";
        QTest::newRow("email partial") << "Mail @home"
                                       << "Mail @home" << 1 << int(CheckT20_1) << "";
    }
    void translationSide()
    {
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(int, boxState);
        QFETCH(int, check);
        QFETCH(QString, key);
        setOptions({QString::fromLatin1(checkInfo(check).key)}, boxState);
        Engine engine;
        engine.check(source, translation);
        QCOMPARE(engine.keys(check), key.isEmpty() ? QStringList() : QStringList {key});
        if (!key.isEmpty())
            QCOMPARE(engine.store.findings(check).values(key), QStringList {Engine::Context});
    }
};

QTEST_GUILESS_MAIN(TestScanners)
#include "tst_scanners.moc"
