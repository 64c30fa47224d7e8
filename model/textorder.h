#pragma once
// Sorting many texts in the order of QString's operator< (by UTF-16 code unit).

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

// Whether the code units x[0, xSize) come before y[0, ySize) in the order of
// QString's operator<, the first `from` of them known to be equal in both.
inline bool codeUnitLess(const char16_t *x, qsizetype xSize, const char16_t *y, qsizetype ySize,
                         qsizetype from = 0)
{
    const qsizetype n = std::min(xSize, ySize);
    qsizetype i = std::min(from, n);
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
    return xSize < ySize;
}

// A text to sort and what it stands for (an index chosen by the caller). The
// text's code units are named directly: comparing two entries reads no QString.
struct CodeUnitSortEntry {
    quint64 prefix[2]; // the first eight code units, zeros after the end
    const char16_t *data;
    qsizetype size;
    qsizetype index;
};

inline CodeUnitSortEntry codeUnitSortEntry(const QString &text, qsizetype index)
{
    CodeUnitSortEntry entry {
        {0, 0}, reinterpret_cast<const char16_t *>(text.constData()), text.size(), index};
    for (qsizetype i = 0; i < 8; ++i)
        entry.prefix[i / 4]
            = (entry.prefix[i / 4] << 16) | (i < text.size() ? text.at(i).unicode() : 0u);
    return entry;
}

// Whether entry a's text comes before entry b's. The packed prefixes decide
// most comparisons; texts that share them are compared after them.
inline bool codeUnitEntryLess(const CodeUnitSortEntry &a, const CodeUnitSortEntry &b)
{
    if (a.prefix[0] != b.prefix[0])
        return a.prefix[0] < b.prefix[0];
    if (a.prefix[1] != b.prefix[1])
        return a.prefix[1] < b.prefix[1];
    return codeUnitLess(a.data, a.size, b.data, b.size, 8);
}

// Sorts entries by their texts. A long list is sorted in two halves, one on a
// thread of its own, that are then merged: the texts of the callers are
// distinct, so the order is the one a sort on one thread gives.
inline void sortCodeUnitEntries(std::vector<CodeUnitSortEntry> &entries)
{
    const size_t halfOnThread = size_t(1) << 15;
    if (entries.size() < 2 * halfOnThread || std::thread::hardware_concurrency() < 2) {
        std::sort(entries.begin(), entries.end(), codeUnitEntryLess);
        return;
    }
    const auto middle = entries.begin() + std::ptrdiff_t(entries.size() / 2);
    std::thread second([&] { std::sort(middle, entries.end(), codeUnitEntryLess); });
    std::sort(entries.begin(), middle, codeUnitEntryLess);
    second.join();
    std::inplace_merge(entries.begin(), middle, entries.end(), codeUnitEntryLess);
}
