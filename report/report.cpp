// Report assembly: header, summary, the text of each tab and the log of a batch
// step, all from the store and the catalogue.

#include "report/report.h"

#include "checks/results.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "model/textescape.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

bool diagnosticsToStandardError = false;

QString windowText(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

bool isFixedTab(const QString &tab)
{
    return tab == QLatin1String("ST0");
}

// One block per check of the tab, in index order, after the given beginning;
// joined at once, so that every block is copied once.
QString tabBlocks(const results &store, const QString &tab, const ReportOptions &options, bool html,
                  QStringList text)
{
    for (int index : checksOfTab(tab)) {
        const CheckInfo &info = checkInfo(index);
        const bool details
            = info.box == BoxKind::Fixed || (options.boxChecked && options.boxChecked(index));
        if (info.store == StoreKind::Items) {
            text += store.formatItemList(index, true, details);
        } else {
            text += store.formatFindings(index, true, details, options.printLocation,
                                         checkInfo(index).listing, html);
        }
        if (index == CheckT1_1)
            text += windowText(QT_TRANSLATE_NOOP("MainWindow", "%1 marked as unfinished"))
                        .arg(store.unfinishedCount)
                    + QLatin1String("\n\n");
    }
    return text.join(QString());
}

} // namespace

void setDiagnosticsToStandardError(bool toStandardError)
{
    diagnosticsToStandardError = toStandardError;
}

void writeDiagnosticLine(const QString &line)
{
    FILE *stream = diagnosticsToStandardError ? stderr : stdout;
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

bool isWarningCheck(int index)
{
    return checkInfo(index).store == StoreKind::Findings && !checkInfo(index).listing;
}

int findingCount(const results &store, int index)
{
    if (index == Check_0)
        return store.items(index).size();
    return isWarningCheck(index) ? store.findings(index).size() : 0;
}

int tabFindingCount(const results &store, const QString &tab)
{
    int count = 0;
    for (const int index : checksOfTab(tab))
        count += findingCount(store, index);
    return count;
}

int reportFindingCount(const results &store)
{
    int count = 0;
    for (int index = 0; index < CheckCount; ++index)
        count += findingCount(store, index);
    return count;
}

QString reportHeader(const QTime &time)
{
    return windowText(QT_TRANSLATE_NOOP("MainWindow", "Last checks were done at %1"))
               .arg(time.toString(QStringLiteral("hh:mm:ss")))
           + QLatin1String("\n\n");
}

QString reportSummary(const results &store, const QString &path, int fileCount)
{
    QString text;
    const auto line = [&text](const QString &content) { text += content + QLatin1Char('\n'); };
    // A line feed in a file name must not start a line of the report.
    const QString shownPath = textescape::escapeControlCharacters(path);
    if (fileCount < 1)
        writeDiagnosticLine(QStringLiteral("Should not happen"));
    else if (fileCount == 1)
        line(windowText(QT_TRANSLATE_NOOP("MainWindow", "Read file %1.")).arg(shownPath));
    else
        line(windowText(QT_TRANSLATE_NOOP("MainWindow", "Read %1 files in %2."))
                 .arg(QString::number(fileCount), shownPath));
    line(windowText(QT_TRANSLATE_NOOP("MainWindow", "Read %1 sources.")).arg(store.sourceCount));
    const FindingMap &emptySources = store.findings(CheckS1_1);
    if (!emptySources.isEmpty())
        line(windowText(QT_TRANSLATE_NOOP("MainWindow",
                                          "Warning! %1 sources are empty! Compare Check S1.1."))
                 .arg(emptySources.size()));
    line(windowText(
             QT_TRANSLATE_NOOP("MainWindow", "Read %1 translations. %2 are marked as unfinished."))
             .arg(QString::number(store.translationCount), QString::number(store.unfinishedCount)));
    const FindingMap &emptyTranslations = store.findings(CheckT1_1);
    if (!emptyTranslations.isEmpty())
        line(
            windowText(QT_TRANSLATE_NOOP("MainWindow",
                                         "Warning! %1 translations are empty! Compare Check T1.1."))
                .arg(emptyTranslations.size()));
    if (store.sourceRules.maxNumerus != store.translationRules.maxNumerus)
        line(windowText(QT_TRANSLATE_NOOP("MainWindow",
                                          "The number of read sources and translations might be "
                                          "different because the source use %2 numerus while the "
                                          "translation uses %3 numerus."))
                 .arg(QString::number(store.sourceRules.maxNumerus),
                      QString::number(store.translationRules.maxNumerus)));
    if (store.vanishedCount > 0)
        line(windowText(QT_TRANSLATE_NOOP("MainWindow",
                                          "%1 vanished sources (and translations) not imported."))
                 .arg(store.vanishedCount));
    text += QLatin1String("\n\n");
    return text;
}

bool tabReportIsHtml(const QString &tab, const ReportOptions &options)
{
    return (tab == QLatin1String("S14") && options.htmlS14)
           || (tab == QLatin1String("T14") && options.htmlT14);
}

QString tabReport(const results &store, const QString &tab, const QString &header,
                  const QString &summary, const ReportOptions &options)
{
    if (isFixedTab(tab))
        return tabBlocks(store, tab, options, false, {header, summary});
    if (tabReportIsHtml(tab, options))
        return tabBlocks(store, tab, options, true, {header, QStringLiteral("<br /><br />")});
    return tabBlocks(store, tab, options, false, {header});
}

QString logReport(const results &store, const QString &header, const QString &summary,
                  bool printLocation)
{
    ReportOptions options;
    options.printLocation = printLocation;
    return tabReport(store, QStringLiteral("ST0"), header, summary, options);
}

ReportOptions reportOptions(const AppSettingsRecord &settings)
{
    ReportOptions options;
    options.printLocation = settings.printLocationCheckBox;
    options.htmlS14 = settings.checkS14CheckBox;
    options.htmlT14 = settings.checkT14CheckBox;
    // A snapshot, so that later changes of the record do not change a report
    // being assembled.
    QList<bool> checked(CheckCount, true);
    for (int index = 0; index < CheckCount; ++index) {
        const CheckInfo &info = checkInfo(index);
        if (!info.key)
            continue;
        const int setting = settingIndex(QLatin1String(info.key));
        // Both kinds of box: a partially checked tri-state box counts as checked.
        if (setting >= 0)
            checked[index] = settingValue(settings, setting).toInt() != 0;
    }
    options.boxChecked
        = [checked](int index) { return index >= 0 && index < checked.size() && checked[index]; };
    return options;
}
