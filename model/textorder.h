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
    quint64 prefix[2]; // eight code units packed, zeros after the end (see sortCodeUnitRange)
    quint64 head[2]; // the first eight, packed in the same way
    const char16_t *data;
    qsizetype size;
    qsizetype index;
};

inline CodeUnitSortEntry codeUnitSortEntry(const QString &text, qsizetype index)
{
    CodeUnitSortEntry entry {
        {0, 0}, {0, 0}, reinterpret_cast<const char16_t *>(text.constData()), text.size(), index};
    for (qsizetype i = 0; i < 8; ++i)
        entry.prefix[i / 4]
            = (entry.prefix[i / 4] << 16) | (i < text.size() ? text.at(i).unicode() : 0u);
    entry.head[0] = entry.prefix[0];
    entry.head[1] = entry.prefix[1];
    return entry;
}

// Whether entry a's text comes before entry b's. The packed first units decide
// most comparisons; texts that share them are compared after them.
inline bool codeUnitEntryLess(const CodeUnitSortEntry &a, const CodeUnitSortEntry &b)
{
    if (a.head[0] != b.head[0])
        return a.head[0] < b.head[0];
    if (a.head[1] != b.head[1])
        return a.head[1] < b.head[1];
    return codeUnitLess(a.data, a.size, b.data, b.size, 8);
}

// The code units [depth, depth + 8) of a text packed for comparison, zeros after its end.
inline void packCodeUnits(CodeUnitSortEntry &entry, qsizetype depth)
{
    entry.prefix[0] = entry.prefix[1] = 0;
    for (qsizetype i = 0; i < 8; ++i) {
        const qsizetype at = depth + i;
        entry.prefix[i / 4]
            = (entry.prefix[i / 4] << 16) | (at < entry.size ? quint64(entry.data[at]) : 0u);
    }
}

// Sorts a range of entries by their texts, eight code units at a time: by the
// packed units from a depth that all texts of the range share, a text that ends
// there before a longer one; then each run that agrees on them again, from eight
// units deeper. A text's units are read once per depth, not once per comparison,
// which counts when many texts share a long start. Entries packed at depth 0 come
// in (codeUnitSortEntry); deeper packs overwrite the prefixes.
inline void sortCodeUnitRange(CodeUnitSortEntry *first, CodeUnitSortEntry *last)
{
    struct Range {
        CodeUnitSortEntry *first, *last;
        qsizetype depth;
    };
    std::vector<Range> ranges {{first, last, 0}};
    while (!ranges.empty()) {
        const Range range = ranges.back();
        ranges.pop_back();
        // A text that ends within the window sorts by its length among those that
        // share its packed units; one that goes on sorts after them.
        const qsizetype beyond = range.depth + 9;
        const auto length
            = [beyond](const CodeUnitSortEntry &entry) { return std::min(entry.size, beyond); };
        if (range.depth > 0)
            for (CodeUnitSortEntry *entry = range.first; entry != range.last; ++entry)
                packCodeUnits(*entry, range.depth);
        std::sort(range.first, range.last,
                  [&length](const CodeUnitSortEntry &a, const CodeUnitSortEntry &b) {
                      if (a.prefix[0] != b.prefix[0])
                          return a.prefix[0] < b.prefix[0];
                      if (a.prefix[1] != b.prefix[1])
                          return a.prefix[1] < b.prefix[1];
                      return length(a) < length(b);
                  });
        for (CodeUnitSortEntry *run = range.first; run != range.last;) {
            CodeUnitSortEntry *end = run + 1;
            while (end != range.last && end->prefix[0] == run->prefix[0]
                   && end->prefix[1] == run->prefix[1] && length(*end) == length(*run))
                ++end;
            if (end - run > 1 && length(*run) == beyond)
                ranges.push_back({run, end, range.depth + 8});
            run = end;
        }
    }
}

// Sorts entries by their texts. A long list is sorted in two halves, one on a
// thread of its own, that are then merged: the texts of the callers are
// distinct, so the order is the one a sort on one thread gives.
inline void sortCodeUnitEntries(std::vector<CodeUnitSortEntry> &entries)
{
    const size_t halfOnThread = size_t(1) << 15;
    if (entries.size() < 2 * halfOnThread || std::thread::hardware_concurrency() < 2) {
        sortCodeUnitRange(entries.data(), entries.data() + entries.size());
        return;
    }
    CodeUnitSortEntry *const begin = entries.data();
    CodeUnitSortEntry *const middle = begin + entries.size() / 2;
    CodeUnitSortEntry *const end = begin + entries.size();
    std::thread second([&] { sortCodeUnitRange(middle, end); });
    sortCodeUnitRange(begin, middle);
    second.join();
    std::inplace_merge(begin, middle, end, codeUnitEntryLess);
}
