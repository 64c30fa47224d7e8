#pragma once
// Small text helpers shared by several check areas.

#include "model/textorder.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

// `length` code units of `whole` from `from` on, sharing whole's buffer instead
// of a copy: the part keeps the whole buffer alive. It is not followed by a
// null unless it ends where whole ends; Qt's text functions go by the size.
inline QString sharedPart(const QString &whole, qsizetype from, qsizetype length)
{
    Q_ASSERT(from >= 0 && length >= 0 && from + length <= whole.size());
    if (length == 0)
        return QStringLiteral("");
    QString::DataPointer data = whole.data_ptr();
    data.setBegin(data.data() + from);
    data.size = length;
    return QString(std::move(data));
}

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

// Opening and closing brackets and quotation marks, by their general category.
inline bool isBracketOrQuotePunctuation(QChar c)
{
    switch (categoryOf(c)) {
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
        return true;
    default:
        return false;
    }
}

// a.toLower() != b.toLower(), decided at the first position where the texts
// differ in more than case. Lower-casing maps each character on its own to one
// character, except U+0130 (to two) and surrogates (pairs by code point, and an
// unpaired one may become U+FFFD, depending on where lower-casing starts to
// change the text): where those are involved, both texts are lowered whole.
inline bool differIgnoringCase(QStringView a, QStringView b)
{
    const auto isSpecial = [](char16_t u) { return u == 0x0130 || QChar::isSurrogate(u); };
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = a.at(i).unicode();
        const char16_t y = b.at(i).unicode();
        if (x == y && !QChar::isSurrogate(x))
            continue;
        if (isSpecial(x) || isSpecial(y))
            return a.toString().toLower() != b.toString().toLower();
        if (QChar::toLower(x) != QChar::toLower(y))
            return true;
    }
    // A longer text lowers to a longer one.
    return a.size() != b.size();
}

// The values sorted, each once.
template<typename List>
List distinctSorted(List values)
{
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

// Sorts texts in the order of QString's operator<.
inline void sortByCodeUnits(QStringList &texts)
{
    std::vector<CodeUnitSortEntry> entries;
    entries.reserve(size_t(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i)
        entries.push_back(codeUnitSortEntry(texts.at(i), i));
    sortCodeUnitEntries(entries);
    QStringList sorted;
    sorted.reserve(texts.size());
    // A copy writes to the text's reference count: in sorted order the texts
    // stand anywhere, so they are asked for ahead.
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i + 8 < entries.size())
            __builtin_prefetch(entries[i + 8].data);
        sorted.append(texts.at(entries[i].index));
    }
    texts = std::move(sorted);
}
