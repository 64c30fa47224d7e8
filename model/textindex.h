#pragma once
// Finding texts that the caller keeps in a list of its own: an open-addressing
// table of positions in that list. Each slot keeps part of its text's hash, so
// growing the table never hashes a text again and most failed comparisons stop
// at the hash.

#include <QHashFunctions>
#include <QStringView>
#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <vector>

class TextIndex
{
public:
    // A seeded multiply-mix hash of the text's code units, eight bytes at a time:
    // several times faster than qHash's SipHash on the short texts and words of
    // a catalogue. The secrets come from the process's random hash seed, so a
    // crafted file cannot aim at collisions.
    static size_t hashOf(QStringView text)
    {
        static const Secrets secrets;
        const char *p = reinterpret_cast<const char *>(text.data());
        size_t n = size_t(text.size()) * sizeof(QChar);
        quint64 h = secrets.start ^ n;
        for (; n >= 8; p += 8, n -= 8) {
            quint64 v;
            std::memcpy(&v, p, sizeof v);
            h = mix(v ^ secrets.block, h ^ secrets.state);
        }
        quint64 tail = 0;
        if (n > 0)
            std::memcpy(&tail, p, n);
        return size_t(mix(tail ^ secrets.tail, h ^ secrets.state));
    }

    // The position of text, -1 when it is not in the table; textAt(position)
    // returns the caller's text at a position it added.
    template<typename TextAt>
    qsizetype find(QStringView text, size_t hash, const TextAt &textAt) const
    {
        if (m_slots.empty())
            return -1;
        const quint32 bits = quint32(hash);
        for (size_t at = bits & mask();; at = (at + 1) & mask()) {
            const Slot &slot = m_slots[at];
            if (slot.position < 0)
                return -1;
            if (slot.bits == bits && same(textAt(slot.position), text))
                return slot.position;
        }
    }
    // Adds a text that find did not find, with the hash given to find.
    void add(size_t hash, qsizetype position)
    {
        if (2 * (m_count + 1) > m_slots.size())
            grow();
        place(Slot {quint32(hash), qint32(position)});
        ++m_count;
    }
    void clear()
    {
        m_slots.clear();
        m_count = 0;
    }
    // Asks for the first slot a text of this hash looks at, ahead of its find.
    void prefetch(size_t hash) const
    {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[quint32(hash) & mask()]);
    }
    // The position in the first slot a text of this hash looks at, when that
    // slot holds part of the same hash (a likely match); -1 otherwise.
    qsizetype likelyPosition(size_t hash) const
    {
        if (m_slots.empty())
            return -1;
        const Slot &slot = m_slots[quint32(hash) & mask()];
        return slot.bits == quint32(hash) ? slot.position : -1;
    }

private:
    struct Secrets {
        quint64 start, block, state, tail;
        Secrets()
        {
            // splitmix64 steps from the seed.
            quint64 x = quint64(QHashSeed::globalSeed());
            const auto next = [&x] {
                quint64 z = (x += 0x9E3779B97F4A7C15ULL);
                z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
                z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
                return (z ^ (z >> 31)) | 1;
            };
            start = next();
            block = next();
            state = next();
            tail = next();
        }
    };
    // The two halves of the 128-bit product, folded.
    static quint64 mix(quint64 a, quint64 b)
    {
        const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
        return quint64(product) ^ quint64(product >> 64);
    }

    struct Slot {
        quint32 bits = 0; // the low bits of the text's hash
        qint32 position = -1; // -1: empty
    };

    // QStringView's operator== without a call into Qt.
    static bool same(QStringView a, QStringView b)
    {
        // An empty view may have no data at all: memcmp must not see it.
        return a.size() == b.size()
               && (a.isEmpty()
                   || std::memcmp(a.data(), b.data(), size_t(a.size()) * sizeof(QChar)) == 0);
    }
    size_t mask() const { return m_slots.size() - 1; }
    void place(const Slot &slot)
    {
        size_t at = slot.bits & mask();
        while (m_slots[at].position >= 0)
            at = (at + 1) & mask();
        m_slots[at] = slot;
    }
    void grow()
    {
        std::vector<Slot> old(std::max<size_t>(16, 2 * m_slots.size()));
        old.swap(m_slots);
        for (const Slot &slot : old)
            if (slot.position >= 0)
                place(slot);
    }

    std::vector<Slot> m_slots; // a power of two of them, at most half full
    size_t m_count = 0;
};
