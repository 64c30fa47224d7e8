#pragma once
// Problems of the file being read, as items of check "0": the message, a line
// feed and "Line %1 in %2". A hostile file could report one problem per byte, so
// the items of one file are capped and the cap itself is reported once.

#include "checks/results.h"
#include "model/textescape.h"

// The checks a comment of a message silences: "kvn-ignore:" and then ids, groups
// or families separated by commas or blanks. An id that names no check is
// reported with the comment's line.
inline void readIgnoreComment(QStringView comment, int line, results *store,
                              std::bitset<CheckCount> &silenced)
{
    static const QLatin1String marker("kvn-ignore:");
    const qsizetype at = comment.indexOf(marker);
    if (at < 0)
        return;
    const QStringView list = comment.mid(at + marker.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= list.size(); ++i) {
        if (i < list.size() && list.at(i) != QLatin1Char(',') && !list.at(i).isSpace())
            continue;
        const QStringView selector = list.mid(start, i - start);
        start = i + 1;
        if (!selector.isEmpty() && !selectChecks(selector, silenced))
            store->reportUnknownIgnoreId(selector.toString(), line);
    }
}

// A numerus message with another number of forms than expected.
inline QString wrongNumberOfPlurals(int expected, int found)
{
    return results::tr("Wrong number of plurals (%1 != %2).")
        .arg(QString::number(expected), QString::number(found));
}

class FileProblems
{
public:
    static const int MaximumItems = 1000;

    FileProblems(results *store, const QString &path)
        : m_store(store)
        , m_path(textescape::escapeControlCharacters(path))
    { }

    // Records message when condition is false.
    void check(bool condition, const QString &message, int line, bool internalError = true)
    {
        if (condition)
            return;
        if (m_count == MaximumItems) {
            ++m_count;
            m_store->fileAssert(false,
                                results::tr("Too many problems in %1. Further problems of this "
                                            "file are not reported.")
                                    .arg(m_path),
                                false, line);
        }
        if (m_count > MaximumItems)
            return;
        ++m_count;
        m_store->fileAssert(false, message + QLatin1Char('\n') + lineText(line), internalError,
                            line);
    }
    // The same with a text of the context "results", translated only when it is
    // recorded: the readers check their state at every line.
    void check(bool condition, const char *message, int line, bool internalError = true)
    {
        if (!condition)
            check(false, results::tr(message), line, internalError);
    }
    void report(const QString &message, int line, bool internalError = true)
    {
        check(false, message, line, internalError);
    }
    QString lineText(int line) const
    {
        return results::tr("Line %1 in %2").arg(QString::number(line), m_path);
    }

private:
    results *m_store;
    QString m_path;
    int m_count = 0;
};
