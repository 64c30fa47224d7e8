#pragma once
// The options of a run as kvn (and later the window) assembles them: the
// built-in defaults, then a profile, the project file, an INI file and the
// check selections of the command line, each over the one before.

#include "model/appsettings.h"

#include <QList>
#include <QString>
#include <QStringList>

// The name of the project file, looked for from the checked path upwards.
inline constexpr char ProjectFileName[] = ".kvn.ini";

// The checks a selection list names: comma-separated check ids ("T8.2"),
// groups ("T8", the checks of one tab), and "S*", "T*", "ST*" and "*". Ids
// and groups are matched ignoring case. On an unknown entry returns false and
// sets error to a message that names it.
bool selectedChecks(const QString &list, QList<int> &checks, QString &error);

// Whether the box of a check is on in record (a partially checked box is on);
// the fixed boxes always are.
bool checkOn(const AppSettingsRecord &record, int checkIndex);
// Switches the box of a check on (a tri-state box fully checked) or off; the
// fixed boxes are left alone.
void setCheckOn(AppSettingsRecord &record, int checkIndex, bool on);

enum class SelectionKind { Only, Enable, Disable };
// --only: every box off, then the listed ones on; --enable and --disable
// switch the listed ones. False with error set on an unknown entry.
bool applyCheckSelection(AppSettingsRecord &record, SelectionKind kind, const QString &list,
                         QString &error);

// Lays the keys that an INI file holds over record; the keys it does not hold
// keep their values. Nothing changes and error names the file, key and value
// when the file cannot be read or parsed, holds a key that is no setting, a
// boolean other than true, false, 1 or 0, a check state other than 0, 1 or 2,
// or a number that is not one.
bool overlayIniFile(AppSettingsRecord &record, const QString &path, QString &error);

// Lays a built-in profile (by name) or a profile file (a path, or a name
// ending with ".ini") over record.
bool applyProfile(AppSettingsRecord &record, const QString &profile, QString &error);

// The nearest project file in the folder of path (path itself when it is a
// folder) or one of the folders above it; empty when there is none.
QString findProjectFile(const QString &path);

struct OptionLayers {
    QString profile; // a built-in name or an INI file; empty: none
    QString projectFile; // empty: none
    QString settingsFile; // empty: none
    QStringList only, enable, disable; // each entry a selection list
};

// defaults < profile < project file < settings file < --only < --enable <
// --disable, then the limits of the window's controls. False with error set
// when a layer cannot be applied; record is then undefined.
bool buildOptions(const OptionLayers &layers, AppSettingsRecord &record, QString &error);
