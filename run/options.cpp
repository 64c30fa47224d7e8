// Assembling the options of a run: selections, profiles, INI files and the
// project file.

#include "run/options.h"

#include "model/catalogue.h"
#include "model/profiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

namespace {

QString kvnText(const char *text)
{
    return QCoreApplication::translate("kvn", text);
}

int settingOfCheck(int checkIndex)
{
    const char *key = checkInfo(checkIndex).key;
    return key ? settingIndex(QLatin1String(key)) : -1;
}

const char *const GroupName = "MainWindow";

// Checks one value of an INI file or a profile against the kind of its key.
// Returns the problem, empty when the value is fine.
QString valueProblem(SettingKind kind, const QVariant &value)
{
    if (kind == SettingKind::Bytes)
        return {};
    if (value.typeId() == QMetaType::QStringList)
        return kvnText(QT_TRANSLATE_NOOP("kvn", "a value with a comma must be written in double "
                                                "quotes"));
    const QString text = value.toString();
    bool ok = true;
    switch (kind) {
    case SettingKind::Bool:
        if (text != QLatin1String("true") && text != QLatin1String("false")
            && text != QLatin1String("1") && text != QLatin1String("0"))
            return kvnText(QT_TRANSLATE_NOOP("kvn", "not a boolean (true, false, 1 or 0)"));
        break;
    case SettingKind::State:
        if (text != QLatin1String("0") && text != QLatin1String("1") && text != QLatin1String("2"))
            return kvnText(QT_TRANSLATE_NOOP("kvn", "not a check state (0 unchecked, 1 partially "
                                                    "checked, 2 checked)"));
        break;
    case SettingKind::Int:
        text.toInt(&ok);
        break;
    case SettingKind::Float:
        text.toFloat(&ok);
        break;
    case SettingKind::String:
    case SettingKind::Bytes:
        break;
    }
    if (!ok)
        return kvnText(QT_TRANSLATE_NOOP("kvn", "not a number"));
    return {};
}

QString valueText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

QString keyError(const QString &file, const QString &key, const QVariant &value,
                 const QString &problem)
{
    return kvnText(QT_TRANSLATE_NOOP("kvn", "%1: %2=%3: %4."))
        .arg(file, key, valueText(value), problem);
}

// The settings index of an INI key ("MainWindow/checkS1_1CheckBox",
// "Language"); -1 when it names no setting, with problem set.
int iniKeyIndex(const QString &iniKey, QString &problem)
{
    const QString prefix = QLatin1String(GroupName) + QLatin1Char('/');
    const bool inGroup = iniKey.startsWith(prefix);
    const QString key = inGroup ? iniKey.mid(prefix.size()) : iniKey;
    const int index = settingIndex(key);
    if (index >= 0 && settingInfos().at(index).topLevel != inGroup)
        return index;
    if (index >= 0 && !inGroup)
        problem = kvnText(QT_TRANSLATE_NOOP("kvn", "the key belongs in the group [MainWindow]"));
    else if (index >= 0)
        problem = kvnText(QT_TRANSLATE_NOOP("kvn", "the key belongs outside the group "
                                                   "[MainWindow]"));
    else
        problem = kvnText(QT_TRANSLATE_NOOP("kvn", "unknown key"));
    return -1;
}

} // namespace

bool selectedChecks(const QString &list, QList<int> &checks, QString &error)
{
    bool any = false;
    for (const QString &part : list.split(QLatin1Char(','))) {
        const QString entry = part.trimmed();
        if (entry.isEmpty())
            continue;
        any = true;
        std::bitset<CheckCount> named;
        if (!selectChecks(entry, named)) {
            error = kvnText(QT_TRANSLATE_NOOP("kvn", "unknown check or group '%1' (kvn checks "
                                                     "lists them)"))
                        .arg(entry);
            return false;
        }
        for (int index = 0; index < CheckCount; ++index)
            if (named.test(size_t(index)))
                checks.append(index);
    }
    if (!any) {
        error = kvnText(QT_TRANSLATE_NOOP("kvn", "the list of checks is empty"));
        return false;
    }
    return true;
}

bool checkOn(const AppSettingsRecord &record, int checkIndex)
{
    if (checkInfo(checkIndex).box == BoxKind::Fixed)
        return true;
    const int setting = settingOfCheck(checkIndex);
    return setting >= 0 && settingValue(record, setting).toInt() != 0;
}

void setCheckOn(AppSettingsRecord &record, int checkIndex, bool on)
{
    const int setting = settingOfCheck(checkIndex);
    // 2 is true for a two-state box and fully checked for a tri-state one.
    if (setting >= 0)
        setSettingValue(record, setting, on ? 2 : 0);
}

