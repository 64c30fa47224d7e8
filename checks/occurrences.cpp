#include "checks/occurrences.h"

OccurrenceCounter::OccurrenceCounter(const QStringList &patterns)
    : m_patterns(patterns)
    , m_fail(1, 0)
    , m_children(1)
{
    for (const QString &pattern : patterns) {
        int node = 0;
        for (const QChar c : pattern) {
            int next = edge(node, c.unicode());
            if (next < 0) {
                next = int(m_fail.size());
                m_edges.insert(edgeKey(node, c.unicode()), next);
                m_children[node].append(c.unicode());
                m_fail.append(0);
                m_children.append(QList<char16_t>());
            }
            node = next;
        }
        m_ends.append(node);
    }
    m_order.reserve(m_fail.size());
    for (const char16_t c : std::as_const(m_children[0]))
        m_order.append(edge(0, c));
    for (qsizetype i = 0; i < m_order.size(); ++i) {
        const int node = m_order.at(i);
        for (const char16_t c : std::as_const(m_children[node])) {
            const int child = edge(node, c);
            int suffix = m_fail[node];
            while (suffix > 0 && edge(suffix, c) < 0)
                suffix = m_fail[suffix];
            m_fail[child] = qMax(edge(suffix, c), 0);
            m_order.append(child);
        }
    }
}

QList<qsizetype> OccurrenceCounter::count(const QString &text) const
{
    // Where the longest match ends at each position; every suffix of it that is
    // a pattern ends there too.
    QList<qsizetype> hits(m_fail.size(), 0);
    int node = 0;
    for (const QChar c : text) {
        int next = edge(node, c.unicode());
        while (next < 0 && node > 0) {
            node = m_fail[node];
            next = edge(node, c.unicode());
        }
        node = qMax(next, 0);
        ++hits[node];
    }
    for (qsizetype i = m_order.size() - 1; i >= 0; --i)
        hits[m_fail[m_order.at(i)]] += hits[m_order.at(i)];
    QList<qsizetype> counts;
    counts.reserve(m_ends.size());
    for (qsizetype i = 0; i < m_ends.size(); ++i) {
        // An empty pattern occurs before every code unit and at the end.
        counts.append(m_patterns.at(i).isEmpty() ? text.size() + 1 : hits[m_ends.at(i)]);
    }
    return counts;
}
