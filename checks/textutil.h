#pragma once
// Small text helpers shared by several check areas.

#include <QChar>
#include <QString>
#include <array>

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

// QChar::category, with the ASCII characters taken from a table: the checks ask
// it about every character of a text.
inline QChar::Category categoryOf(QChar c)
{
    static const std::array<QChar::Category, 0x80> ascii = [] {
        std::array<QChar::Category, 0x80> table {};
        for (char16_t u = 0; u < 0x80; ++u)
            table[u] = QChar(u).category();
        return table;
    }();
    const char16_t u = c.unicode();
    return u < 0x80 ? ascii[u] : c.category();
}
