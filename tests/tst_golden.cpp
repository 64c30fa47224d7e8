// Golden outputs of kvn check over two corpora: the small one in the repository
// (tests/data/corpus, always) and the real one beside it (../shared/corpus, when
// present). Every file on its own and the whole directory, as report and as JSON,
// with every check on. Each output is compared by exit status, size and SHA-256
// with a committed table; the report's finding counts per file and check are kept
// in a second, readable table, so that a failure names the checks whose counts
// changed. Changes meant to keep the report (speed work, refactoring) prove that
// they do.
//
// KVN_CORPUS=DIR names another place of the shared corpus (a worktree beside the
// repository); KVN_UPDATE_GOLDEN=1 writes the tables instead of comparing
// (bench/update_golden.sh); KVN_GOLDEN_OUTPUT_DIR=DIR also keeps every normalised
// output in DIR for diffing.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace {

const char *const Formats[] = {"report", "json"};

QString repositoryPath(const QString &relative)
{
    return QDir::cleanPath(QStringLiteral(KVN_TEST_DATA "/../../") + relative);
}

struct Golden {
    int status = -1;
    qint64 bytes = -1;
    QByteArray sha256;
};

// Finding counts of one report in its order: check id and count, nonzero only.
using Counts = QList<QPair<QByteArray, int>>;

// One corpus and its two tables: <name>.tsv (hashes) and <name>-counts.tsv.
struct Corpus {
    QString name;
    QString directory; // canonical path, empty when absent
    QStringList paths; // its catalogues, relative and sorted, then "." for the whole
    QHash<QString, Golden> expected; // by "path<TAB>format"
    QMap<QString, Golden> actual;
    QHash<QString, Counts> expectedCounts; // by path
    QMap<QString, Counts> actualCounts;

