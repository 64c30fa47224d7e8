#include "run/baseline.h"

#include "checks/results.h"
#include "model/catalogue.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const char *const Header = "# kvn baseline 1: file, check, context, source, translation, finding";

QString escaped(const QString &field)
{
    QString text;
    text.reserve(field.size());
    for (const QChar ch : field) {
        switch (ch.unicode()) {
        case '\\':
            text += QLatin1String("\\\\");
            break;
        case '\t':
            text += QLatin1String("\\t");
            break;
        case '\n':
            text += QLatin1String("\\n");
            break;
        case '\r':
            text += QLatin1String("\\r");
            break;
        default:
            text += ch;
        }
    }
    return text;
}

QString kvnText(const char *text)
{
    return QCoreApplication::translate("kvn", text);
}

// The line of one finding; path is already relative. A .po message without
// msgctxt has its file path for a context: that is no context to keep, since
// the path depends on how the file was named on the command line.
QString entryLine(const QString &path, int checkIndex, const MessageRecord *message,
                  const QString &filePath, const QString &finding)
{
    const QString none;
    const bool context = message && message->context != filePath;
    return QStringList {escaped(path),
                        QString::fromLatin1(checkInfo(checkIndex).id),
                        escaped(context ? message->context : none),
                        escaped(message ? message->source : none),
                        escaped(message ? message->translation : none),
                        escaped(finding)}
        .join(QLatin1Char('\t'));
}

// Calls visit(checkIndex, key, valueIndex, line) for every finding of the
// checks that warn, in store order.
void visitFindings(const results &store, const QString &folder,
                   const std::function<bool(int)> &wanted,
                   const std::function<void(int, const QString &, int, const QString &)> &visit)
{
    const QDir base(folder);
    QStringList relativeFiles;
    for (const QString &file : store.files())
        relativeFiles.append(
            QDir::fromNativeSeparators(base.relativeFilePath(QFileInfo(file).absoluteFilePath())));
    for (int index = 0; index < CheckCount; ++index) {
        if (!isWarningCheck(index) || !wanted(index))
            continue;
        const auto &entries = store.findings(index).entries();
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            const FindingValues values = it.value();
            for (int i = 0; i < values.size(); ++i) {
                const int messageIndex = values.at(i).message;
                const MessageRecord *message
                    = messageIndex >= 0 ? &store.messages().at(messageIndex) : nullptr;
                const int file = message ? message->file : -1;
                visit(index, it.key(), i,
                      entryLine(relativeFiles.value(file), index, message,
                                store.files().value(file), it.key()));
            }
        }
    }
}

} // namespace

QStringList Baseline::entries(const results &store, const QString &folder,
                              const std::function<bool(int)> &checkOn)
{
    QStringList lines;
    visitFindings(store, folder, checkOn,
                  [&lines](int, const QString &, int, const QString &line) { lines.append(line); });
    return lines;
}

bool Baseline::write(const QString &path, QStringList lines, QString &error)
{
    lines.sort();
    QByteArray bytes = QByteArray(Header) + '\n';
    for (const QString &line : lines)
        bytes += line.toUtf8() + '\n';
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = kvnText(QT_TRANSLATE_NOOP("kvn", "%1: the baseline cannot be written (%2)."))
                    .arg(path, file.errorString());
        return false;
    }
    return true;
}

bool Baseline::read(const QString &path, QString &error)
{
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        error = kvnText(QT_TRANSLATE_NOOP("kvn", "%1: the file cannot be read.")).arg(path);
        return false;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.value(0).trimmed() != QByteArray(Header)) {
        error = kvnText(QT_TRANSLATE_NOOP("kvn", "%1: not a kvn baseline (its first line is not "
                                                 "\"%2\")."))
                    .arg(path, QLatin1String(Header));
        return false;
    }
    m_folder = info.absolutePath();
    m_counts.clear();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            ++m_counts[QString::fromUtf8(line)];
    }
    return true;
}

int Baseline::filter(results &store) const
{
    // Which values to leave out, per check and finding text.
    QHash<QString, int> left = m_counts;
    QList<std::tuple<int, QString, int>> dropped;
    visitFindings(
        store, m_folder, [](int) { return true; },
        [&](int index, const QString &key, int valueIndex, const QString &line) {
            const auto it = left.find(line);
            if (it == left.end() || *it == 0)
                return;
            --*it;
            dropped.append({index, key, valueIndex});
        });
    // Backwards, so that the value indices of one key stay valid.
    for (auto it = dropped.crbegin(); it != dropped.crend(); ++it)
        store.findings(std::get<0>(*it)).removeValue(std::get<1>(*it), std::get<2>(*it));
    return int(dropped.size());
}
