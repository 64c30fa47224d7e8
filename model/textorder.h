#pragma once
// Sorting many texts in the order of QString's operator< (by UTF-16 code unit).

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <vector>

// The order of QString's operator<: most comparisons end within a few
// characters, which this decides without a call into Qt.
inline bool codeUnitLess(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t *x = reinterpret_cast<const char16_t *>(a.constData());
    const char16_t *y = reinterpret_cast<const char16_t *>(b.constData());
    qsizetype i = 0;
    // Four code units at a time over a long common start.
    for (; i + 4 <= n; i += 4) {
        quint64 u, v;
        std::memcpy(&u, x + i, sizeof u);
        std::memcpy(&v, y + i, sizeof v);
        if (u != v)
            break;
    }
    for (; i < n; ++i)
        if (x[i] != y[i])
            return x[i] < y[i];
    return a.size() < b.size();
}

// A text to sort and what it stands for (an index chosen by the caller).
struct CodeUnitSortEntry {
    quint64 prefix[2]; // the first eight code units, zeros after the end
    const QString *text;
    qsizetype index;
};

inline CodeUnitSortEntry codeUnitSortEntry(const QString &text, qsizetype index = 0)
{
    CodeUnitSortEntry entry {{0, 0}, &text, index};
    for (qsizetype i = 0; i < 8; ++i)
        entry.prefix[i / 4]
            = (entry.prefix[i / 4] << 16) | (i < text.size() ? text.at(i).unicode() : 0u);
    return entry;
}

// Sorts entries by their texts. The packed prefixes decide most comparisons;
// only texts that share them are compared in full.
inline void sortCodeUnitEntries(std::vector<CodeUnitSortEntry> &entries)
{
    std::sort(entries.begin(), entries.end(),
              [](const CodeUnitSortEntry &a, const CodeUnitSortEntry &b) {
                  if (a.prefix[0] != b.prefix[0])
                      return a.prefix[0] < b.prefix[0];
                  if (a.prefix[1] != b.prefix[1])
                      return a.prefix[1] < b.prefix[1];
                  return codeUnitLess(*a.text, *b.text);
              });
}
