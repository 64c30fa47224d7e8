#pragma once
// Baselines: the findings of a run written to a file, and later runs that
// leave out every finding the file holds, so that only new findings are
// reported. A finding is known by the catalogue file (relative to the
// baseline's folder), the check id, the message's context, source and
// translation, and the finding text; never by its line, so edits elsewhere in
// a catalogue do not bring old findings back.
//
// The file is UTF-8 text, one finding a line, sorted, its six fields
// separated by tabs (tab, line feed, carriage return and backslash written as
// \t, \n, \r and \\), after a first line that names the format. The same
// finding twice is two lines, and leaves out two findings.

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

class results;

class Baseline
{
public:
    // The lines of the findings of the store whose check is on, with paths
    // relative to folder; unsorted.
    static QStringList entries(const results &store, const QString &folder,
                               const std::function<bool(int checkIndex)> &checkOn);
    // Writes the sorted lines to path. False with error set when it cannot.
    static bool write(const QString &path, QStringList lines, QString &error);

    // Reads a baseline file. False with error set when it cannot be read or is
    // not a baseline.
    bool read(const QString &path, QString &error);
    // Leaves out of the store every finding the baseline holds; returns how
    // many. Each line of the baseline leaves out one finding per run.
    int filter(results &store) const;
    // The folder the paths of the baseline are relative to.
    const QString &folder() const { return m_folder; }

private:
    QString m_folder;
    QHash<QString, int> m_counts; // line -> how often it stands in the file
};
