#pragma once
// The findings store of one check and the item list of a listing check.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The values of one finding text, oldest first, and beside each the message it
// came from: an index into results::messages(), -1 for none.
struct FindingValues {
    QStringList values;
    QList<int> messages;
    // The message a comparison across the catalogue compares them with (the
    // first translation of the same source for ST10.1), -1 for none.
    int related = -1;
};

// Findings of one warning check: finding text -> values, keys in code-unit order,
// the values of one key newest first. Filled through the recording helpers of results.
class FindingMap
{
public:
    // Appends `value` `times` times to the values of `key`, each from `message`;
    // returns the values of `key`, null when times is not positive.
    FindingValues *insert(const QString &key, const QString &value, int times = 1,
                          int message = -1);
    bool isEmpty() const { return m_count == 0; }
    int size() const { return m_count; } // key/value pairs, not distinct keys
    void clear();
    // Distinct keys in order, each with its values oldest first (print them reversed).
    const QMap<QString, FindingValues> &entries() const { return m_entries; }
    QStringList values(const QString &key) const; // newest first
    // Removes value number valueIndex (oldest first) of key, and the key with
    // its last value (a baseline leaves findings out).
    void removeValue(const QString &key, int valueIndex);
    // Appends the values of other after those of each of its keys here, their
    // messages moved by messageOffset (a store merged after this one).
    void append(const FindingMap &other, int messageOffset);

private:
    QMap<QString, FindingValues> m_entries;
    int m_count = 0;
};

using ItemList = QStringList;
