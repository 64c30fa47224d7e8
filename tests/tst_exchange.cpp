// The translate assistant's export and merge over files and strings.

#include "assistant/exchange.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QByteArray byteOrderMark("\xEF\xBB\xBF");
const QString fixture = QStringLiteral(KVN_TEST_DATA "/exchange/assistant_de.ts");

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// A .ts body of one message per source, each with an empty unfinished translation.
QByteArray unfinishedMessages(const QList<QByteArray> &sources)
{
    QByteArray ts("<TS>\n<context>\n");
    for (const QByteArray &source : sources)
        ts += "    <message>\n        <source>" + source
                + "</source>\n        <translation type=\"unfinished\"></translation>\n"
                  "    </message>\n";
    return ts + "</context>\n</TS>\n";
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_files; // .ts files written by the tests

    QString work(const QString &tsPath, const char *name) const
    {
        return exchange::workDirectory(tsPath) + QLatin1Char('/') + QLatin1String(name);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        m_files = m_home.path() + QStringLiteral("/files/");
        QVERIFY(QDir().mkpath(m_files));
    }

    void init() { QDir(m_home.path() + QStringLiteral("/Korvane")).removeRecursively(); }

    void entities_data()
    {
        QTest::addColumn<QString>("encoded");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("all five") << "&lt;b&gt; &quot;x&quot; &apos;y&apos; &amp; z"
                                  << "<b> \"x\" 'y' & z";
        QTest::newRow("entity written as text") << "&amp;lt;&amp;amp;" << "&lt;&amp;";
        QTest::newRow("plain") << "Open file" << "Open file";
    }

    void entities()
    {
        QFETCH(QString, encoded);
        QFETCH(QString, decoded);
        QCOMPARE(decodeEntities(encoded), decoded);
        QCOMPARE(encodeEntities(decoded), encoded);
    }

    void exportFiles()
    {
        const QString sourcePath = work(fixture, exchange::sourceFileName);
        const QString translationsPath = work(fixture, exchange::translationsInTsFileName);
        // Older exchange files are replaced entirely.
        writeFile(sourcePath, "old\n*****\nolder text that is longer\n*****\n");
        writeFile(translationsPath, "old\n*****\nolder text that is longer\n*****\n");

        const exchange::Outcome outcome = exchange::exportSources(fixture);
        QVERIFY(outcome.succeeded);
        QVERIFY(outcome.fileOpened);
        QVERIFY(outcome.boxesCleared);
        const QString sources = QStringLiteral("Open <b>file</b> \"now\" & don't wait\n*****\n"
                                               "Save\n*****\n"
                                               "First line\nsecond line\nthird line\n*****\n"
                                               "Old text\n*****\n\nUsage: kvn\n*****\n"
                                               "%n file(s)\n*****\nQuit\n*****\n");
        QCOMPARE(readFile(sourcePath), byteOrderMark + sources.toUtf8());
        QCOMPARE(outcome.sourceBoxText, sources);
        QCOMPARE(readFile(translationsPath),
                 byteOrderMark + "Speichern\n*****\nSichern\n*****\nBeenden & raus\n*****\n");

        const QString head = QStringLiteral("Reading %1...\nReading %1 done.\nWriting %2...\n"
                                            "Writing %2 done.\n\nNow use the file %2, or copy and "
                                            "paste the source from the left box and let it "
                                            "translate. If you let it translate by an AI, then it "
                                            "is clever to tell the AI more about the content.\n"
                                            "Example: \"Please translate the attached file %2 "
                                            "from English to German. ")
                                     .arg(fixture, sourcePath);
        const QString tail
                = QStringLiteral(
                          " Don't translate the '*****' characters. Keep them as they are.\"\n\n"
                          "As soon as you have got the translated file, you can copy and paste "
                          "the translation into the rigth box or store it next to file %2 with "
                          "the name KVN_translation.txt and press the 'Merge Translation' push "
                          "button.\nReading %1...\nReading %1 done.\nWriting %3...\nWriting %3 "
                          "done.\n\nMaybe let an AI check the grammar KVN_translation.txt file.")
                          .arg(fixture, sourcePath, translationsPath);
        QVERIFY2(outcome.messages.startsWith(head), qPrintable(outcome.messages));
        QVERIFY2(outcome.messages.endsWith(tail), qPrintable(outcome.messages));
    }

    void exportRefusals_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expectedEnd");
        QTest::addColumn<bool>("sourcesWritten");
        QTest::newRow("cancelled dialog") << "" << QByteArray() << "Reading  failed.\n" << false;
        QTest::newRow("missing file") << "missing.ts" << QByteArray() << "Reading %1 failed.\n"
                                      << false;
        QTest::newRow("not a ts file")
                << "notes.txt" << QByteArray("<source>a</source>\n") << "%1 is not a .ts file.\n"
                << false;
        QTest::newRow("source starts twice")
                << "twice.ts" << QByteArray("<source>a\n<source>b</source>\n")
                << "Reading %1 stopped in line 2: a <source> element starts before the previous "
                   "one "
                   "ends.\n"
                << false;
        QTest::newRow("source never ends")
                << "open.ts" << QByteArray("x\n<source>a\nb\n")
                << "Reading %1 stopped: the <source> element that starts in line 2 never ends.\n"
                << false;
        QTest::newRow("end tag first") << "swap.ts" << QByteArray("x</source><source>a</source>\n")
                                       << "Reading %1 stopped in line 1: the line ends a <source> "
                                          "element before it starts "
                                          "one.\n"
                                       << false;
        QTest::newRow("translation starts twice")
                << "ttwice.ts"
                << QByteArray("<source>a</source>\n<translation>x\n<translation>y</translation>\n")
                << "Reading %1 stopped in line 3: a <translation> element starts before the "
                   "previous "
                   "one ends.\n"
                << true;
    }

    void exportRefusals()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, expectedEnd);
        QFETCH(bool, sourcesWritten);
        const QString path = fileName.isEmpty() ? QString() : m_files + fileName;
        if (!content.isNull())
            writeFile(path, content);
        const exchange::Outcome outcome = exchange::exportSources(path);
        QVERIFY(!outcome.succeeded);
        QVERIFY2(outcome.messages.endsWith(QString(expectedEnd).replace("%1", path)),
                 qPrintable(outcome.messages));
        QCOMPARE(QFile::exists(work(path, exchange::sourceFileName)), sourcesWritten);
        QVERIFY(!QFile::exists(work(path, exchange::translationsInTsFileName)));
    }

    void workDirectoryNotCreated()
    {
        const QString blocker = m_home.path() + QStringLiteral("/Korvane");
        writeFile(blocker, "a file where the directory belongs");
        const QString expected
                = QStringLiteral("Creating %1 failed.\n").arg(exchange::workDirectory(fixture));
        const exchange::Outcome exported = exchange::exportSources(fixture);
        QVERIFY(exported.messages.endsWith(expected));
        QVERIFY(exported.boxesCleared);
        QVERIFY(exported.sourceBoxText.isEmpty());
        QCOMPARE(exchange::mergeTranslation(fixture, "a\n*****\n", "b\n*****\n", true).messages,
                 expected);
        QVERIFY(QFile::remove(blocker));
    }

    void merge_data()
    {
        QTest::addColumn<bool>("keepUnfinished");
        QTest::addColumn<QString>("expectedFile");
        QTest::newRow("keep unfinished") << true << "merged_keep.ts";
        QTest::newRow("drop unfinished") << false << "merged_drop.ts";
    }

    void merge()
    {
        QFETCH(bool, keepUnfinished);
        QFETCH(QString, expectedFile);
        QVERIFY(exchange::exportSources(fixture).succeeded);
        const QString translationPath = work(fixture, exchange::translationFileName);
        writeFile(translationPath, readFile(KVN_TEST_DATA "/exchange/translation.txt"));

        // The boxes are ignored while the exchange files exist.
        const exchange::Outcome outcome
                = exchange::mergeTranslation(fixture, "x\n*****\n", "y\n*****\n", keepUnfinished);
        QVERIFY(outcome.succeeded);
        const QString merged = exchange::mergedFilePath(fixture);
        QCOMPARE(merged,
                 exchange::workDirectory(fixture)
                         + QStringLiteral("/assistant_de_KVN_TRANSLATION_PLEASE_DONATE.ts"));
        QCOMPARE(readFile(merged),
                 byteOrderMark + readFile(KVN_TEST_DATA "/exchange/" + expectedFile));
        QCOMPARE(outcome.messages,
                 QStringLiteral("Reading %1\nReading %1 done.\nReading %2\nReading %2 done.\n"
                                "Number of source and translation strings are the same.\n"
                                "Reading %3...\nWriting %4...\nReading %3 done.\n"
                                "Writing %4 done.\n\n"
                                "Added 4 translations and skiped 6 translations.\n"
                                "Please check the follwoing 2 numerus forms:\n"
                                "%n file(s)\n%n file(s)\n")
                         .arg(work(fixture, exchange::sourceFileName), translationPath, fixture,
                              merged));
    }

    void mergeFromBoxes()
    {
        const QString ts = m_files + QStringLiteral("boxes.ts");
        writeFile(ts, unfinishedMessages({"A &amp; B", "C"}).replace("\n", "\r\n"));
        const QString sourceFile = work(ts, exchange::sourceFileName);
        const QString translationFile = work(ts, exchange::translationFileName);

        exchange::Outcome outcome
                = exchange::mergeTranslation(ts, "A & B\n*****\nC\n*****\n", QString(), true);
        QCOMPARE(outcome.messages,
                 QStringLiteral("Reading %1 failed.\nReading the source from the left box now.\n"
                                "Reading %2 failed.\n"
                                "Reading the translation from the right box now.\n"
                                "The right translation box is empty.\nMerging abort.")
                         .arg(sourceFile, translationFile));

        outcome = exchange::mergeTranslation(ts, "A & B\n*****\nC\n*****\n",
                                             "X <1>\nnext\n*****\nZ\n*****\n", false);
        QVERIFY2(outcome.messages.endsWith("Added 2 translations and skiped 0 translations.\n"),
                 qPrintable(outcome.messages));
        QByteArray expected = unfinishedMessages({"A &amp; B", "C"});
        const QByteArray empty("<translation type=\"unfinished\"></translation>");
        expected.replace(expected.indexOf(empty), empty.size(),
                         "<translation>X &lt;1&gt;\nnext</translation>");
        expected.replace(expected.indexOf(empty), empty.size(), "<translation>Z</translation>");
        QCOMPARE(readFile(exchange::mergedFilePath(ts)), byteOrderMark + expected);
    }

    void emptyTranslationStaysUnfinished()
    {
        const QString ts = m_files + QStringLiteral("empty.ts");
        writeFile(ts, unfinishedMessages({"A"}));
        writeFile(work(ts, exchange::sourceFileName), "A\n*****\n");
        writeFile(work(ts, exchange::translationFileName), "\n*****\n");
        const exchange::Outcome outcome = exchange::mergeTranslation(ts, {}, {}, false);
        QVERIFY(outcome.succeeded);
        QVERIFY(outcome.messages.endsWith("Added 0 translations and skiped 1 translations.\n"
                                          "These 1 sources got an empty translation, their "
                                          "messages stay unfinished:\nA\n"));
        QCOMPARE(readFile(exchange::mergedFilePath(ts)), byteOrderMark + unfinishedMessages({"A"}));
    }

    void mergeRefusals_data()
    {
        QTest::addColumn<QByteArray>("ts");
        QTest::addColumn<QByteArray>("sources");
        QTest::addColumn<QByteArray>("translations");
        QTest::addColumn<QString>("expectedEnd");
        const QByteArray a = unfinishedMessages({"A"});
        QTest::newRow("fewer translations")
                << a << QByteArray("A\n*****\nB\n*****\n") << QByteArray("X\n*****\n")
                << "Critical error. The number of source strings (2) is not the same as the number "
                   "of "
                   "translation strings (1).\nMerging abort.\n";
        QTest::newRow("empty source entry")
                << a << QByteArray("A\n*****\n\n*****\n") << QByteArray("X\n*****\nY\n*****\n")
                << "Critical error. Entry 2 of the source list is empty.\nMerging abort.\n";
        QTest::newRow("source not in list")
                << a << QByteArray("B\n*****\n") << QByteArray("X\n*****\n")
                << "Critical error. The source of the translation in line 5 of %1 is not in the "
                   "source "
                   "list: A\nMerging abort.\n";
        QTest::newRow("other indentation")
                << QByteArray(a).replace("        <translation", "      <translation")
                << QByteArray("A\n*****\n") << QByteArray("X\n*****\n")
                << "Critical error. Line 5 of %1 holds an empty translation that is not alone on "
                   "its "
                   "line or not indented by 8 blanks.\nMerging abort.\n";
        QTest::newRow("numerus form with other content")
                << QByteArray("<source>A</source>\n            <numerusform></numerusform> x\n")
                << QByteArray("A\n*****\n") << QByteArray("X\n*****\n")
                << "Critical error. Line 2 of %1 holds an empty translation that is not alone on "
                   "its "
                   "line or not indented by 12 blanks.\nMerging abort.\n";
        QTest::newRow("before any source")
                << QByteArray("        <translation type=\"unfinished\"></translation>\n"
                              "<source>A</source>\n")
                << QByteArray("A\n*****\n") << QByteArray("X\n*****\n")
                << "Critical error. Line 1 of %1 holds an empty translation without a source in "
                   "front "
                   "of it.\nMerging abort.\n";
        QTest::newRow("source starts twice")
                << QByteArray(a).replace("<source>A</source>", "<source>A\n<source>B</source>")
                << QByteArray("A\n*****\n") << QByteArray("X\n*****\n")
                << "Critical error. Reading %1 stopped in line 5: a <source> element starts before "
                   "the previous one ends.\nMerging abort.\n";
    }

    void mergeRefusals()
    {
        QFETCH(QByteArray, ts);
        QFETCH(QByteArray, sources);
        QFETCH(QByteArray, translations);
        QFETCH(QString, expectedEnd);
        const QString path = m_files + QStringLiteral("refused.ts");
        writeFile(path, ts);
        writeFile(work(path, exchange::sourceFileName), sources);
        writeFile(work(path, exchange::translationFileName), translations);
        const exchange::Outcome outcome = exchange::mergeTranslation(path, {}, {}, true);
        QVERIFY(!outcome.succeeded);
        QVERIFY2(outcome.messages.endsWith(QString(expectedEnd).replace("%1", path)),
                 qPrintable(outcome.messages));
        QVERIFY(!QFile::exists(exchange::mergedFilePath(path)));
    }

    // Export, translate every entry, merge, and read the merged copy as XML.
    void roundTrip()
    {
        QVERIFY(exchange::exportSources(fixture).succeeded);
        QString translated;
        const QString sources
                = QString::fromUtf8(readFile(work(fixture, exchange::sourceFileName)).mid(3));
        for (const QString &entry : sources.split(QLatin1String(exchange::separator)))
            if (!entry.isEmpty())
                translated += QStringLiteral("DE ") + entry + QLatin1String(exchange::separator);
        writeFile(work(fixture, exchange::translationFileName), translated.toUtf8());
        QVERIFY(exchange::mergeTranslation(fixture, {}, {}, false).succeeded);

        QFile merged(exchange::mergedFilePath(fixture));
        QVERIFY(merged.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&merged);
        QString source;
        QString type;
        QStringList seen;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                type = xml.attributes().value(QLatin1String("type")).toString();
                if (source == QLatin1String("%n file(s)"))
                    QCOMPARE(type, QStringLiteral("unfinished"));
                else
                    seen << type + QLatin1Char(':') + xml.readElementText();
            } else if (xml.name() == QLatin1String("numerusform")) {
                QCOMPARE(xml.readElementText(), QStringLiteral("DE %n file(s)"));
                seen << type + QStringLiteral(":numerus");
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(seen,
                 QStringList({":DE Open <b>file</b> \"now\" & don't wait", ":Speichern",
                              ":DE First line\nsecond line\nthird line", "vanished:Alter Text",
                              ":Sichern", ":DE Open <b>file</b> \"now\" & don't wait",
                              "unfinished:", ":DE \nUsage: kvn", "unfinished:numerus",
                              "unfinished:numerus", ":Beenden & raus"}));
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
