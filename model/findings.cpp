#include "model/findings.h"

#include "model/textorder.h"

#include <algorithm>

QStringList FindingValues::texts() const
{
    QStringList texts;
    texts.reserve(m_count);
    for (const FindingValueRef value : *this)
        texts.append(value.text);
    return texts;
}

QList<int> FindingValues::messages() const
{
    QList<int> messages;
    messages.reserve(m_count);
    for (const FindingValueRef value : *this)
        messages.append(value.message);
    return messages;
}

const QString &FindingEntries::const_iterator::key() const
{
    return m_map->m_entries[size_t(*m_at)].key;
}

FindingValues FindingEntries::const_iterator::value() const
{
    return m_map->m_entries[size_t(*m_at)].values();
}

FindingEntries::const_iterator FindingEntries::cbegin() const
{
    return const_iterator(m_map, m_map->order().constData());
}

FindingEntries::const_iterator FindingEntries::cend() const
{
    const QList<qsizetype> &order = m_map->order();
    return const_iterator(m_map, order.constData() + order.size());
}

qsizetype FindingEntries::size() const
{
    return m_map->order().size();
}

bool FindingEntries::contains(const QString &key) const
{
    const FindingMap::Entry *entry = m_map->find(key);
    return entry && entry->count > 0;
}

QStringList FindingEntries::keys() const
{
    QStringList keys;
    keys.reserve(size());
    for (auto it = cbegin(); it != cend(); ++it)
        keys.append(it.key());
    return keys;
}

qsizetype FindingMap::positionOf(const QString &key, size_t hash) const
{
    return m_index.find(key, hash,
                        [this](qsizetype at) { return QStringView(m_entries[size_t(at)].key); });
}

const FindingMap::Entry *FindingMap::find(const QString &key) const
{
    const qsizetype position = positionOf(key, TextIndex::hashOf(key));
    return position < 0 ? nullptr : &m_entries[size_t(position)];
}

void FindingMap::Entry::append(QString &&text, int message)
{
    if (count == 0) {
        firstText = std::move(text);
        firstMessage = message;
    } else {
        more.make().append(FindingValue {std::move(text), message});
    }
    ++count;
}

template<typename Key>
FindingMap::Entry &FindingMap::entry(Key &&key, size_t hash, bool *added)
{
    const qsizetype position = positionOf(key, hash);
    if (position >= 0) {
        Entry &found = m_entries[size_t(position)];
        *added = found.count == 0;
        if (*added)
            m_ordered = false;
        return found;
    }
    *added = true;
    m_index.add(hash, qsizetype(m_entries.size()));
    m_entries.push_back(Entry {std::forward<Key>(key), QString(), -1, 0, -1, quint32(hash), {}});
    m_ordered = false;
    return m_entries.back();
}

int *FindingMap::insert(const QString &key, const QString &value, int times, int message)
{
    if (times <= 0)
        return nullptr;
    bool added = false;
    Entry &found = entry(key, TextIndex::hashOf(key), &added);
    for (int i = 0; i < times; ++i)
        found.append(QString(value), message);
    m_count += times;
    return &found.related;
}

void FindingMap::clear()
{
    m_entries.clear();
    m_index.clear();
    m_order.clear();
    m_ordered = true;
    m_count = 0;
}

FindingEntries FindingMap::entries() const
{
    return FindingEntries(this);
}

const QList<qsizetype> &FindingMap::order() const
{
    if (!m_ordered) {
        std::vector<CodeUnitSortEntry> sorted;
        sorted.reserve(m_entries.size());
        for (size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].count > 0)
                sorted.push_back(codeUnitSortEntry(m_entries[i].key, qsizetype(i)));
        sortCodeUnitEntries(sorted);
        m_order.clear();
        m_order.reserve(qsizetype(sorted.size()));
        for (const CodeUnitSortEntry &entry : sorted)
            m_order.append(entry.index);
        m_ordered = true;
    }
    return m_order;
}

QStringList FindingMap::values(const QString &key) const
{
    const Entry *found = find(key);
    if (!found)
        return {};
    QStringList newestFirst = found->values().texts();
    std::reverse(newestFirst.begin(), newestFirst.end());
    return newestFirst;
}

void FindingMap::removeValue(const QString &key, int valueIndex)
{
    const qsizetype position = positionOf(key, TextIndex::hashOf(key));
    if (position < 0)
        return;
    Entry &found = m_entries[size_t(position)];
    if (valueIndex < 0 || valueIndex >= found.count)
        return;
    if (valueIndex > 0) {
        found.more->removeAt(valueIndex - 1);
    } else if (found.count > 1) {
        FindingValue next = found.more->takeFirst();
        found.firstText = std::move(next.text);
        found.firstMessage = next.message;
    }
    --found.count;
    --m_count;
    if (found.count == 0) {
        // The entry stays, without values, out of the order.
        found.firstText = QString();
        found.firstMessage = -1;
        found.more.reset();
        found.related = -1;
        m_ordered = false;
    }
}

void FindingMap::take(FindingMap &other, int messageOffset)
{
    const auto moved
        = [messageOffset](int message) { return message >= 0 ? message + messageOffset : message; };
    for (Entry &from : other.m_entries) {
        if (from.count == 0)
            continue;
        // Moved, not copied: the texts were made on another thread, and a copy
        // would write to their reference counts from this one.
        bool added = false;
        Entry &to = entry(std::move(from.key), from.hash, &added);
        if (added) {
            to.firstText = std::move(from.firstText);
            to.firstMessage = moved(from.firstMessage);
            to.count = from.count;
            to.related = moved(from.related);
            to.more = std::move(from.more);
            if (to.more && messageOffset != 0)
                for (FindingValue &value : *to.more)
                    value.message = moved(value.message);
        } else {
            to.append(std::move(from.firstText), moved(from.firstMessage));
            if (from.more)
                for (FindingValue &value : *from.more)
                    to.append(std::move(value.text), moved(value.message));
        }
    }
    m_count += other.m_count;
    other.m_count = 0;
}
