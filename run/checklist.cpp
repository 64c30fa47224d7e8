#include "run/checklist.h"

#include "model/catalogue.h"
#include "model/profiles.h"
#include "run/options.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct ListedCheck {
    int index;
    QString id;
    QString tab;
    QString severity;
    QString description;
    QString help;
    bool defaultOn;
    QStringList profiles;
};

QList<ListedCheck> listedChecks()
{
    const AppSettingsRecord defaults = defaultOptions();
    QList<QPair<QString, AppSettingsRecord>> profiles;
    for (const BuiltInProfile &profile : builtInProfiles()) {
        AppSettingsRecord record = defaults;
        QString error;
        applyProfile(record, QString::fromLatin1(profile.name), error);
        profiles.append({QString::fromLatin1(profile.name), record});
    }
    QList<ListedCheck> checks;
    for (int index = 0; index < CheckCount; ++index) {
        const CheckInfo &info = checkInfo(index);
        if (!info.id)
            continue;
        ListedCheck check {index,
                           QString::fromLatin1(info.id),
                           QString::fromLatin1(info.tab),
                           QString::fromLatin1(severityName(info.severity)),
                           QCoreApplication::translate("MainWindow", info.description)
                               .replace(QLatin1Char('\n'), QLatin1Char(' ')),
                           checkHelp(index),
                           checkOn(defaults, index),
                           {}};
        for (const auto &profile : profiles)
            if (checkOn(profile.second, index))
                check.profiles.append(profile.first);
        checks.append(check);
    }
    return checks;
}

QString kvnText(const char *text)
{
    return QCoreApplication::translate("kvn", text);
}

} // namespace

QByteArray checkListText(bool withHelp)
{
    const QList<ListedCheck> checks = listedChecks();
    QString text;
    for (const ListedCheck &check : checks) {
        text += QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                    .arg(check.id, -6)
                    .arg(check.tab, -5)
                    .arg(check.severity, -8)
                    .arg(check.defaultOn ? QStringLiteral("on") : QStringLiteral("off"), -4)
                    .arg(check.profiles.join(QLatin1Char(',')), -23)
                    .arg(check.description);
        if (withHelp)
            for (const QString &line : check.help.split(QLatin1Char('\n')))
                text += QLatin1String("       ") + line + QLatin1Char('\n');
    }
    text += QLatin1Char('\n') + kvnText(QT_TRANSLATE_NOOP("kvn", "Profiles:")) + QLatin1Char('\n');
    for (const BuiltInProfile &profile : builtInProfiles())
        text += QStringLiteral("  %1 %2\n")
                    .arg(QString::fromLatin1(profile.name), -12)
                    .arg(kvnText(profile.description));
    return text.toUtf8();
}

QByteArray checkListJson()
{
    QJsonArray checks;
    for (const ListedCheck &check : listedChecks()) {
        QJsonObject object;
        object.insert(QStringLiteral("id"), check.id);
        object.insert(QStringLiteral("tab"), check.tab);
        object.insert(QStringLiteral("severity"), check.severity);
        object.insert(QStringLiteral("description"), check.description);
        object.insert(QStringLiteral("help"), check.help);
        object.insert(QStringLiteral("default"), check.defaultOn);
        object.insert(QStringLiteral("profiles"), QJsonArray::fromStringList(check.profiles));
        checks.append(object);
    }
    QJsonArray profiles;
    for (const BuiltInProfile &profile : builtInProfiles()) {
        QJsonObject object;
        object.insert(QStringLiteral("name"), QString::fromLatin1(profile.name));
        object.insert(QStringLiteral("description"), kvnText(profile.description));
        profiles.append(object);
    }
    QJsonObject root;
    root.insert(QStringLiteral("checks"), checks);
    root.insert(QStringLiteral("profiles"), profiles);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
