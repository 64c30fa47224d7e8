#include "model/profiles.h"

#include <QCoreApplication>

const QList<BuiltInProfile> &builtInProfiles()
{
    static const QList<BuiltInProfile> profiles {
        {"default", QT_TRANSLATE_NOOP("kvn", "The built-in defaults."), "", "", {}},
        {"all",
         QT_TRANSLATE_NOOP("kvn", "Every check on, tri-state boxes fully checked."),
         "*",
         "",
         {}},
        // To be curated against the corpus: the checks whose findings are
        // mostly worth acting on, and option values that keep the rest quiet.
        {"recommended",
         QT_TRANSLATE_NOOP("kvn", "The checks worth acting on (for now the built-in defaults)."),
         "",
         "",
         {}},
    };
    return profiles;
}

const BuiltInProfile *builtInProfile(const QString &name)
{
    for (const BuiltInProfile &profile : builtInProfiles())
        if (name == QLatin1String(profile.name))
            return &profile;
    return nullptr;
}
