#pragma once
// Counting many patterns in one text at once.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// For every pattern, the number of its occurrences in a text, overlapping ones
// included, as QString::count gives them. One pass over the text for all
// patterns (an Aho-Corasick automaton), where counting each on its own costs the
// number of patterns times the length of the text: a huge text holds huge
// numbers of distinct tokens.
class OccurrenceCounter
{
public:
    explicit OccurrenceCounter(const QStringList &patterns);
    QList<qsizetype> count(const QString &text) const;

private:
    static quint64 edgeKey(int node, char16_t c) { return (quint64(node) << 16) | c; }
    int edge(int node, char16_t c) const { return m_edges.value(edgeKey(node, c), -1); }

    QStringList m_patterns;
    QHash<quint64, int> m_edges; // (node, code unit) -> node; node 0 is the root
    QList<int> m_fail; // the node of the longest proper suffix that is a prefix too
    QList<QList<char16_t>> m_children;
    QList<int> m_ends; // the node of each pattern
    QList<int> m_order; // breadth first: every node after the node it fails to
};
