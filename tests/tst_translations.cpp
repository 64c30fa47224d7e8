// The interface translations: the built .qm files load and translate each
// context, the .ts catalogues are complete, and kvn reads them without a file
// problem.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const char *const Languages[] = {"ar", "de", "en", "ro"};

QString tsPath(const QString &language)
{
    return QStringLiteral(KVN_TS_DIR "/Korvane_%1.ts").arg(language);
}

// The parts of a text a translation has to keep: placeholders and line feeds.
QString skeleton(const QString &text)
{
    QStringList placeholders;
    for (const auto &match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        placeholders.append(match.captured());
    placeholders.sort();
    return placeholders.join(QLatin1Char(' ')) + QLatin1Char('|')
           + QString::number(text.count(QLatin1Char('\n')));
}

// The English interface corrects the spelling of its source texts, and nothing else.
QString correctedEnglish(QString text)
{
    const char *const corrections[][2] = {
        {"Multible", "Multiple"},
        {"multible", "multiple"},
        {"Languarges", "Languages"},
        {"skiped", "skipped"},
        {"opend ", "opened "},
        {"rigth", "right"},
        {"other stings", "other strings"},
        {"Select File):", "Select File:"},
        {"follwoing", "following"},
    };
    for (const auto &correction : corrections)
        text.replace(QLatin1String(correction[0]), QLatin1String(correction[1]));
    return text;
}

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type;
};

// The messages of a .ts file; an unreadable file gives none.
QList<Entry> readCatalogue(const QString &language)
{
    QList<Entry> entries;
    QFile file(tsPath(language));
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entries.append(Entry {context, {}, {}, {}});
        } else if (!entries.isEmpty() && xml.name() == QLatin1String("source")) {
            entries.last().source = xml.readElementText();
        } else if (!entries.isEmpty() && xml.name() == QLatin1String("translation")) {
            entries.last().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        entries.clear();
    return entries;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void translates_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("disambiguation");
        QTest::addColumn<QString>("expected");

        // One row for each language, one of them with a disambiguation; the catalogue
        // test below sees every message translated.
        const auto add = [](const char *language, const char *context, const char *source,
                            const char *expected, const char *disambiguation = "") {
            QTest::addRow("%s %s %s", language, context, source)
                << QString(language) << QByteArray(context) << QByteArray(source)
                << QByteArray(disambiguation) << QString::fromUtf8(expected);
        };
        add("de", "MainWindow", "&Language", "&Sprache", "Menu");
        add("ro", "results", "The file is empty.", "Fișierul este gol.");
        add("ar", "MainWindow", "Run Checks", "تشغيل الفحوص");
    }
    void translates()
    {
#ifndef KVN_QM_DIR
        QSKIP("The window and its translations are not built.");
#else
        QFETCH(QString, language);
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, disambiguation);
        QFETCH(QString, expected);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(KVN_QM_DIR "/Korvane_%1.qm").arg(language)));
        QCOMPARE(translator.language(), language);
        QCOMPARE(
            translator.translate(context.constData(), source.constData(),
                                 disambiguation.isEmpty() ? nullptr : disambiguation.constData()),
            expected);
#endif
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : Languages)
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    // Every message translated, keeping its placeholders and line feeds, and kvn
    // reads the file without a problem. The help texts of the checks are
    // complete in English; the other languages may still lack some.
    void catalogue()
    {
        QFETCH(QString, language);
        const QList<Entry> entries = readCatalogue(language);
        // lupdate keeps all four files on the same messages.
        QVERIFY(!entries.isEmpty());
        QCOMPARE(entries.size(), readCatalogue(QStringLiteral("en")).size());
        for (const Entry &entry : entries) {
            if (entry.type == QLatin1String("vanished") || entry.type == QLatin1String("obsolete"))
                continue;
            if (entry.type == QLatin1String("unfinished") && entry.translation.isEmpty()
                && entry.context == QLatin1String("CheckHelp") && language != QLatin1String("en"))
                continue;
            QVERIFY2(entry.type.isEmpty(), qPrintable(entry.type + ": " + entry.source));
            QVERIFY2(!entry.translation.isEmpty(), qPrintable(entry.source));
            QCOMPARE(skeleton(entry.translation), skeleton(entry.source));
            if (language == QLatin1String("en"))
                QCOMPARE(entry.translation, correctedEnglish(entry.source));
        }

        QProcess kvn;
        kvn.start(QStringLiteral(KVN_BINARY), {"check", "--format", "json", tsPath(language)});
        QVERIFY(kvn.waitForFinished(120000));
        QCOMPARE(kvn.exitStatus(), QProcess::NormalExit);
        const QJsonObject report = QJsonDocument::fromJson(kvn.readAllStandardOutput()).object();
        QCOMPARE(report.value("summary").toObject().value("language").toString(), language);
        const QJsonObject problems = report.value("checks").toArray().at(0).toObject();
        QCOMPARE(problems.value("id").toString(), QStringLiteral("0"));
        QCOMPARE(problems.value("items").toArray(), QJsonArray());
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
