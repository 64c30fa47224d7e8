#pragma once
// Sorting many texts in the order of QString's operator< (by UTF-16 code unit).

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <vector>

// The order of QString's operator<: most comparisons end within a few
// characters, which this decides without a call into Qt.
inline bool codeUnitLess(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *x = a.constData();
    const QChar *y = b.constData();
    for (qsizetype i = 0; i < n; ++i)
        if (x[i] != y[i])
            return x[i].unicode() < y[i].unicode();
    return a.size() < b.size();
}

// A text to sort and what it stands for (an index chosen by the caller).
struct CodeUnitSortEntry {
    quint64 prefix; // the first four code units, zeros after the end
    const QString *text;
    qsizetype index;
};

inline CodeUnitSortEntry codeUnitSortEntry(const QString &text, qsizetype index = 0)
{
    quint64 prefix = 0;
    for (qsizetype i = 0; i < 4; ++i)
        prefix = (prefix << 16) | (i < text.size() ? text.at(i).unicode() : 0u);
    return {prefix, &text, index};
}

// Sorts entries by their texts. The packed prefixes decide most comparisons;
// only texts that share them are compared in full.
inline void sortCodeUnitEntries(std::vector<CodeUnitSortEntry> &entries)
{
    std::sort(
        entries.begin(), entries.end(), [](const CodeUnitSortEntry &a, const CodeUnitSortEntry &b) {
            return a.prefix != b.prefix ? a.prefix < b.prefix : codeUnitLess(*a.text, *b.text);
        });
}
