#include "report/jsonreport.h"

#include "checks/results.h"
#include "model/catalogue.h"
#include "model/textescape.h"
#include "report/report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Every string of the document holds whole characters: strict parsers reject a
// lone surrogate.
QString whole(const QString &text)
{
    return textescape::wholeCharacters(text);
}

QJsonObject summaryObject(const results &store, const QString &path, int fileCount)
{
    QJsonObject summary;
    summary.insert(QStringLiteral("path"), whole(path));
    summary.insert(QStringLiteral("fileCount"), fileCount);
    summary.insert(QStringLiteral("language"), whole(store.catalogueLanguage));
    summary.insert(QStringLiteral("sourceCount"), store.sourceCount);
    summary.insert(QStringLiteral("translationCount"), store.translationCount);
    summary.insert(QStringLiteral("unfinishedCount"), store.unfinishedCount);
    summary.insert(QStringLiteral("vanishedCount"), store.vanishedCount);
    summary.insert(QStringLiteral("emptySourceCount"), store.findings(CheckS1_1).size());
    summary.insert(QStringLiteral("emptyTranslationCount"), store.findings(CheckT1_1).size());
    summary.insert(QStringLiteral("maxNumerusSource"), store.sourceRules.maxNumerus);
    summary.insert(QStringLiteral("maxNumerusTranslation"), store.translationRules.maxNumerus);
    return summary;
}

QJsonObject checkObject(const results &store, int index, const ReportOptions &options)
{
    const CheckInfo &info = checkInfo(index);
    QJsonObject check;
    check.insert(QStringLiteral("id"), QString::fromLatin1(info.id));
    check.insert(QStringLiteral("index"), index);
    check.insert(QStringLiteral("tab"), QString::fromLatin1(info.tab));
    check.insert(QStringLiteral("boxOn"),
                 info.box == BoxKind::Fixed || (options.boxChecked && options.boxChecked(index)));
    check.insert(QStringLiteral("warning"), isWarningCheck(index));
    if (info.store == StoreKind::Items) {
        const ItemList &items = store.items(index);
        check.insert(QStringLiteral("count"), items.size());
        QJsonArray list;
        for (const QString &item : items)
            list.append(whole(item));
        check.insert(QStringLiteral("items"), list);
        return check;
    }
    const FindingMap &map = store.findings(index);
    check.insert(QStringLiteral("count"), map.size());
    QJsonArray findings;
    const auto &entries = map.entries();
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        QJsonArray values;
        // Newest first, as the report lists them.
        for (auto value = it.value().crbegin(); value != it.value().crend(); ++value)
            values.append(whole(*value));
        QJsonObject finding;
        finding.insert(QStringLiteral("text"), whole(it.key()));
        finding.insert(QStringLiteral("values"), values);
        findings.append(finding);
    }
    check.insert(QStringLiteral("findings"), findings);
    return check;
}

} // namespace

QByteArray jsonReport(const results &store, const QString &path, int fileCount,
                      const ReportOptions &options, const QStringList &tabs)
{
    QJsonArray checks;
    for (int index = 0; index < CheckCount; ++index) {
        const CheckInfo &info = checkInfo(index);
        if (!info.id || (!tabs.isEmpty() && !tabs.contains(QLatin1String(info.tab))))
            continue;
        checks.append(checkObject(store, index, options));
    }
    QJsonObject root;
    root.insert(QStringLiteral("summary"), summaryObject(store, path, fileCount));
    root.insert(QStringLiteral("checks"), checks);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
