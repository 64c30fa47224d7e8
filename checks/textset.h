#pragma once
// A set of texts in the order they came in, searched with a view of a text: a
// text is copied into a QString only the first time it is met, and each keeps
// its hash, so that uniting two sets hashes nothing again.

#include "model/textindex.h"

#include <QList>
#include <QString>
#include <QStringList>

class TextSet
{
public:
    // The stored copy of text, added when it is new.
    const QString &insert(QStringView text) { return m_texts.at(add(text, nullptr)); }
    // Adds text (sharing its data) when it is new.
    void insert(const QString &text) { add(text, &text); }
    bool contains(QStringView text) const { return position(text, TextIndex::hashOf(text)) >= 0; }
    bool contains(const QString &text) const { return contains(QStringView(text)); }
    // Adds the texts of other that are new here, in their order; other is left
    // to be cleared or freed. A large set is read in no order of its own: each
    // step asks for the slot, the stored text and its data a later text reads.
    void unite(TextSet &other)
    {
        const qsizetype count = other.m_texts.size();
        for (qsizetype i = 0; i < count; ++i) {
            if (i + 12 < count)
                m_index.prefetch(other.m_hashes.at(i + 12));
            for (const qsizetype ahead : {6, 2}) {
                if (i + ahead >= count)
                    continue;
                const qsizetype at = m_index.likelyPosition(other.m_hashes.at(i + ahead));
                if (at < 0)
                    continue;
                if (ahead == 6)
                    __builtin_prefetch(&m_texts.at(at));
                else
                    __builtin_prefetch(m_texts.at(at).constData());
            }
            QString &text = other.m_texts[i];
            const size_t hash = other.m_hashes.at(i);
            if (position(text, hash) < 0)
                append(std::move(text), hash);
        }
    }
    qsizetype size() const { return m_texts.size(); }
    bool isEmpty() const { return m_texts.isEmpty(); }
    void clear()
    {
        m_texts.clear();
        m_hashes.clear();
        m_index.clear();
    }
    // The texts in the order they came in.
    const QStringList &values() const { return m_texts; }
    QStringList::const_iterator begin() const { return m_texts.cbegin(); }
    QStringList::const_iterator end() const { return m_texts.cend(); }

private:
    qsizetype position(QStringView text, size_t hash) const
    {
        return m_index.find(text, hash,
                            [this](qsizetype at) -> const QString & { return m_texts.at(at); });
    }
    qsizetype add(QStringView text, const QString *shared)
    {
        const size_t hash = TextIndex::hashOf(text);
        const qsizetype found = position(text, hash);
        return found >= 0 ? found : append(shared ? *shared : text.toString(), hash);
    }
    qsizetype append(QString text, size_t hash)
    {
        m_index.add(hash, m_texts.size());
        m_texts.append(std::move(text));
        m_hashes.append(quint32(hash));
        return m_texts.size() - 1;
    }

    QStringList m_texts;
    QList<quint32> m_hashes; // the part of each text's hash that the index keeps
    TextIndex m_index;
};
