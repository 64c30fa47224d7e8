#pragma once
// A set of texts that is searched with a view of a text: a text is copied into
// a QString only the first time it is met.

#include <QHashFunctions>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

class WordSet
{
public:
    // The stored copy of word, added when it is new.
    const QString &insert(QStringView word)
    {
        if (2 * (m_count + 1) > m_slots.size())
            grow();
        const size_t hash = qHash(word, m_seed);
        size_t at = hash & (m_slots.size() - 1);
        while (m_slots[at].used) {
            if (m_slots[at].hash == hash && QStringView(m_slots[at].text) == word)
                return m_slots[at].text;
            at = (at + 1) & (m_slots.size() - 1);
        }
        m_slots[at] = Slot {word.toString(), hash, true};
        ++m_count;
        return m_slots[at].text;
    }
    qsizetype size() const { return qsizetype(m_count); }
    // The texts in no particular order.
    QStringList values() const
    {
        QStringList texts;
        texts.reserve(size());
        for (const Slot &slot : m_slots)
            if (slot.used)
                texts.append(slot.text);
        return texts;
    }

private:
    struct Slot {
        QString text;
        size_t hash = 0;
        bool used = false;
    };

    void grow()
    {
        std::vector<Slot> old(std::max<size_t>(64, 2 * m_slots.size()));
        old.swap(m_slots);
        for (Slot &slot : old) {
            if (!slot.used)
                continue;
            size_t at = slot.hash & (m_slots.size() - 1);
            while (m_slots[at].used)
                at = (at + 1) & (m_slots.size() - 1);
            m_slots[at] = std::move(slot);
        }
    }

    std::vector<Slot> m_slots; // open addressing, a power of two of them
    size_t m_count = 0;
    size_t m_seed = QHashSeed::globalSeed();
};
