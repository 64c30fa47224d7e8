#pragma once
// The findings store of one check and the item list of a listing check.

#include "model/textindex.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

// The values of one finding text, oldest first, and beside each the message it
// came from: an index into results::messages(), -1 for none.
struct FindingValues {
    QStringList values;
    QList<int> messages;
    // The message a comparison across the catalogue compares them with (the
    // first translation of the same source for ST10.1), -1 for none.
    int related = -1;
};

class FindingMap;

// The distinct finding texts of a FindingMap in code-unit order, each with its
// values; valid until the map changes.
class FindingEntries
{
public:
    class const_iterator
    {
    public:
        const QString &key() const;
        const FindingValues &value() const;
        const FindingValues &operator*() const { return value(); }
        const FindingValues *operator->() const { return &value(); }
        const_iterator &operator++()
        {
            ++m_at;
            return *this;
        }
        const_iterator operator+(qsizetype n) const { return const_iterator(m_map, m_at + n); }
        bool operator==(const const_iterator &other) const { return m_at == other.m_at; }
        bool operator!=(const const_iterator &other) const { return m_at != other.m_at; }

    private:
        friend class FindingEntries;
        const_iterator(const FindingMap *map, const qsizetype *at)
            : m_map(map)
            , m_at(at)
        { }
        const FindingMap *m_map;
        const qsizetype *m_at;
    };

    const_iterator cbegin() const;
    const_iterator cend() const;
    const_iterator begin() const { return cbegin(); }
    const_iterator end() const { return cend(); }
    qsizetype size() const;
    bool isEmpty() const { return size() == 0; }
    bool contains(const QString &key) const;
    const QString &firstKey() const { return cbegin().key(); }
    const FindingValues &first() const { return cbegin().value(); }
    QStringList keys() const;

private:
    friend class FindingMap;
    explicit FindingEntries(const FindingMap *map)
        : m_map(map)
    { }
    const FindingMap *m_map;
};

// Findings of one warning check: finding text -> values, read in code-unit order
// of the keys, the values of one key oldest first. Filled through the recording
// helpers of results. The keys are found through a hash while the findings come
// in; their order is made once, when the entries are first read after a change.
class FindingMap
{
public:
    // Appends `value` `times` times to the values of `key`, each from `message`;
    // returns the values of `key` (valid until the next change of the map), null
    // when times is not positive.
    FindingValues *insert(const QString &key, const QString &value, int times = 1,
                          int message = -1);
    bool isEmpty() const { return m_count == 0; }
    int size() const { return m_count; } // key/value pairs, not distinct keys
    void clear();
    // Distinct keys in order, each with its values oldest first (print them reversed).
    FindingEntries entries() const;
    QStringList values(const QString &key) const; // newest first
    // Removes value number valueIndex (oldest first) of key, and the key with
    // its last value (a baseline leaves findings out).
    void removeValue(const QString &key, int valueIndex);
    // Appends the values of other after those of each of its keys here, their
    // messages moved by messageOffset (a store merged after this one). The
    // values are moved out of other, which is left to be cleared or freed.
    void take(FindingMap &other, int messageOffset);

private:
    friend class FindingEntries;
    struct Entry {
        QString key;
        FindingValues values;
        size_t hash; // of the key, kept for a merge into another map
    };
    // The entry of key (whose hash is given), made from key when there is none;
    // *added tells whether it had no values (they are to be set).
    template<typename Key>
    Entry &entry(Key &&key, size_t hash, bool *added);
    const QList<qsizetype> &order() const;
    qsizetype positionOf(const QString &key, size_t hash) const; // -1 when never added
    const FindingValues *find(const QString &key) const; // null when never added

    // In order of arrival, never moved; a key whose last value is removed keeps
    // its entry, without values.
    std::deque<Entry> m_entries;
    TextIndex m_index; // key -> its entry
    mutable QList<qsizetype> m_order; // the entries with values, by key
    mutable bool m_ordered = true;
    int m_count = 0;
};

using ItemList = QStringList;
