// Golden outputs of kvn check over the real corpus beside the repository
// (../shared/corpus): every file on its own and the whole directory, as text and
// as JSON, with every check on. Each output is compared by size and SHA-256 with
// the committed table, so that changes meant to keep the report (speed work,
// refactoring) prove that they do.
//
// KVN_CORPUS=DIR names another place of the corpus (a worktree beside the
// repository); KVN_UPDATE_GOLDEN=1 writes the table instead of comparing (bench/update_golden.sh);
// KVN_GOLDEN_OUTPUT_DIR=DIR also keeps every normalised output in DIR for diffing.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

const char *const Formats[] = {"report", "json"};

QString repositoryPath(const QString &relative)
{
    return QDir::cleanPath(QStringLiteral(KVN_TEST_DATA "/../../") + relative);
}

QString tablePath()
{
    return QStringLiteral(KVN_TEST_DATA "/golden/corpus.tsv");
}

struct Golden {
    int status = -1;
    qint64 bytes = -1;
    QByteArray sha256;
};

// The report holds the time of the run, and absolute paths below the corpus for
// the files of a directory walk; both are replaced by fixed texts.
QByteArray normalised(QByteArray output, const QByteArray &corpus)
{
    static const QByteArray timeLine("Last checks were done at ");
    const auto isTime = [&output](qsizetype at) {
        if (at + 8 > output.size())
            return false;
        for (int i = 0; i < 8; ++i) {
            const char c = output.at(at + i);
            if (i % 3 == 2 ? c != ':' : (c < '0' || c > '9'))
                return false;
        }
        return true;
    };
    for (qsizetype at = output.indexOf(timeLine); at >= 0; at = output.indexOf(timeLine, at)) {
        at += timeLine.size();
        if (isTime(at))
            output.replace(at, 8, "hh:mm:ss");
    }
    return output.replace(QByteArray(corpus + '/'), "<corpus>/");
}

} // namespace

class GoldenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void output_data();
    void output();
    void cleanupTestCase();

private:
    QString m_corpus; // canonical path, empty when absent
    QHash<QString, Golden> m_expected; // by "path<TAB>format"
    QMap<QString, Golden> m_actual;
    bool m_update = false;
    QString m_keepDirectory;
};

void GoldenTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QString corpus = qEnvironmentVariable("KVN_CORPUS");
    if (corpus.isEmpty())
        corpus = repositoryPath(QStringLiteral("../shared/corpus"));
    m_corpus = QFileInfo(corpus).canonicalFilePath();
    if (m_corpus.isEmpty())
        QSKIP("The corpus ../shared/corpus is absent.");
    m_update = qEnvironmentVariableIntValue("KVN_UPDATE_GOLDEN") != 0;
    m_keepDirectory = qEnvironmentVariable("KVN_GOLDEN_OUTPUT_DIR");
    if (!m_keepDirectory.isEmpty())
        QVERIFY(QDir().mkpath(m_keepDirectory));
    if (m_update)
        return;
    QFile table(tablePath());
    QVERIFY2(table.open(QIODevice::ReadOnly), qPrintable(tablePath()));
    while (!table.atEnd()) {
        const QList<QByteArray> fields = table.readLine().trimmed().split('\t');
        if (fields.size() != 5 || fields.at(0).startsWith('#'))
            continue;
        const QString key = QString::fromUtf8(QByteArray(fields.at(0) + '\t' + fields.at(1)));
        m_expected.insert(key, {fields.at(2).toInt(), fields.at(3).toLongLong(), fields.at(4)});
    }
    QVERIFY(!m_expected.isEmpty());
}

void GoldenTest::output_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("format");
    if (m_corpus.isEmpty())
        return;
    QStringList paths;
    QDirIterator it(m_corpus, {QStringLiteral("*.ts"), QStringLiteral("*.po")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(QDir(m_corpus).relativeFilePath(it.next()));
    paths.sort();
    paths.append(QStringLiteral("."));
    for (const QString &path : qAsConst(paths))
        for (const char *format : Formats)
            QTest::addRow("%s %s", qPrintable(path), format) << path << QString::fromLatin1(format);
}

void GoldenTest::output()
{
    QFETCH(QString, path);
    QFETCH(QString, format);
    QProcess kvn;
    kvn.setWorkingDirectory(m_corpus);
    kvn.setStandardErrorFile(QProcess::nullDevice());
    kvn.start(QStringLiteral(KVN_BINARY), {QStringLiteral("check"), QStringLiteral("--settings"),
                                           repositoryPath(QStringLiteral("bench/all-checks.ini")),
                                           QStringLiteral("--format"), format, path});
    QVERIFY(kvn.waitForFinished(300000));
    QCOMPARE(kvn.exitStatus(), QProcess::NormalExit);
    const QByteArray output = normalised(kvn.readAllStandardOutput(), m_corpus.toUtf8());
    const Golden actual {kvn.exitCode(), output.size(),
                         QCryptographicHash::hash(output, QCryptographicHash::Sha256).toHex()};
    const QString key = path + QLatin1Char('\t') + format;
    m_actual.insert(key, actual);
    if (!m_keepDirectory.isEmpty()) {
        const QString name = path == QLatin1String(".")
                                 ? QStringLiteral("corpus")
                                 : QString(path).replace(QLatin1Char('/'), QLatin1Char('_'));
        QFile kept(m_keepDirectory + QLatin1Char('/') + name + QLatin1Char('.') + format);
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write(output);
    }
    if (m_update)
        return;
    QVERIFY2(m_expected.contains(key), "not in the golden table: run bench/update_golden.sh");
    const Golden expected = m_expected.value(key);
    QCOMPARE(actual.status, expected.status);
    QCOMPARE(actual.bytes, expected.bytes);
    QCOMPARE(actual.sha256, expected.sha256);
}

void GoldenTest::cleanupTestCase()
{
    if (m_corpus.isEmpty())
        return;
    if (!m_update) {
        // A file of the table that the corpus no longer holds.
        for (auto it = m_expected.cbegin(); it != m_expected.cend(); ++it)
            QVERIFY2(m_actual.contains(it.key()), qPrintable(it.key()));
        return;
    }
    QFile table(tablePath());
    QVERIFY(QDir().mkpath(QFileInfo(table).path()));
    QVERIFY(table.open(QIODevice::WriteOnly | QIODevice::Truncate));
    table.write("# path\tformat\texit status\tbytes\tsha256 (kvn check --settings "
                "bench/all-checks.ini, time and corpus path normalised)\n");
    for (auto it = m_actual.cbegin(); it != m_actual.cend(); ++it)
        table.write(it.key().toUtf8() + '\t' + QByteArray::number(it->status) + '\t'
                    + QByteArray::number(it->bytes) + '\t' + it->sha256 + '\n');
}

QTEST_GUILESS_MAIN(GoldenTest)
#include "tst_golden.moc"
