#pragma once
// Small text helpers shared by several check areas.

#include <QChar>
#include <QString>

// The first character that is neither the accelerator marker nor the argument
// marker; the letter "x" when the text holds nothing else.
inline QChar firstSignificantCharacter(const QString &text, const QString &acceleratorMarker,
                                       const QString &argumentMarker)
{
    for (const QChar c : text) {
        if (acceleratorMarker.size() == 1 && c == acceleratorMarker.at(0))
            continue;
        if (argumentMarker.size() == 1 && c == argumentMarker.at(0))
            continue;
        return c;
    }
    return QLatin1Char('x');
}
