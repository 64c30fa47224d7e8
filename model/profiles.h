#pragma once
// The built-in profiles: named sets of check boxes and option values laid over
// the built-in defaults. A profile holds the same things an INI file of
// options would: a list of checks to switch on or off (ids, groups and
// wildcards, as kvn's --enable and --disable take them) and settings keys with
// values written as in such a file ("true", "2", "0.75", text).

#include <QList>
#include <QString>

struct ProfileValue {
    const char *key; // a settings key, e.g. "checkT2_1CheckBox" or "checkS1_2SpinBox"
    const char *value; // as written in an INI file
};

struct BuiltInProfile {
    const char *name;
    const char *description; // untranslated, context "kvn"
    const char *enable; // checks switched on (tri-state boxes fully checked); may be empty
    const char *disable; // then the checks switched off; may be empty
    QList<ProfileValue> values; // then these keys, in order
};

// In the order kvn lists them; "default" first.
const QList<BuiltInProfile> &builtInProfiles();
// Null when no built-in profile has that name.
const BuiltInProfile *builtInProfile(const QString &name);
