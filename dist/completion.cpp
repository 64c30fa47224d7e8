// Writes the bash completion script of kvn from its template: @KVN_TABS@,
// @KVN_CHECK_IDS@ and @KVN_PROFILES@ become the tab names and check ids of the
// catalogue and the names of the built-in profiles, so the script offers
// exactly the names this build of the engine knows.
// usage: kvn_completion TEMPLATE OUTPUT

#include "model/catalogue.h"
#include "model/profiles.h"

#include <QFile>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kvn_completion TEMPLATE OUTPUT\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kvn_completion: cannot read %s\n", argv[1]);
        return 1;
    }
    QStringList ids;
    for (int index = 0; index < CheckCount; ++index) {
        if (const char *id = checkInfo(index).id)
            ids.append(QString::fromLatin1(id));
    }
    QStringList profiles;
    for (const BuiltInProfile &profile : builtInProfiles())
        profiles.append(QString::fromLatin1(profile.name));
    QString text = QString::fromUtf8(input.readAll());
    text.replace(QLatin1String("@KVN_TABS@"), QStringList(tabNames()).join(QLatin1Char(' ')));
    text.replace(QLatin1String("@KVN_CHECK_IDS@"), ids.join(QLatin1Char(' ')));
    text.replace(QLatin1String("@KVN_PROFILES@"), profiles.join(QLatin1Char(' ')));

    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) || output.write(text.toUtf8()) < 0
        || !output.flush()) {
        std::fprintf(stderr, "kvn_completion: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
