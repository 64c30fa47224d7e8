#pragma once
// The findings store of one check and the item list of a listing check.

#include "model/textindex.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>

// An owned value that may be absent, the size of a pointer, copied with its owner.
template<typename T>
class CopiedBox
{
public:
    CopiedBox() = default;
    CopiedBox(const CopiedBox &other)
        : m_value(other.m_value ? std::make_unique<T>(*other.m_value) : nullptr)
    { }
    CopiedBox &operator=(const CopiedBox &other)
    {
        m_value = other.m_value ? std::make_unique<T>(*other.m_value) : nullptr;
        return *this;
    }
    CopiedBox(CopiedBox &&) noexcept = default;
    CopiedBox &operator=(CopiedBox &&) noexcept = default;

    explicit operator bool() const { return bool(m_value); }
    T *get() const { return m_value.get(); }
    T *operator->() const { return m_value.get(); }
    T &operator*() const { return *m_value; }
    // The value, made empty when there is none.
    T &make()
    {
        if (!m_value)
            m_value = std::make_unique<T>();
        return *m_value;
    }
    void reset() { m_value.reset(); }

private:
    std::unique_ptr<T> m_value;
};

// One value of a finding text and the message it came from: an index into
// results::messages(), -1 for none.
struct FindingValue {
    QString text;
    int message = -1;
};

// A value as a FindingValues view reads it.
struct FindingValueRef {
    const QString &text;
    int message;
};

// The values of one finding text, oldest first: a view of its map, valid until
// the map changes.
class FindingValues
{
public:
    FindingValues(const QString *firstText, int firstMessage, const QList<FindingValue> *more,
                  qsizetype count, int relatedMessage)
        : m_firstText(firstText)
        , m_firstMessage(firstMessage)
        , m_more(more)
        , m_count(count)
        , related(relatedMessage)
    { }

    qsizetype size() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    FindingValueRef at(qsizetype i) const
    {
        if (i == 0)
            return {*m_firstText, m_firstMessage};
        const FindingValue &value = m_more->at(i - 1);
        return {value.text, value.message};
    }
    QStringList texts() const; // oldest first
    QList<int> messages() const;
    // Asks for the memory the values are read from.
    void prefetch() const
    {
        __builtin_prefetch(m_firstText->constData());
        if (m_more)
            __builtin_prefetch(m_more->constData());
    }

    class const_iterator
    {
    public:
        FindingValueRef operator*() const { return m_values->at(m_at); }
        const_iterator &operator++()
        {
            ++m_at;
            return *this;
        }
        bool operator!=(const const_iterator &other) const { return m_at != other.m_at; }

    private:
        friend class FindingValues;
        const_iterator(const FindingValues *values, qsizetype at)
            : m_values(values)
            , m_at(at)
        { }
        const FindingValues *m_values;
        qsizetype m_at;
    };
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, m_count); }

private:
    const QString *m_firstText;
    int m_firstMessage;
    const QList<FindingValue> *m_more;
    qsizetype m_count;

public:
    // The message a comparison across the catalogue compares them with (the
    // first translation of the same source for ST10.1), -1 for none.
    const int related;
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
        FindingValues value() const;
        FindingValues operator*() const { return value(); }
        // it->size(), it->related: the view, kept while the expression lasts.
        struct Arrow {
            FindingValues values;
            const FindingValues *operator->() const { return &values; }
        };
        Arrow operator->() const { return Arrow {value()}; }
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
    FindingValues first() const { return cbegin().value(); }
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
    // returns the related message of key (see FindingValues, valid until the
    // next change of the map), null when times is not positive.
    int *insert(const QString &key, const QString &value, int times = 1, int message = -1);
    bool isEmpty() const { return m_count == 0; }
    int size() const { return m_count; } // key/value pairs, not distinct keys
    void clear();
    // Distinct keys in order, each with its values oldest first (print them reversed).
    FindingEntries entries() const;
    // Calls f(key, values) for each distinct key in the order the keys came,
    // without ordering them.
    template<typename F>
    void forEachEntry(const F &f) const
    {
        for (const Entry &entry : m_entries)
            if (entry.count > 0)
                f(entry.key, entry.values());
    }
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
    // The first value is kept in the entry: most finding texts have one.
    struct Entry {
        QString key;
        QString firstText;
        int firstMessage = -1;
        int count = 0; // values
        int related = -1;
        quint32 hash = 0; // the part of the key's hash the index keeps, for a merge
        CopiedBox<QList<FindingValue>> more; // the values after the first
        FindingValues values() const
        {
            return FindingValues(&firstText, firstMessage, more.get(), count, related);
        }
        void append(QString &&text, int message);
    };
    // The entry of key (whose hash is given), made from key when there is none;
    // *added tells whether it had no values (they are to be set).
    template<typename Key>
    Entry &entry(Key &&key, size_t hash, bool *added);
    const QList<qsizetype> &order() const;
    qsizetype positionOf(const QString &key, size_t hash) const; // -1 when never added
    const Entry *find(const QString &key) const; // null when never added

    // In order of arrival, never moved; a key whose last value is removed keeps
    // its entry, without values.
    std::deque<Entry> m_entries;
    TextIndex m_index; // key -> its entry
    mutable QList<qsizetype> m_order; // the entries with values, by key
    mutable bool m_ordered = true;
    int m_count = 0;
};

using ItemList = QStringList;
