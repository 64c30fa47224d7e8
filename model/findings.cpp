#include "model/findings.h"

FindingValues *FindingMap::insert(const QString &key, const QString &value, int times, int message)
{
    if (times <= 0)
        return nullptr;
    // One search of the tree: QMap::operator[] searches a second time to insert
    // a new key.
    auto it = m_entries.lowerBound(key);
    if (it == m_entries.end() || it.key() != key) {
        it = m_entries.insert(
            it, key, FindingValues {QStringList(times, value), QList<int>(times, message)});
    } else {
        for (int i = 0; i < times; ++i) {
            it->values.append(value);
            it->messages.append(message);
        }
    }
    m_count += times;
    return &*it;
}

void FindingMap::clear()
{
    m_entries.clear();
    m_count = 0;
}

QStringList FindingMap::values(const QString &key) const
{
    const QStringList stored = m_entries.value(key).values;
    QStringList newestFirst;
    newestFirst.reserve(stored.size());
    for (auto it = stored.crbegin(); it != stored.crend(); ++it)
        newestFirst.append(*it);
    return newestFirst;
}

void FindingMap::removeValue(const QString &key, int valueIndex)
{
    const auto it = m_entries.find(key);
    if (it == m_entries.end() || valueIndex < 0 || valueIndex >= it->values.size())
        return;
    it->values.removeAt(valueIndex);
    it->messages.removeAt(valueIndex);
    --m_count;
    if (it->values.isEmpty())
        m_entries.erase(it);
}

void FindingMap::append(const FindingMap &other, int messageOffset)
{
    for (auto from = other.m_entries.cbegin(); from != other.m_entries.cend(); ++from) {
        auto to = m_entries.lowerBound(from.key());
        if (to == m_entries.end() || to.key() != from.key()) {
            to = m_entries.insert(to, from.key(), from.value());
            if (messageOffset == 0)
                continue;
            if (to->related >= 0)
                to->related += messageOffset;
            to->messages.clear();
        } else {
            to->values += from->values;
        }
        for (const int message : from->messages)
            to->messages.append(message >= 0 ? message + messageOffset : message);
    }
    m_count += other.m_count;
}
