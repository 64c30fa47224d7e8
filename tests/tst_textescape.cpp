// Texts and names of the input made safe to show.

#include "model/textescape.h"

#include <QtTest>

class TextEscapeTest : public QObject
{
    Q_OBJECT

private slots:
    void escapeControlCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("keepLayout");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Grüße\tä" << false << "Grüße\\tä";
        QTest::newRow("line feed") << "a\nCheck 0: OK" << false << "a\\nCheck 0: OK";
        QTest::newRow("escape sequence") << "\x1b[2Jred\r" << false << "\\x1b[2Jred\\r";
        QTest::newRow("C1 and DEL") << QString::fromUtf8("\xc2\x9b\x7f") << false << "\\x9b\\x7f";
        QTest::newRow("layout kept") << "a\n\tb\x01" << true << "a\n\tb\\x01";
    }
    void escapeControlCharacters()
    {
        QFETCH(QString, text);
        QFETCH(bool, keepLayout);
        QFETCH(QString, expected);
        QCOMPARE(textescape::escapeControlCharacters(text, keepLayout), expected);
    }

    void wholeCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
        const QString replacement(QChar(QChar::ReplacementCharacter));
        QTest::newRow("pair") << "a" + smile << "a" + smile;
        QTest::newRow("lone high") << smile.left(1) + "b" << replacement + "b";
        QTest::newRow("lone low at the end") << "b" + smile.mid(1) << "b" + replacement;
        QTest::newRow("reversed pair") << smile.mid(1) + smile.left(1) << replacement + replacement;
    }
    void wholeCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(textescape::wholeCharacters(text), expected);
    }

    void fileNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("representable");
        QTest::addColumn<QString>("described");
        QTest::newRow("UTF-8") << QByteArray("L\xc3\xa4nder.ts") << true << "Länder.ts";
        QTest::newRow("Latin-1") << QByteArray("L\xe4nder.ts") << false << "L\\xe4nder.ts";
        QTest::newRow("surrogate bytes")
            << QByteArray("\xed\xa0\x80.po") << false << "\\xed\\xa0\\x80.po";
        QTest::newRow("overlong") << QByteArray("\xc0\xaf") << false << "\\xc0\\xaf";
        QTest::newRow("control") << QByteArray("a\nb") << true << "a\\nb";
    }
    void fileNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, representable);
        QFETCH(QString, described);
        QCOMPARE(textescape::isRepresentableFileName(name), representable);
        QCOMPARE(textescape::describeFileName(name), described);
    }
};

QTEST_GUILESS_MAIN(TextEscapeTest)
#include "tst_textescape.moc"