    QString table(const char *suffix = "") const
    {
        return QStringLiteral(KVN_TEST_DATA "/golden/") + name + QLatin1String(suffix)
               + QStringLiteral(".tsv");
    }
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

// The headline of each check in the report: "Check T8.2: Failed 3 time(s)",
// "Check S11.1: Found 2 item(s)" or "Check S1.1: OK".
Counts reportCounts(const QByteArray &report)
{
    static const QRegularExpression headline(QStringLiteral("^Check (\\S+): [^\\d\\n]*(\\d*)"),
                                             QRegularExpression::MultilineOption);
    Counts counts;
    for (auto it = headline.globalMatch(QString::fromUtf8(report)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const int count = match.captured(2).toInt();
        if (count != 0)
            counts.append({match.captured(1).toUtf8(), count});
    }
    return counts;
}

// "T8.2 1 -> 3, S11.1 2 -> 0" for the checks whose counts differ.
QByteArray countChanges(const Counts &expected, const Counts &actual)
{
    QMap<QByteArray, QPair<int, int>> both;
    for (const auto &[check, count] : expected)
        both[check].first = count;
    for (const auto &[check, count] : actual)
        both[check].second = count;
    QByteArrayList changes;
    for (auto it = both.cbegin(); it != both.cend(); ++it)
        if (it->first != it->second)
            changes.append(it.key() + ' ' + QByteArray::number(it->first) + " -> "
                           + QByteArray::number(it->second));
    return changes.join(", ");
}

QList<QByteArrayList> tableRows(const QString &path, qsizetype fields)
{
    QList<QByteArrayList> rows;
    QFile table(path);
    if (!table.open(QIODevice::ReadOnly))
        return rows;
    while (!table.atEnd()) {
        const QByteArrayList row = table.readLine().trimmed().split('\t');
        if (row.size() == fields && !row.at(0).startsWith('#'))
            rows.append(row);
    }
    return rows;
}

bool writeTable(const QString &path, const QByteArray &heading, const QByteArrayList &rows)
{
    QFile table(path);
    if (!QDir().mkpath(QFileInfo(table).path())
        || !table.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    table.write(heading + '\n');
    for (const QByteArray &row : rows)
        table.write(row + '\n');
    return true;
}

} // namespace

class GoldenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void output_data();
    void output();
    void threads_data();
    void threads();
    void cleanupTestCase();

private:
    bool load(Corpus &corpus);
    void save(const Corpus &corpus);

    QList<Corpus> m_corpora;
    bool m_update = false;
    QString m_keepDirectory;
};

void GoldenTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_update = qEnvironmentVariableIntValue("KVN_UPDATE_GOLDEN") != 0;
    m_keepDirectory = qEnvironmentVariable("KVN_GOLDEN_OUTPUT_DIR");
    if (!m_keepDirectory.isEmpty())
        QVERIFY(QDir().mkpath(m_keepDirectory));
    QString shared = qEnvironmentVariable("KVN_CORPUS");
    if (shared.isEmpty())
        shared = repositoryPath(QStringLiteral("../shared/corpus"));
    m_corpora.resize(2);
    m_corpora[0].name = QStringLiteral("local");
    m_corpora[0].directory = QFileInfo(QStringLiteral(KVN_TEST_DATA "/corpus")).canonicalFilePath();
    m_corpora[1].name = QStringLiteral("corpus");
    m_corpora[1].directory = QFileInfo(shared).canonicalFilePath();
    QVERIFY(!m_corpora.first().directory.isEmpty());
    if (m_corpora.last().directory.isEmpty()) {
        qInfo("The shared corpus ../shared/corpus is absent: the repository's corpus only.");
        m_corpora.removeLast();
    }
    for (Corpus &corpus : m_corpora) {
        const QDir directory(corpus.directory);
        QDirIterator it(directory.path(), {QStringLiteral("*.ts"), QStringLiteral("*.po")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            corpus.paths.append(directory.relativeFilePath(it.next()));
        corpus.paths.sort();
        corpus.paths.append(QStringLiteral("."));
        if (m_update)
            continue;
        QVERIFY2(load(corpus), qPrintable(corpus.table()));
        // A file of the table that the corpus no longer holds.
        for (auto row = corpus.expected.cbegin(); row != corpus.expected.cend(); ++row)
            QVERIFY2(corpus.paths.contains(row.key().section(QLatin1Char('\t'), 0, 0)),
                     qPrintable(row.key()));
    }
}

bool GoldenTest::load(Corpus &corpus)
{
    for (const QByteArrayList &row : tableRows(corpus.table(), 5)) {
        const QString key = QString::fromUtf8(row.at(0) + '\t' + row.at(1));
        corpus.expected.insert(key, {row.at(2).toInt(), row.at(3).toLongLong(), row.at(4)});
    }
    for (const QByteArrayList &row : tableRows(corpus.table("-counts"), 3))
        corpus.expectedCounts[QString::fromUtf8(row.at(0))].append({row.at(1), row.at(2).toInt()});
    return !corpus.expected.isEmpty();
}

void GoldenTest::output_data()
{
    QTest::addColumn<int>("corpus");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("format");
    for (int index = 0; index < m_corpora.size(); ++index)
        for (const QString &path : qAsConst(m_corpora.at(index).paths))
            for (const char *format : Formats)
                QTest::addRow("%s: %s %s", qPrintable(m_corpora.at(index).name), qPrintable(path),
                              format)
                    << index << path << QString::fromLatin1(format);
}

void GoldenTest::output()
{
    QFETCH(int, corpus);
    QFETCH(QString, path);
    QFETCH(QString, format);
    Corpus &current = m_corpora[corpus];
    QProcess kvn;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    kvn.setProcessEnvironment(environment);
    kvn.setWorkingDirectory(current.directory);
    kvn.setStandardErrorFile(QProcess::nullDevice());
    kvn.start(QStringLiteral(KVN_BINARY), {QStringLiteral("check"), QStringLiteral("--settings"),
                                           repositoryPath(QStringLiteral("bench/all-checks.ini")),
                                           QStringLiteral("--format"), format, path});
    QVERIFY(kvn.waitForFinished(300000));
    QCOMPARE(kvn.exitStatus(), QProcess::NormalExit);
    const QByteArray output = normalised(kvn.readAllStandardOutput(), current.directory.toUtf8());
    const Golden actual {kvn.exitCode(), output.size(),
                         QCryptographicHash::hash(output, QCryptographicHash::Sha256).toHex()};
    const QString key = path + QLatin1Char('\t') + format;
    current.actual.insert(key, actual);
    const bool isReport = format != QLatin1String("json");
    if (isReport)
        current.actualCounts.insert(path, reportCounts(output));
    if (!m_keepDirectory.isEmpty()) {
        const QString name = path == QLatin1String(".")
                                 ? current.name
                                 : current.name + QLatin1Char('_')
                                       + QString(path).replace(QLatin1Char('/'), QLatin1Char('_'));
        QFile kept(m_keepDirectory + QLatin1Char('/') + name + QLatin1Char('.') + format);
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write(output);
    }
    if (m_update)
        return;
    QVERIFY2(current.expected.contains(key), "not in the golden table: run bench/update_golden.sh");
    if (isReport) {
        const QByteArray changes
            = countChanges(current.expectedCounts.value(path), current.actualCounts.value(path));
        QVERIFY2(changes.isEmpty(), qPrintable(QStringLiteral("%1: finding counts changed: %2")
                                                   .arg(path, QString::fromUtf8(changes))));
    }
    const Golden expected = current.expected.value(key);
    QCOMPARE(actual.status, expected.status);
    QVERIFY2(actual.bytes == expected.bytes && actual.sha256 == expected.sha256,
             qPrintable(QStringLiteral("%1 (%2): another output; "
                                       "KVN_GOLDEN_OUTPUT_DIR=DIR keeps the outputs to compare")
                            .arg(path, format)));
}

// Files read on several threads give what one thread gives: every format, the
// standard error lines in order (--verbose), the exit status. Besides the two
// corpora, tests/data/crafted, whose files lean on each other: the consistency
// checks across files, a numerus message without forms before any other message
// of its file (it stands where the file before left off), a skipped TypeScript
// file, another language.
void GoldenTest::threads_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("format");
    QList<QPair<QString, QString>> directories {
        {QStringLiteral("crafted"), QStringLiteral(KVN_TEST_DATA "/crafted")}};
    for (const Corpus &corpus : qAsConst(m_corpora))
        directories.append({corpus.name, corpus.directory});
    for (const auto &[name, directory] : qAsConst(directories))
        for (const char *format : {"report", "gcc", "json", "sarif", "github"})
            QTest::addRow("%s %s", qPrintable(name), format)
                << directory << QString::fromLatin1(format);
}

void GoldenTest::threads()
{
    QFETCH(QString, directory);
    QFETCH(QString, format);
    QByteArray outputs[2], errors[2];
    int statuses[2] = {-1, -1};
    for (int run = 0; run < 2; ++run) {
        QProcess kvn;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        kvn.setProcessEnvironment(environment);
        kvn.start(QStringLiteral(KVN_BINARY),
                  {QStringLiteral("--verbose"), QStringLiteral("check"),
                   QStringLiteral("--settings"),
                   repositoryPath(QStringLiteral("bench/all-checks.ini")), QStringLiteral("--jobs"),
                   run == 0 ? QStringLiteral("1") : QStringLiteral("3"), QStringLiteral("--format"),
                   format, directory});
        QVERIFY(kvn.waitForFinished(300000));
        QCOMPARE(kvn.exitStatus(), QProcess::NormalExit);
        outputs[run] = normalised(kvn.readAllStandardOutput(), directory.toUtf8());
        errors[run] = kvn.readAllStandardError();
        statuses[run] = kvn.exitCode();
    }
    QVERIFY(!outputs[0].isEmpty());
    QCOMPARE(statuses[1], statuses[0]);
    QVERIFY2(outputs[1] == outputs[0], "the output of three threads differs from one thread's");
    QCOMPARE(errors[1], errors[0]);
}

void GoldenTest::save(const Corpus &corpus)
{
    QByteArrayList rows;
    for (auto it = corpus.actual.cbegin(); it != corpus.actual.cend(); ++it)
        rows.append(it.key().toUtf8() + '\t' + QByteArray::number(it->status) + '\t'
                    + QByteArray::number(it->bytes) + '\t' + it->sha256);
    QVERIFY(writeTable(corpus.table(),
                       "# path\tformat\texit status\tbytes\tsha256 (kvn check --settings "
                       "bench/all-checks.ini, time and corpus path normalised)",
                       rows));
    rows.clear();
    for (auto it = corpus.actualCounts.cbegin(); it != corpus.actualCounts.cend(); ++it)
        for (const auto &[check, count] : *it)
            rows.append(it.key().toUtf8() + '\t' + check + '\t' + QByteArray::number(count));
    QVERIFY(writeTable(corpus.table("-counts"),
                       "# path\tcheck\tcount (the report's nonzero finding counts)", rows));
}

void GoldenTest::cleanupTestCase()
{
    if (m_update)
        for (const Corpus &corpus : qAsConst(m_corpora))
            save(corpus);
}

QTEST_GUILESS_MAIN(GoldenTest)
#include "tst_golden.moc"
