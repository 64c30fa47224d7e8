#pragma once
// Sets and maps of single UTF-16 code units, such as the bracket tables of the
// language rules. The checks ask them about every character of every text, so
// membership is one bit test instead of a hash lookup.

#include <QChar>
#include <QHash>
#include <QList>
#include <QPair>
#include <bitset>

// Every opening punctuation mark of the BMP (Punctuation_Open or
// Punctuation_InitialQuote) whose mirror differs from itself, with that mirror,
// in code order: the pairs of the bracket check.
const QList<QPair<QChar, QChar>> &mirroredPairs();

// Stops the process with a diagnostic when the character database of this Qt
// breaks an assumption of the checks. Both front ends call it at start-up.
void assumeCharacterDatabase();

class CharacterSet
{
public:
    void insert(QChar c)
    {
        if (!m_members[c.unicode()]) {
            m_members[c.unicode()] = true;
            ++m_size;
        }
    }
    // A code unit is always below the size of the set: no range check needed.
    bool contains(QChar c) const { return m_members[c.unicode()]; }
    bool isEmpty() const { return m_size == 0; }
    int size() const { return m_size; }

private:
    std::bitset<0x10000> m_members;
    int m_size = 0;
};

class CharacterMap
{
public:
    void insert(QChar key, QChar value)
    {
        m_keys.insert(key);
        m_values.insert(key, value);
    }
    bool contains(QChar key) const { return m_keys.contains(key); }
    QChar value(QChar key, QChar defaultValue = QChar()) const
    {
        return contains(key) ? m_values.value(key) : defaultValue;
    }
    bool isEmpty() const { return m_keys.isEmpty(); }
    int size() const { return m_keys.size(); }

private:
    CharacterSet m_keys;
    QHash<QChar, QChar> m_values;
};
