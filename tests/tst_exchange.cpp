// The translate assistant's export and merge over files and strings.

#include "assistant/exchange.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "filesizelimit.h"
#include "readertest.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace readertest;

namespace {

const QByteArray byteOrderMark("\xEF\xBB\xBF");
const QString fixture = QStringLiteral(KVN_TEST_DATA "/exchange/assistant_de.ts");

QString work(const QString &tsPath, const char *name)
{
    return exchange::workDirectory(tsPath) + QLatin1Char('/') + QLatin1String(name);
}

// One message with source A and an empty unfinished translation in line 5.
const QByteArray messageA("<TS>\n<context>\n    <message>\n        <source>A</source>\n"
                          "        <translation type=\"unfinished\"></translation>\n"
                          "    </message>\n</context>\n</TS>\n");

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
    }

    void init()
    {
        const QString korvane = m_home.path() + QStringLiteral("/Korvane");
        QFile::remove(korvane);
        QDir(korvane).removeRecursively();
    }

    void entities()
    {
        const QString decoded = "<b> \"x\" 'y' & z &lt;";
        const QString encoded = "&lt;b&gt; &quot;x&quot; &apos;y&apos; &amp; z &amp;lt;";
        QCOMPARE(decodeEntities(encoded), decoded);
        QCOMPARE(encodeEntities(decoded), encoded);
    }

    void exportFiles()
    {
        const QString sourcePath = work(fixture, exchange::sourceFileName);
        const QString translationsPath = work(fixture, exchange::translationsInTsFileName);
        writeFile(sourcePath, "an older and longer exchange text\n*****\n");

        const exchange::Outcome outcome = exchange::exportSources(fixture);
        QVERIFY(outcome.succeeded && outcome.fileOpened && outcome.boxesCleared);
        // Distinct, non-empty sources in file order, entities resolved.
        const QString sources = QStringLiteral("Open <b>file</b> \"now\" & don't wait\n*****\n"
                                               "Save\n*****\n"
                                               "First line\nsecond line\nthird line\n*****\n"
                                               "Old text\n*****\n\nUsage: kvn\n*****\n"
                                               "%n file(s)\n*****\nQuit\n*****\n");
        QCOMPARE(readFile(sourcePath), byteOrderMark + sources.toUtf8());
        QCOMPARE(outcome.sourceBoxText, sources);
        QCOMPARE(readFile(translationsPath),
                 byteOrderMark + "Speichern\n*****\nSichern\n*****\nBeenden & raus\n*****\n");

        // The steps around the guidance text, and the translations already in the file.
        const QString head = "Reading %1...\nReading %1 done.\nWriting %2...\nWriting %2 done.\n\n";
        const QString tail = "'Merge Translation' push button.\nReading %1...\nReading %1 done.\n"
                             "Writing %3...\nWriting %3 done.\n\nMaybe let an AI check the "
                             "grammar KVN_translation.txt file.";
        QVERIFY2(outcome.messages.startsWith(head.arg(fixture, sourcePath))
                     && outcome.messages.endsWith(tail.arg(fixture, translationsPath)),
                 qPrintable(outcome.messages));
    }

    void exportRefusals_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char *name, const char *fileName, const char *content,
                            const QString &expected) {
            QTest::newRow(name) << fileName << QByteArray(content) << expected;
        };
        const QString reading = "Reading %1...\nReading %1 stopped";
        add("cancelled dialog", "", nullptr, "Reading  failed.\n");
        add("not a ts file", "notes.txt", "<source>a</source>\n", "%1 is not a .ts file.\n");
        add("source starts twice", "twice.ts", "<source>a\n<source>b</source>\n",
            reading + " in line 2: a <source> element starts before the previous one ends.\n");
        add("source never ends", "open.ts", "x\n<source>a\nb\n",
            reading + ": the <source> element that starts in line 2 never ends.\n");
    }

    void exportRefusals()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        const QString path = fileName.isEmpty() ? QString() : m_home.path() + '/' + fileName;
        if (!content.isNull())
            writeFile(path, content);
        const exchange::Outcome outcome = exchange::exportSources(path);
        QVERIFY(!outcome.succeeded && !outcome.boxesCleared);
        QCOMPARE(outcome.messages, expected.replace(QStringLiteral("%1"), path));
        QVERIFY(!QFile::exists(work(path, exchange::sourceFileName)));
    }

    void workDirectoryNotCreated()
    {
        const QString blocker = m_home.path() + QStringLiteral("/Korvane");
        writeFile(blocker, "a file where the directory belongs");
        const QString expected
            = QStringLiteral("Creating %1 failed.\n").arg(exchange::workDirectory(fixture));
        QVERIFY(exchange::exportSources(fixture).messages.endsWith(expected));
        QCOMPARE(exchange::mergeTranslation(fixture, "a\n*****\n", "b\n*****\n", true).messages,
                 expected);
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
        const QString merged = exchange::mergedFilePath(fixture);
        QCOMPARE(merged, exchange::workDirectory(fixture)
                             + QStringLiteral("/assistant_de_KVN_TRANSLATION_PLEASE_DONATE.ts"));
        QVERIFY2(outcome.messages.endsWith("Added 4 translations and skiped 6 translations.\n"
                                           "Please check the follwoing 2 numerus forms:\n"
                                           "%n file(s)\n%n file(s)\n"),
                 qPrintable(outcome.messages));
        QCOMPARE(readFile(merged),
                 byteOrderMark + readFile(KVN_TEST_DATA "/exchange/" + expectedFile));
    }

    void mergeFromBoxes()
    {
        const QString ts = m_home.path() + QStringLiteral("/boxes.ts");
        writeFile(ts, QByteArray(messageA).replace("\n", "\r\n"));
        exchange::Outcome outcome = exchange::mergeTranslation(ts, "A\n*****\n", QString(), true);
        QVERIFY(outcome.messages.contains("Reading the source from the left box now.\n"));
        QVERIFY(outcome.messages.endsWith("The right translation box is empty.\nMerging abort."));

        // An empty translation leaves its message unfinished; line ends become line feeds.
        outcome = exchange::mergeTranslation(ts, "A\n*****\n", "\n*****\n", false);
        QVERIFY2(outcome.succeeded
                     && outcome.messages.endsWith(
                         "Added 0 translations and skiped 1 translations.\nThese 1 sources got an "
                         "empty translation, their messages stay unfinished:\nA\n"),
                 qPrintable(outcome.messages));
        QCOMPARE(readFile(exchange::mergedFilePath(ts)), byteOrderMark + messageA);
    }

    // Files saved by other editors: a byte order mark and CRLF line ends everywhere.
    void mergeCrlfAndByteOrderMarks()
    {
        const QString ts = m_home.path() + QStringLiteral("/crlf.ts");
        writeFile(ts, byteOrderMark + QByteArray(messageA).replace("\n", "\r\n"));
        writeFile(work(ts, exchange::sourceFileName), byteOrderMark + "A\r\n*****\r\n");
        writeFile(work(ts, exchange::translationFileName), byteOrderMark + "X\r\n*****\r\n");
        const exchange::Outcome outcome = exchange::mergeTranslation(ts, {}, {}, false);
        QVERIFY2(outcome.succeeded, qPrintable(outcome.messages));
        QCOMPARE(
            readFile(exchange::mergedFilePath(ts)),
            byteOrderMark
                + QByteArray(messageA).replace("<translation type=\"unfinished\"></translation>",
                                               "<translation>X</translation>"));
    }

    // A write that fails half way leaves every file as it was: the exchange files
    // and a merged file from an earlier merge, with the hand-made fixes in it.
    void fullDiskKeepsFiles()
    {
        const QString ts = m_home.path() + QStringLiteral("/full.ts");
        QByteArray messages, sources, translations;
        for (int i = 0; i < 50; ++i) {
            const QByteArray source = QByteArray(40, 'A') + QByteArray::number(i);
            messages
                += QByteArray(messageA).replace("<source>A", QByteArray("<source>").append(source));
            sources += source + "\n*****\n";
            translations += "X\n*****\n";
        }
        writeFile(ts, messages);
        writeFile(work(ts, exchange::sourceFileName), sources);
        writeFile(work(ts, exchange::translationFileName), translations);
        const QByteArray earlier = "an earlier merge, fixed by hand\n";
        writeFile(exchange::mergedFilePath(ts), earlier);

        exchange::Outcome merged, exported;
        {
            FileSizeLimit limit(256);
            if (!limit.isActive())
                QSKIP("The file size limit cannot be set here.");
            merged = exchange::mergeTranslation(ts, {}, {}, true);
            exported = exchange::exportSources(ts);
        }
        QVERIFY2(!merged.succeeded, qPrintable(merged.messages));
        QVERIFY2(merged.messages.contains("Critical error. Writing file "
                                          + exchange::mergedFilePath(ts) + " gave error code")
                     && merged.messages.endsWith("Merging abort.\n")
                     && !merged.messages.contains("Added"),
                 qPrintable(merged.messages));
        QCOMPARE(readFile(exchange::mergedFilePath(ts)), earlier);

        QVERIFY(!exported.succeeded);
        const QString sourcePath = work(ts, exchange::sourceFileName);
        QVERIFY2(exported.messages.contains("Writing " + sourcePath + " gave error code"),
                 qPrintable(exported.messages));
        QCOMPARE(readFile(sourcePath), sources);
        QCOMPARE(QDir(exchange::workDirectory(ts)).entryList(QDir::Files).size(), 3);
    }

    // A merged file that is the .ts file itself, through a symbolic or a hard link,
    // is refused before anything is written.
    void mergeRefusesItsInput_data()
    {
        QTest::addColumn<bool>("symbolic");
        QTest::newRow("symbolic link") << true;
        QTest::newRow("hard link") << false;
    }
    void mergeRefusesItsInput()
    {
        QFETCH(bool, symbolic);
        const QString ts = m_home.path() + QStringLiteral("/linked.ts");
        writeFile(ts, messageA);
        writeFile(work(ts, exchange::sourceFileName), "A\n*****\n");
        writeFile(work(ts, exchange::translationFileName), "X\n*****\n");
        const QByteArray merged = QFile::encodeName(exchange::mergedFilePath(ts));
        QFile::remove(exchange::mergedFilePath(ts));
        const QByteArray target = QFile::encodeName(ts);
        QCOMPARE(symbolic ? symlink(target, merged) : link(target, merged), 0);
        const exchange::Outcome outcome = exchange::mergeTranslation(ts, {}, {}, true);
        QVERIFY(!outcome.succeeded);
        QVERIFY2(outcome.messages.endsWith(
                     QStringLiteral("Critical error. The merged file %1 is the file %2 itself.\n"
                                    "Merging abort.\n")
                         .arg(exchange::mergedFilePath(ts), ts)),
                 qPrintable(outcome.messages));
        QCOMPARE(readFile(ts), messageA);
    }

    // Each file has a work folder of its own, named by all of its name but ".ts".
    void workFolders()
    {
        const QString german = m_home.path() + QStringLiteral("/app.de.ts");
        const QString french = m_home.path() + QStringLiteral("/app.fr.ts");
        QCOMPARE(exchange::workDirectory(german),
                 m_home.path() + QStringLiteral("/Korvane/app.de"));
        QCOMPARE(exchange::mergedFilePath(french),
                 m_home.path()
                     + QStringLiteral("/Korvane/app.fr/app.fr_KVN_TRANSLATION_PLEASE_DONATE.ts"));
        for (const char *name : {"..ts", ".ts", "...ts"}) {
            const QString path = m_home.path() + QLatin1Char('/') + QLatin1String(name);
            writeFile(path, messageA);
            QCOMPARE(exchange::workDirectory(path), QString());
            const exchange::Outcome outcome = exchange::exportSources(path);
            QVERIFY(!outcome.succeeded);
            QVERIFY2(outcome.messages.contains("The file name gives no work folder below "),
                     qPrintable(outcome.messages));
            QVERIFY(!exchange::mergeTranslation(path, "A\n*****\n", "X\n*****\n", true).succeeded);
        }
        QCOMPARE(QDir(m_home.path() + QStringLiteral("/Korvane")).entryList(QDir::Files),
                 QStringList());
    }

    // While another process holds the work folder, an export or a merge waits a
    // little and then stops without writing.
    void lockedWorkFolder()
    {
        const QString ts = m_home.path() + QStringLiteral("/locked.ts");
        writeFile(ts, messageA);
        QDir().mkpath(exchange::workDirectory(ts));
        QLockFile other(exchange::workDirectory(ts) + QStringLiteral("/KVN_work_folder.lock"));
        QVERIFY(other.tryLock());
        const QString expected = QStringLiteral("Another process is working in %1. Please try "
                                                "again when it has finished.\n")
                                     .arg(exchange::workDirectory(ts));
        const exchange::Outcome merged
            = exchange::mergeTranslation(ts, "A\n*****\n", "X\n*****\n", true);
        QCOMPARE(merged.messages, expected);
        const exchange::Outcome exported = exchange::exportSources(ts);
        QVERIFY(!exported.succeeded && exported.messages.endsWith(expected));
        QVERIFY(!QFile::exists(work(ts, exchange::sourceFileName)));
        other.unlock();
        QVERIFY(exchange::exportSources(ts).succeeded);
    }

    // Special files are refused, never read: reading a FIFO would block for ever.
    void specialFilesRefused()
    {
        const QString ts = m_home.path() + QStringLiteral("/special.ts");
        writeFile(ts, messageA);
        writeFile(work(ts, exchange::sourceFileName), "A\n*****\n");
        const QString fifo = work(ts, exchange::translationFileName);
        QCOMPARE(mkfifo(QFile::encodeName(fifo), 0600), 0);
        exchange::Outcome outcome = exchange::mergeTranslation(ts, {}, "X\n*****\n", true);
        QVERIFY(!outcome.succeeded);
        QVERIFY2(outcome.messages.endsWith(fifo + " is not a regular file.\nMerging abort."),
                 qPrintable(outcome.messages));

        const QString fifoTs = m_home.path() + QStringLiteral("/fifo.ts");
        QCOMPARE(mkfifo(QFile::encodeName(fifoTs), 0600), 0);
        outcome = exchange::exportSources(fifoTs);
        QVERIFY(!outcome.succeeded);
        QCOMPARE(outcome.messages, fifoTs + " is not a regular file.\n");
        outcome = exchange::mergeTranslation(fifoTs, "A\n*****\n", "X\n*****\n", true);
        QVERIFY2(outcome.messages.endsWith("Critical error. " + fifoTs
                                           + " is not a regular file.\nMerging abort.\n"),
                 qPrintable(outcome.messages));
        outcome = exchange::exportSources(QStringLiteral("/dev/null.ts"));
        QVERIFY(!outcome.succeeded);
    }

    void mergeRefusals_data()
    {
        QTest::addColumn<QByteArray>("ts");
        QTest::addColumn<QByteArray>("sources");
        QTest::addColumn<QByteArray>("translations");
        QTest::addColumn<QString>("expectedEnd");
        const auto add = [](const char *name, const QByteArray &ts, const char *sources,
                            const char *translations, const QString &error) {
            QTest::newRow(name) << ts << QByteArray(sources) << QByteArray(translations)
                                << "Critical error. " + error + "\nMerging abort.\n";
        };
        const QByteArray indented = QByteArray(messageA).replace("  <translation", "<translation");
        add("fewer translations", messageA, "A\n*****\nB\n*****\n", "X\n*****\n",
            "The number of source strings (2) is not the same as the number of translation "
            "strings (1).");
        add("empty source entry", messageA, "A\n*****\n\n*****\n", "X\n*****\nY\n*****\n",
            "Entry 2 of the source list is empty.");
        add("source not in list", messageA, "B\n*****\n", "X\n*****\n",
            "The source of the translation in line 5 of %1 is not in the source list: A");
        add("other indentation", indented, "A\n*****\n", "X\n*****\n",
            "Line 5 of %1 holds an empty translation that is not alone on its line or not "
            "indented by 8 blanks.");
        add("before any source", "        <translation type=\"unfinished\"></translation>\n",
            "A\n*****\n", "X\n*****\n",
            "Line 1 of %1 holds an empty translation without a source in front of it.");
        // Bytes that are not UTF-8 would reach the merged file as replacement characters.
        add(".ts not UTF-8", QByteArray(messageA).replace("<source>A", "<source>A\xe4"),
            "A\n*****\n", "X\n*****\n", "Reading %1 stopped in line 4: the line is not UTF-8.");
        QTest::newRow("translations not UTF-8")
            << messageA << QByteArray("A\n*****\n")
            << QByteArray("X\nGr\xfc\xdf"
                          "e\n*****\n")
            << "Reading %2 stopped in line 2: the line is not UTF-8.\n";
    }

    void mergeRefusals()
    {
        QFETCH(QByteArray, ts);
        QFETCH(QByteArray, sources);
        QFETCH(QByteArray, translations);
        QFETCH(QString, expectedEnd);
        const QString path = m_home.path() + QStringLiteral("/refused.ts");
        writeFile(path, ts);
        writeFile(work(path, exchange::sourceFileName), sources);
        writeFile(work(path, exchange::translationFileName), translations);
        const exchange::Outcome outcome = exchange::mergeTranslation(path, {}, {}, true);
        QVERIFY(!outcome.succeeded);
        expectedEnd.replace(QStringLiteral("%2"), work(path, exchange::translationFileName));
        QVERIFY2(outcome.messages.endsWith(expectedEnd.replace(QStringLiteral("%1"), path)),
                 qPrintable(outcome.messages));
        QVERIFY(!QFile::exists(exchange::mergedFilePath(path)));
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
