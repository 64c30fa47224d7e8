#include "model/appsettings.h"

#include <QSettings>
#include <QtMath>
#include <iterator>
#include <memory>

AppSettingsRecord AppSettings;
AppSettingsRecord LoadedAppSettings;
const char *const KvnVersion = KVN_VERSION;

namespace {

const char *const OrganisationName = "Oskerbay";
const char *const ApplicationName = "Korvane";
const char *const GroupName = "MainWindow";

QList<SettingInfo> buildInfos()
{
    QList<SettingInfo> infos;
#define KVN_INFO(key, kind, def, lo, hi)                                                      \
    infos.append(SettingInfo {#key, SettingKind::kind, QVariant(def), double(lo), double(hi), \
                              infos.size() < 2});
    KVN_SETTINGS(KVN_INFO)
#undef KVN_INFO
    return infos;
}

std::unique_ptr<QSettings> openStore(const QString &iniPath)
{
    if (iniPath.isEmpty())
        return std::make_unique<QSettings>(QString::fromLatin1(OrganisationName),
                                           QString::fromLatin1(ApplicationName));
    return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

QVariant convert(SettingKind kind, const QVariant &value)
{
    switch (kind) {
    case SettingKind::String:
        return value.toString();
    case SettingKind::Bool:
        return value.toBool();
    case SettingKind::State:
    case SettingKind::Int:
        return value.toInt();
    case SettingKind::Float:
        return value.toFloat();
    case SettingKind::Bytes:
        return value.toByteArray();
    }
    return {};
}

// Calls visit(index, info) for every setting in declaration order, inside the
// settings group from the first key that is not top-level on (the top-level keys
// come first).
template<typename Visit>
void forEachStoredSetting(QSettings &store, Visit visit)
{
    const auto &infos = settingInfos();
    bool inGroup = false;
    for (int i = 0; i < infos.size(); ++i) {
        const SettingInfo &info = infos[i];
        if (!info.topLevel && !inGroup) {
            store.beginGroup(QString::fromLatin1(GroupName));
            inGroup = true;
        }
        visit(i, info);
    }
    if (inGroup)
        store.endGroup();
}

// Reading and writing one field of the record, by its place in the list.
struct Accessor {
    QVariant (*get)(const AppSettingsRecord &record);
    void (*set)(AppSettingsRecord &record, const QVariant &value);
};

const Accessor Accessors[] = {
#define KVN_ACCESSOR(key, kind, def, lo, hi)                                                \
    {[](const AppSettingsRecord &record) { return QVariant::fromValue(record.key); },       \
     [](AppSettingsRecord &record, const QVariant &value) {                                 \
         record.key = convert(SettingKind::kind, value).value<kvn_settings_detail::kind>(); \
     }},
    KVN_SETTINGS(KVN_ACCESSOR)
#undef KVN_ACCESSOR
};

struct StateFieldEntry {
    const char *key;
    int AppSettingsRecord::*field;
};

// The tri-state settings only: the entry macro of the other kinds is empty.
#define KVN_STATE_ENTRY_State(key) {#key, &AppSettingsRecord::key},
#define KVN_STATE_ENTRY_String(key)
#define KVN_STATE_ENTRY_Bool(key)
#define KVN_STATE_ENTRY_Int(key)
#define KVN_STATE_ENTRY_Float(key)
#define KVN_STATE_ENTRY_Bytes(key)
#define KVN_STATE_ENTRY(key, kind, def, lo, hi) KVN_STATE_ENTRY_##kind(key)
const StateFieldEntry StateFields[] = {KVN_SETTINGS(KVN_STATE_ENTRY)};
#undef KVN_STATE_ENTRY
#undef KVN_STATE_ENTRY_State
#undef KVN_STATE_ENTRY_String
#undef KVN_STATE_ENTRY_Bool
#undef KVN_STATE_ENTRY_Int
#undef KVN_STATE_ENTRY_Float
#undef KVN_STATE_ENTRY_Bytes

} // namespace

const QList<SettingInfo> &settingInfos()
{
    static const QList<SettingInfo> infos = buildInfos();
    return infos;
}

int settingIndex(const QString &key)
{
    const auto &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i)
        if (key == QLatin1String(infos[i].key))
            return i;
    return -1;
}

QVariant settingValue(const AppSettingsRecord &record, int index)
{
    return index >= 0 && index < int(std::size(Accessors)) ? Accessors[index].get(record)
                                                           : QVariant();
}

void setSettingValue(AppSettingsRecord &record, int index, const QVariant &value)
{
    if (index >= 0 && index < int(std::size(Accessors)))
        Accessors[index].set(record, value);
}

int AppSettingsRecord::*stateField(QLatin1String key)
{
    for (const StateFieldEntry &entry : StateFields)
        if (key == QLatin1String(entry.key))
            return entry.field;
    return nullptr;
}

const AppSettingsRecord &defaultOptions()
{
    static const AppSettingsRecord defaults = [] {
        AppSettingsRecord record;
        const auto &infos = settingInfos();
        for (int i = 0; i < infos.size(); ++i)
            setSettingValue(record, i, infos[i].defaultValue);
        applyControlLimits(record);
        return record;
    }();
    return defaults;
}

AppSettingsRecord readOptions(const QString &iniPath)
{
    AppSettingsRecord record;
    auto store = openStore(iniPath);
    forEachStoredSetting(*store, [&](int i, const SettingInfo &info) {
        const QString key = QString::fromLatin1(info.key);
        const QVariant raw = info.defaultValue.isValid() ? store->value(key, info.defaultValue)
                                                         : store->value(key);
        setSettingValue(record, i, raw);
    });
    return record;
}

void loadAppSettings(const QString &iniPath)
{
    AppSettings = readOptions(iniPath);
    LoadedAppSettings = AppSettings;
}

void saveAppSettings(const QString &iniPath)
{
    auto store = openStore(iniPath);
    forEachStoredSetting(*store, [&](int i, const SettingInfo &info) {
        const QVariant current = settingValue(AppSettings, i);
        // QVariant compares strings and byte arrays by content and floats by value.
        if (current != settingValue(LoadedAppSettings, i))
            store->setValue(QString::fromLatin1(info.key), current);
    });
    store->sync();
}

void clearAppSettings(const QString &iniPath)
{
    auto store = openStore(iniPath);
    store->clear();
    store->sync();
}

void applyControlLimits(AppSettingsRecord &record)
{
    const auto &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i) {
        const SettingInfo &info = infos[i];
        const QVariant value = settingValue(record, i);
        switch (info.kind) {
        case SettingKind::State: {
            const int state = value.toInt();
            if (state < 0 || state > 2)
                setSettingValue(record, i, 0);
            break;
        }
        case SettingKind::Int:
            if (info.high > info.low)
                setSettingValue(record, i, qBound(int(info.low), value.toInt(), int(info.high)));
            break;
        case SettingKind::Float:
            if (info.high > info.low) {
                // A double spin box with two decimals rounds, then clamps.
                const double rounded = qRound64(double(value.toFloat()) * 100.0) / 100.0;
                setSettingValue(record, i, float(qBound(info.low, rounded, info.high)));
            }
            break;
        case SettingKind::String:
            if (info.high > 0 && value.toString().size() > int(info.high))
                setSettingValue(record, i, value.toString().left(int(info.high)));
            break;
        case SettingKind::Bool:
        case SettingKind::Bytes:
            break;
        }
    }
}
