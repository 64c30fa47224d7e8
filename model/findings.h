#pragma once
// The findings store of one check and the item list of a listing check.

#include <QMap>
#include <QString>
#include <QStringList>

// Findings of one warning check: finding text -> values, keys in code-unit order,
// the values of one key newest first. Filled only through results::recordFinding.
class FindingMap
{
public:
    // Appends `value` `times` times to the values of `key`.
    void insert(const QString &key, const QString &value, int times = 1);
    bool isEmpty() const { return m_count == 0; }
    int size() const { return m_count; } // key/value pairs, not distinct keys
    void clear();
    // Distinct keys in order, each with its values oldest first (print them reversed).
    const QMap<QString, QStringList> &entries() const { return m_entries; }
    QStringList values(const QString &key) const; // newest first

private:
    QMap<QString, QStringList> m_entries;
    int m_count = 0;
};

using ItemList = QStringList;
