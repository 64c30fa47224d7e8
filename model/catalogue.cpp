#include "model/catalogue.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>

#include <algorithm>

namespace {

// The rows are one table: each index in its place, twins in pairs, and a second
// source check for the partially-checked rule only beside a twin.
constexpr bool rowsConsistent()
{
    for (int i = 0; i < CheckCount; ++i) {
        const CheckInfo &row = CheckRows[i];
        if (row.index != i)
            return false;
        if (row.twin != NoCheck && CheckRows[row.twin].twin != i)
            return false;
        if (row.partialAlso != NoCheck && row.twin == NoCheck)
            return false;
    }
    return true;
}
static_assert(rowsConsistent(), "the catalogue rows disagree");

const CheckInfo (&Catalogue)[CheckCount] = CheckRows;

} // namespace

const CheckInfo &checkInfo(int index)
{
    Q_ASSERT(index >= 0 && index < CheckCount);
    return Catalogue[index];
}

QString checkHelp(int index)
{
    const CheckInfo &info = checkInfo(index);
    if (!info.help)
        return QString();
    return QCoreApplication::translate("CheckHelp", info.help) + QLatin1Char('\n')
           + QCoreApplication::translate(
                 "CheckHelp", "To silence it: a \"kvn-ignore: %1\" comment, or --disable %1.")
                 .arg(QLatin1String(info.id));
}

QStringList checkOptionKeys(int index)
{
    const char *options = checkInfo(index).options;
    return options ? QString::fromLatin1(options).split(QLatin1Char(' ')) : QStringList();
}

int checkIndexOf(const QString &checkId)
{
    static const QHash<QString, int> byId = [] {
        QHash<QString, int> ids;
        for (const CheckInfo &info : Catalogue)
            if (info.id)
                ids.insert(QString::fromLatin1(info.id), info.index);
        return ids;
    }();
    return byId.value(checkId, -1);
}

bool selectChecks(QStringView selector, std::bitset<CheckCount> &checks)
{
    selector = selector.trimmed();
    if (selector.isEmpty())
        return false;
    bool found = false;
    for (const CheckInfo &info : Catalogue) {
        if (!info.id)
            continue;
        const QLatin1String id(info.id);
        bool named = false;
        if (selector == QLatin1String("*")) {
            named = true;
        } else if (selector.endsWith(QLatin1Char('*'))) {
            // The family is the letters before the first digit.
            qsizetype letters = 0;
            while (letters < id.size() && !QChar(id.at(letters)).isDigit())
                ++letters;
            named = letters > 0
                    && selector.chopped(1).compare(id.left(letters), Qt::CaseInsensitive) == 0;
        } else {
            named = selector.compare(id, Qt::CaseInsensitive) == 0
                    || (id.startsWith(selector, Qt::CaseInsensitive) && id.size() > selector.size()
                        && id.at(selector.size()) == QLatin1Char('.'));
        }
        if (named) {
            checks.set(size_t(info.index));
            found = true;
        }
    }
    return found;
}

const char *severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Info:
        break;
    }
    return "note";
}

// ST0 first, then S1, T1, S2, T2 ... by group number, then the other ST tabs.
const QList<QString> &tabNames()
{
    static const QList<QString> names = [] {
        QMap<int, QList<QString>> byGroup; // S and T tabs by group number
        QMap<int, QString> comparisons; // ST tabs by group number
        for (const CheckInfo &info : Catalogue) {
            if (!info.tab)
                continue;
            const QString tab = QString::fromLatin1(info.tab);
            const bool both = tab.startsWith(QLatin1String("ST"));
            const int group = tab.mid(both ? 2 : 1).toInt();
            if (both)
                comparisons.insert(group, tab);
            else if (!byGroup.value(group).contains(tab))
                byGroup[group].append(tab);
        }
        QList<QString> tabs {comparisons.take(0)};
        for (QList<QString> &pair : byGroup) {
            std::sort(pair.begin(), pair.end()); // "S" before "T"
            tabs += pair;
        }
        tabs += comparisons.values();
        return tabs;
    }();
    return names;
}

QList<int> checksOfTab(const QString &tab)
{
    QList<int> checks;
    for (const CheckInfo &info : Catalogue)
        if (info.tab && tab == QLatin1String(info.tab))
            checks.append(info.index);
    return checks;
}