bool applyCheckSelection(AppSettingsRecord &record, SelectionKind kind, const QString &list,
                         QString &error)
{
    QList<int> checks;
    if (!selectedChecks(list, checks, error))
        return false;
    if (kind == SelectionKind::Disable) {
        // A part that names only checks that always run (an id such as "0" or
        // "st0") cannot be switched off; a family or "*" passes over them.
        for (const QString &part : list.split(QLatin1Char(','))) {
            std::bitset<CheckCount> named;
            bool onlyFixed = selectChecks(part, named);
            for (int index = 0; onlyFixed && index < CheckCount; ++index)
                onlyFixed = !named.test(size_t(index)) || checkInfo(index).box == BoxKind::Fixed;
            if (onlyFixed) {
                error = kvnText(QT_TRANSLATE_NOOP("kvn", "check %1 always runs and cannot be "
                                                         "switched off"))
                            .arg(part.trimmed());
                return false;
            }
        }
    }
    if (kind == SelectionKind::Only)
        for (int index = 0; index < CheckCount; ++index)
            setCheckOn(record, index, false);
    for (int index : checks)
        setCheckOn(record, index, kind != SelectionKind::Disable);
    return true;
}

bool overlayIniFile(AppSettingsRecord &record, const QString &path, QString &error)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        error = kvnText(QT_TRANSLATE_NOOP("kvn", "%1: the file cannot be read.")).arg(path);
        return false;
    }
    QSettings file(path, QSettings::IniFormat);
    const QStringList keys = file.allKeys();
    if (file.status() != QSettings::NoError) {
        error = kvnText(QT_TRANSLATE_NOOP("kvn", "%1: the file is not in INI format.")).arg(path);
        return false;
    }
    QList<QPair<int, QVariant>> values;
    for (const QString &key : keys) {
        const QVariant value = file.value(key);
        QString problem;
        const int index = iniKeyIndex(key, problem);
        if (problem.isEmpty())
            problem = valueProblem(settingInfos().at(index).kind, value);
        if (!problem.isEmpty()) {
            error = keyError(path, key, value, problem);
            return false;
        }
        values.append({index, value});
    }
    for (const auto &value : values)
        setSettingValue(record, value.first, value.second);
    return true;
}

bool applyProfile(AppSettingsRecord &record, const QString &profile, QString &error)
{
    const BuiltInProfile *builtIn = builtInProfile(profile);
    if (!builtIn) {
        if (profile.endsWith(QLatin1String(".ini")) || QFileInfo::exists(profile))
            return overlayIniFile(record, profile, error);
        QStringList names;
        for (const BuiltInProfile &known : builtInProfiles())
            names.append(QString::fromLatin1(known.name));
        error = kvnText(QT_TRANSLATE_NOOP("kvn", "unknown profile '%1' (built-in profiles: %2; "
                                                 "or a FILE.ini)"))
                    .arg(profile, names.join(QLatin1String(", ")));
        return false;
    }
    const QString name = QString::fromLatin1(builtIn->name);
    if ((*builtIn->enable
         && !applyCheckSelection(record, SelectionKind::Enable,
                                 QString::fromLatin1(builtIn->enable), error))
        || (*builtIn->disable
            && !applyCheckSelection(record, SelectionKind::Disable,
                                    QString::fromLatin1(builtIn->disable), error))) {
        error = name + QLatin1String(": ") + error;
        return false;
    }
    for (const ProfileValue &value : builtIn->values) {
        const QString key = QString::fromLatin1(value.key);
        const int index = settingIndex(key);
        const QString problem = index < 0 ? kvnText(QT_TRANSLATE_NOOP("kvn", "unknown key"))
                                          : valueProblem(settingInfos().at(index).kind,
                                                         QString::fromLatin1(value.value));
        if (!problem.isEmpty()) {
            error = keyError(name, key, QString::fromLatin1(value.value), problem);
            return false;
        }
        setSettingValue(record, index, QString::fromLatin1(value.value));
    }
    return true;
}

QString findProjectFile(const QString &path)
{
    const QFileInfo start(path);
    QDir folder(start.isDir() ? start.absoluteFilePath() : start.absolutePath());
    while (true) {
        const QFileInfo candidate(folder.filePath(QLatin1String(ProjectFileName)));
        if (candidate.isFile())
            return QDir::cleanPath(candidate.absoluteFilePath());
        if (!folder.cdUp())
            return {};
    }
}

bool buildOptions(const OptionLayers &layers, AppSettingsRecord &record, QString &error)
{
    record = defaultOptions();
    if (!layers.profile.isEmpty() && !applyProfile(record, layers.profile, error))
        return false;
    if (!layers.projectFile.isEmpty() && !overlayIniFile(record, layers.projectFile, error))
        return false;
    if (!layers.settingsFile.isEmpty() && !overlayIniFile(record, layers.settingsFile, error))
        return false;
    const QPair<SelectionKind, const QStringList *> selections[] = {
        {SelectionKind::Only, &layers.only},
        {SelectionKind::Enable, &layers.enable},
        {SelectionKind::Disable, &layers.disable},
    };
    for (const auto &selection : selections) {
        // Several --only lists are one list.
        const QStringList &lists = *selection.second;
        if (selection.first == SelectionKind::Only && !lists.isEmpty()) {
            if (!applyCheckSelection(record, selection.first, lists.join(QLatin1Char(',')), error))
                return false;
            continue;
        }
        for (const QString &list : lists)
            if (!applyCheckSelection(record, selection.first, list, error))
                return false;
    }
    applyControlLimits(record);
    return true;
}
