#include "model/findings.h"

#include "model/textorder.h"

const QString &FindingEntries::const_iterator::key() const
{
    return m_map->m_entries.at(*m_at).key;
}

const FindingValues &FindingEntries::const_iterator::value() const
{
    return m_map->m_entries.at(*m_at).values;
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
    return m_map->m_index.contains(key);
}

QStringList FindingEntries::keys() const
{
    QStringList keys;
    keys.reserve(size());
    for (auto it = cbegin(); it != cend(); ++it)
        keys.append(it.key());
    return keys;
}

FindingMap::Entry &FindingMap::entry(const QString &key, bool *added)
{
    const auto it = m_index.constFind(key);
    *added = it == m_index.cend();
    if (!*added)
        return m_entries[*it];
    m_index.insert(key, m_entries.size());
    m_entries.append(Entry {key, FindingValues()});
    m_ordered = false;
    return m_entries.last();
}

FindingValues *FindingMap::insert(const QString &key, const QString &value, int times, int message)
{
    if (times <= 0)
        return nullptr;
    bool added = false;
    FindingValues &values = entry(key, &added).values;
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
        sorted.reserve(size_t(m_index.size()));
        for (qsizetype i = 0; i < m_entries.size(); ++i)
            if (!m_entries.at(i).values.values.isEmpty())
                sorted.push_back(codeUnitSortEntry(m_entries.at(i).key, i));
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
    const auto it = m_index.constFind(key);
    if (it == m_index.cend())
        return {};
    const QStringList &stored = m_entries.at(*it).values.values;
    QStringList newestFirst;
    newestFirst.reserve(stored.size());
    for (auto value = stored.crbegin(); value != stored.crend(); ++value)
        newestFirst.append(*value);
    return newestFirst;
}

void FindingMap::removeValue(const QString &key, int valueIndex)
{
    const auto it = m_index.find(key);
    if (it == m_index.end())
        return;
    FindingValues &values = m_entries[*it].values;
    if (valueIndex < 0 || valueIndex >= values.values.size())
        return;
    values.values.removeAt(valueIndex);
    values.messages.removeAt(valueIndex);
    --m_count;
    if (values.values.isEmpty()) {
        // The entry stays, without values, out of the order.
        m_entries[*it] = Entry();
        m_index.erase(it);
        m_ordered = false;
    }
}

void FindingMap::append(const FindingMap &other, int messageOffset)
{
    for (const Entry &from : other.m_entries) {
        if (from.values.values.isEmpty())
            continue;
        bool added = false;
        FindingValues &to = entry(from.key, &added).values;
        if (added) {
            to = from.values;
            if (messageOffset == 0)
                continue;
            if (to.related >= 0)
                to.related += messageOffset;
            to.messages.clear();
        } else {
            to.values += from.values.values;
        }
        for (const int message : from.values.messages)
            to.messages.append(message >= 0 ? message + messageOffset : message);
    }
    m_count += other.m_count;
}
