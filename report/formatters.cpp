// Report blocks: one block of text per check, from its findings store.

#include "checks/results.h"

namespace {

QString heading(int index)
{
    return QLatin1String("Check ") + QLatin1String(checkInfo(index).id) + QLatin1String(": ");
}

} // namespace

QString results::formatItemList(int index, bool showHeading, bool showItems) const
{
    Q_UNUSED(showHeading); // the heading and the count are written in every case
    const ItemList &list = m_items[index];
    QString block = heading(index);
    block += QObject::tr("Found %1 item(s)").arg(list.size());
    block += QLatin1String("\n\n");
    if (showItems)
        for (const QString &item : list) {
            block += item;
            block += QLatin1Char('\n');
        }
    block += QLatin1Char('\n');
    return block;
}

QString results::formatFindings(int index, bool showHeading, bool showDetails, bool showLocations,
                                bool listMode, bool html) const
{
    const FindingMap &map = m_findings[index];
    const QString lineBreak = html ? QStringLiteral("<br />") : QStringLiteral("\n");
    QString block;
    if (showHeading)
        block = heading(index);
    if (map.isEmpty()) {
        if (showHeading)
            block += QLatin1String("OK") + lineBreak;
    } else {
        if (showHeading) {
            block += listMode ? QObject::tr("Found %1 item(s)").arg(map.size())
                              : QObject::tr("Failed %1 time(s)").arg(map.size());
            block += lineBreak;
        }
        if (showDetails) {
            const bool tableMode = html && listMode;
            if (tableMode)
                block += QLatin1String("<table border=1>");
            const auto &entries = map.entries();
            for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
                if (!tableMode)
                    block += lineBreak;
                if (showLocations) {
                    const FindingValues values = it.value();
                    for (qsizetype i = values.size() - 1; i >= 0; --i) {
                        const QString &value = values.at(i).text;
                        block += html ? value.toHtmlEscaped() : value;
                        if (!listMode)
                            block += lineBreak;
                    }
                }
                // The rows of table mode are markup made by their check, which
                // escapes the texts in them; everything else is text from the input.
                block += html && !tableMode ? it.key().toHtmlEscaped() : it.key();
                if (!listMode || showLocations)
                    block += lineBreak;
            }
            if (tableMode)
                block += QLatin1String("</table>");
        }
    }
    block += lineBreak;
    block += lineBreak;
    return block;
}
