#include "model/findings.h"

#include "model/textorder.h"

const QString &FindingEntries::const_iterator::key() const
{
    return m_map->m_entries[size_t(*m_at)].key;
}

const FindingValues &FindingEntries::const_iterator::value() const
{
    return m_map->m_entries[size_t(*m_at)].values;
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
    const FindingValues *values = m_map->find(key);
    return values && !values->values.isEmpty();
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

const FindingValues *FindingMap::find(const QString &key) const
{
    const qsizetype position = positionOf(key, TextIndex::hashOf(key));
    return position < 0 ? nullptr : &m_entries[size_t(position)].values;
}

template<typename Key>
FindingMap::Entry &FindingMap::entry(Key &&key, size_t hash, bool *added)
{
    const qsizetype position = positionOf(key, hash);
    if (position >= 0) {
        Entry &found = m_entries[size_t(position)];
        *added = found.values.values.isEmpty();
        if (*added)
            m_ordered = false;
        return found;
    }
    *added = true;
    m_index.add(hash, qsizetype(m_entries.size()));
    m_entries.push_back(Entry {std::forward<Key>(key), FindingValues(), hash});
    m_ordered = false;
    return m_entries.back();
}

FindingValues *FindingMap::insert(const QString &key, const QString &value, int times, int message)
{
    if (times <= 0)
        return nullptr;
    bool added = false;
    FindingValues &values = entry(key, TextIndex::hashOf(key), &added).values;
    if (added) {
        values.values = QStringList(times, value);
        values.messages = QList<int>(times, message);
    } else {
        for (int i = 0; i < times; ++i) {
            values.values.append(value);
            values.messages.append(message);
        }
    }
    m_count += times;
    return &values;
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
            if (!m_entries[i].values.values.isEmpty())
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
    const FindingValues *found = find(key);
    if (!found)
        return {};
    const QStringList &stored = found->values;
    QStringList newestFirst;
    newestFirst.reserve(stored.size());
    for (auto value = stored.crbegin(); value != stored.crend(); ++value)
        newestFirst.append(*value);
    return newestFirst;
}

void FindingMap::removeValue(const QString &key, int valueIndex)
{
    const qsizetype position = positionOf(key, TextIndex::hashOf(key));
    if (position < 0)
        return;
    FindingValues *values = &m_entries[size_t(position)].values;
    if (valueIndex < 0 || valueIndex >= values->values.size())
        return;
    values->values.removeAt(valueIndex);
    values->messages.removeAt(valueIndex);
    --m_count;
    if (values->values.isEmpty()) {
        // The entry stays, without values, out of the order.
        *values = FindingValues();
        m_ordered = false;
    }
}

void FindingMap::take(FindingMap &other, int messageOffset)
{
    const auto moved
        = [messageOffset](int message) { return message >= 0 ? message + messageOffset : message; };
    for (Entry &from : other.m_entries) {
        FindingValues &source = from.values;
        if (source.values.isEmpty())
            continue;
        if (messageOffset != 0) {
            for (int &message : source.messages)
                message = moved(message);
            source.related = moved(source.related);
        }
        // Moved, not copied: the texts were made on another thread, and a copy
        // would write to their reference counts from this one.
        bool added = false;
        FindingValues &to = entry(std::move(from.key), from.hash, &added).values;
        if (added) {
            to = std::move(source);
        } else {
            for (QString &value : source.values)
                to.values.append(std::move(value));
            to.messages += source.messages;
        }
    }
    m_count += other.m_count;
    other.m_count = 0;
}
