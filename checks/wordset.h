#pragma once
// A set of texts that is searched with a view of a text: a text is copied into
// a QString only the first time it is met.

#include "model/textindex.h"

#include <QString>
#include <QStringList>

class WordSet
{
public:
    // The stored copy of word, added when it is new.
    const QString &insert(QStringView word)
    {
        const size_t hash = TextIndex::hashOf(word);
        const auto textAt
            = [this](qsizetype position) -> const QString & { return m_texts.at(position); };
        qsizetype position = m_index.find(word, hash, textAt);
        if (position < 0) {
            position = m_texts.size();
            m_texts.append(word.toString());
            m_index.add(hash, position);
        }
        return m_texts.at(position);
    }
    qsizetype size() const { return m_texts.size(); }
    // The texts in the order they came in.
    const QStringList &values() const { return m_texts; }

private:
    QStringList m_texts;
    TextIndex m_index;
};
