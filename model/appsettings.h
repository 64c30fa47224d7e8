#pragma once
// The process-wide options record. Every persisted option is declared once in
// KVN_SETTINGS below: key (also the field name and the object name of the
// control that shows it), kind, default, and the limits of that control
// (spin-box range, or 0 and the maximum length of a line edit).
// The field types, loading, saving and the generic accessors are derived from it.

#include <QByteArray>
#include <QString>
#include <QVariant>

// clang-format off
#define KVN_SETTINGS(X) \
    X(Language, String, QStringLiteral("en"), 0, 0) \
    X(LanguageRTL, Bool, false, 0, 0) \
    X(geometry, Bytes, QVariant(), 0, 0) \
    X(openDirectoryPath, String, QStringLiteral(""), 0, 0) \
    X(openDirectopyFile, String, QStringLiteral(""), 0, 0) \
    X(openFilePathAndName, String, QStringLiteral(""), 0, 0) \
    X(batchLogDirectory, String, QStringLiteral(""), 0, 0) \
    X(textWrapModeCheckBox, Bool, true, 0, 0) \
    X(printLocationCheckBox, Bool, false, 0, 0) \
    X(checkS1_1CheckBox, Bool, true, 0, 0) \
    X(checkS1_2CheckBox, Bool, true, 0, 0) \
    X(checkS1_3CheckBox, Bool, true, 0, 0) \
    X(checkS1_2SpinBox, Int, 1000, 0, 9999) \
    X(checkS1_3SpinBox, Int, 2, 1, 99) \
    X(checkT1_1CheckBox, Bool, true, 0, 0) \
    X(checkT1_1bCheckBox, Bool, true, 0, 0) \
    X(checkT1_2CheckBox, State, 1, 0, 0) \
    X(checkT1_3CheckBox, State, 1, 0, 0) \
    X(checkT1_2SpinBox, Int, 1000, 0, 9999) \
    X(checkT1_3SpinBox, Int, 2, 1, 99) \
    X(checkS2_1CheckBox, Bool, true, 0, 0) \
    X(checkS2_2CheckBox, Bool, true, 0, 0) \
    X(checkS2_3CheckBox, Bool, true, 0, 0) \
    X(checkT2_1CheckBox, State, 0, 0, 0) \
    X(checkT2_2CheckBox, State, 1, 0, 0) \
    X(checkT2_3CheckBox, State, 1, 0, 0) \
    X(checkS3_1CheckBox, Bool, true, 0, 0) \
    X(checkS3_2CheckBox, Bool, true, 0, 0) \
    X(checkS3_3CheckBox, Bool, true, 0, 0) \
    X(checkS3_4CheckBox, Bool, true, 0, 0) \
    X(checkS3_4LineEdit, String, QStringLiteral(""), 0, 10) \
    X(checkT3_1CheckBox, State, 1, 0, 0) \
    X(checkT3_2CheckBox, State, 1, 0, 0) \
    X(checkT3_3CheckBox, State, 1, 0, 0) \
    X(checkT3_4CheckBox, State, 1, 0, 0) \
    X(checkT3_4LineEdit, String, QStringLiteral(""), 0, 10) \
    X(checkS4_1CheckBox, Bool, true, 0, 0) \
    X(checkS4_2CheckBox, Bool, true, 0, 0) \
    X(checkS4_3CheckBox, Bool, true, 0, 0) \
    X(checkS4_4CheckBox, Bool, true, 0, 0) \
    X(checkS4_4LineEdit, String, QStringLiteral(""), 0, 10) \
    X(checkT4_1CheckBox, State, 1, 0, 0) \
    X(checkT4_2CheckBox, State, 1, 0, 0) \
    X(checkT4_3CheckBox, State, 1, 0, 0) \
    X(checkT4_4CheckBox, State, 1, 0, 0) \
    X(checkT4_4LineEdit, String, QStringLiteral(""), 0, 10) \
    X(checkS5_1CheckBox, Bool, true, 0, 0) \
    X(checkS5_2CheckBox, Bool, true, 0, 0) \
    X(checkS5_3CheckBox, Bool, true, 0, 0) \
    X(checkS5_3_1CheckBox, Bool, false, 0, 0) \
    X(checkS5_3_2CheckBox, Bool, false, 0, 0) \
    X(checkT5_1CheckBox, State, 1, 0, 0) \
    X(checkT5_2CheckBox, State, 1, 0, 0) \
    X(checkT5_3CheckBox, State, 1, 0, 0) \
    X(checkT5_3_1CheckBox, Bool, false, 0, 0) \
    X(checkT5_3_2CheckBox, Bool, false, 0, 0) \
    X(checkT5_3_3CheckBox, Bool, false, 0, 0) \
    X(checkS6_1CheckBox, Bool, true, 0, 0) \
    X(checkS6_1_1CheckBox, Bool, false, 0, 0) \
    X(checkS6_2CheckBox, Bool, true, 0, 0) \
    X(checkS6_2_1CheckBox, Bool, false, 0, 0) \
    X(checkS6_3CheckBox, Bool, true, 0, 0) \
    X(checkS6_4CheckBox, Bool, true, 0, 0) \
    X(checkS6_4_1CheckBox, Bool, false, 0, 0) \
    X(checkT6_1CheckBox, State, 1, 0, 0) \
    X(checkT6_1_1CheckBox, Bool, false, 0, 0) \
    X(checkT6_2CheckBox, State, 1, 0, 0) \
    X(checkT6_2_1CheckBox, Bool, false, 0, 0) \
    X(checkT6_3CheckBox, State, 1, 0, 0) \
    X(checkT6_4CheckBox, State, 1, 0, 0) \
    X(checkT6_4_1CheckBox, Bool, false, 0, 0) \
    X(checkS7_1CheckBox, Bool, true, 0, 0) \
    X(checkS7_2CheckBox, Bool, true, 0, 0) \
    X(checkS7_2_1CheckBox, Bool, false, 0, 0) \
    X(checkS7_3CheckBox, Bool, true, 0, 0) \
    X(checkS7_4CheckBox, Bool, true, 0, 0) \
    X(checkT7_1CheckBox, State, 1, 0, 0) \
    X(checkT7_2CheckBox, State, 1, 0, 0) \
    X(checkT7_2_1CheckBox, Bool, false, 0, 0) \
    X(checkT7_3CheckBox, State, 1, 0, 0) \
    X(checkT7_4CheckBox, State, 1, 0, 0) \
    X(checkS8_1CheckBox, Bool, true, 0, 0) \
    X(checkS8_2CheckBox, Bool, true, 0, 0) \
    X(checkS8_3CheckBox, Bool, true, 0, 0) \
    X(checkS8_3_1CheckBox, Bool, false, 0, 0) \
    X(checkS8_4CheckBox, Bool, true, 0, 0) \
    X(checkS8_4LineEdit, String, QStringLiteral(""), 0, 10) \
    X(checkT8_1CheckBox, State, 1, 0, 0) \
    X(checkT8_2CheckBox, State, 1, 0, 0) \
    X(checkT8_3CheckBox, State, 1, 0, 0) \
    X(checkT8_3_1CheckBox, Bool, false, 0, 0) \
    X(checkT8_4CheckBox, State, 1, 0, 0) \
    X(checkT8_4LineEdit, String, QStringLiteral(""), 0, 10) \
    X(checkS9_1CheckBox, Bool, true, 0, 0) \
    X(checkS9_2CheckBox, Bool, true, 0, 0) \
    X(checkS9_3CheckBox, Bool, true, 0, 0) \
    X(checkS9_4CheckBox, Bool, true, 0, 0) \
    X(checkT9_1CheckBox, State, 1, 0, 0) \
    X(checkT9_2CheckBox, State, 1, 0, 0) \
    X(checkT9_3CheckBox, State, 1, 0, 0) \
    X(checkT9_4CheckBox, State, 1, 0, 0) \
    X(checkS10_1CheckBox, Bool, true, 0, 0) \
    X(checkS10_1_1CheckBox, Bool, false, 0, 0) \
    X(checkT10_1CheckBox, State, 1, 0, 0) \
    X(checkT10_1_1CheckBox, Bool, false, 0, 0) \
    X(checkT10_1_2CheckBox, Bool, false, 0, 0) \
    X(checkS11_1CheckBox, Bool, true, 0, 0) \
    X(checkT11_1CheckBox, Bool, true, 0, 0) \
    X(checkS12_1CheckBox, Bool, true, 0, 0) \
    X(checkS12_2CheckBox, Bool, true, 0, 0) \
    X(checkS12_3CheckBox, Bool, true, 0, 0) \
    X(checkT12_1CheckBox, Bool, true, 0, 0) \
    X(checkT12_2CheckBox, Bool, true, 0, 0) \
    X(checkT12_3CheckBox, Bool, true, 0, 0) \
    X(checkS13_1CheckBox, Bool, true, 0, 0) \
    X(checkT13_1CheckBox, Bool, true, 0, 0) \
    X(checkS13_1_1CheckBox, Bool, false, 0, 0) \
    X(checkT13_1_1CheckBox, Bool, false, 0, 0) \
    X(checkS13_1_2CheckBox, Bool, false, 0, 0) \
    X(checkT13_1_2CheckBox, Bool, false, 0, 0) \
    X(checkS14CheckBox, Bool, true, 0, 0) \
    X(checkS14_1CheckBox, Bool, true, 0, 0) \
    X(checkS14_2CheckBox, Bool, true, 0, 0) \
    X(checkS14_3CheckBox, Bool, true, 0, 0) \
    X(checkS14_4CheckBox, Bool, true, 0, 0) \
    X(checkT14CheckBox, Bool, true, 0, 0) \
    X(checkT14_1CheckBox, Bool, true, 0, 0) \
    X(checkT14_2CheckBox, Bool, true, 0, 0) \
    X(checkT14_3CheckBox, Bool, true, 0, 0) \
    X(checkT14_4CheckBox, Bool, true, 0, 0) \
    X(checkS15_1CheckBox, Bool, true, 0, 0) \
    X(checkS15_1_1CheckBox, Bool, false, 0, 0) \
    X(checkS15_1LineEdit, String, QStringLiteral(""), 0, 20) \
    X(checkT15_1CheckBox, Bool, true, 0, 0) \
    X(checkT15_1_1CheckBox, Bool, false, 0, 0) \
    X(checkT15_1LineEdit, String, QStringLiteral(""), 0, 20) \
    X(checkS16_1CheckBox, Bool, true, 0, 0) \
    X(checkT16_1CheckBox, Bool, true, 0, 0) \
    X(checkS20_1CheckBox, Bool, true, 0, 0) \
    X(checkS20_2CheckBox, Bool, true, 0, 0) \
    X(checkT20_1CheckBox, State, 1, 0, 0) \
    X(checkT20_2CheckBox, State, 1, 0, 0) \
    X(checkS21_1CheckBox, Bool, true, 0, 0) \
    X(checkS21_1_1CheckBox, Bool, false, 0, 0) \
    X(checkS21_1_2CheckBox, Bool, false, 0, 0) \
    X(checkS21_2CheckBox, Bool, true, 0, 0) \
    X(checkS21_2_1CheckBox, Bool, false, 0, 0) \
    X(checkS21_2_2CheckBox, Bool, false, 0, 0) \
    X(checkS21_3CheckBox, Bool, true, 0, 0) \
    X(checkS21_3_1CheckBox, Bool, false, 0, 0) \
    X(checkS21_3_2CheckBox, Bool, false, 0, 0) \
    X(checkS21_4CheckBox, Bool, true, 0, 0) \
    X(checkT21_1CheckBox, State, 1, 0, 0) \
    X(checkT21_1_1CheckBox, Bool, false, 0, 0) \
    X(checkT21_1_2CheckBox, Bool, false, 0, 0) \
    X(checkT21_2CheckBox, State, 1, 0, 0) \
    X(checkT21_2_1CheckBox, Bool, false, 0, 0) \
    X(checkT21_2_2CheckBox, Bool, false, 0, 0) \
    X(checkT21_3CheckBox, State, 1, 0, 0) \
    X(checkT21_3_1CheckBox, Bool, false, 0, 0) \
    X(checkT21_3_2CheckBox, Bool, false, 0, 0) \
    X(checkT21_4CheckBox, State, 1, 0, 0) \
    X(checkST1_1CheckBox, Bool, true, 0, 0) \
    X(checkST1_2CheckBox, Bool, true, 0, 0) \
    X(checkST1SpinBox, Int, 20, 2, 999) \
    X(checkST1_1LowDSpinBox, Float, 0.5f, 0.10, 0.90) \
    X(checkST1_1HighSpinBox, Float, 3.5f, 1.10, 9.00) \
    X(checkST1_2LowDSpinBox, Float, 0.6f, 0.10, 0.90) \
    X(checkST1_2HighSpinBox, Float, 2, 1.10, 5.00) \
    X(checkST1ScriptCheckBox, Bool, false, 0, 0) \
    X(checkST1ScriptLowDSpinBox, Float, 0.15f, 0.05, 0.90) \
    X(checkST1ScriptHighSpinBox, Float, 2, 1.10, 9.00) \
    X(checkST2_1CheckBox, Bool, true, 0, 0) \
    X(checkST2_2CheckBox, Bool, true, 0, 0) \
    X(checkST2_3CheckBox, Bool, true, 0, 0) \
    X(checkST3_1CheckBox, Bool, true, 0, 0) \
    X(checkST3_2CheckBox, Bool, true, 0, 0) \
    X(checkST3_3CheckBox, Bool, true, 0, 0) \
    X(checkST3_3_1CheckBox, Bool, false, 0, 0) \
    X(checkST3_4CheckBox, Bool, true, 0, 0) \
    X(checkST4_1CheckBox, Bool, true, 0, 0) \
    X(checkST4_2CheckBox, Bool, true, 0, 0) \
    X(checkST4_3CheckBox, Bool, true, 0, 0) \
    X(checkST4_4CheckBox, Bool, true, 0, 0) \
    X(checkST5_1CheckBox, Bool, true, 0, 0) \
    X(checkST5_2CheckBox, Bool, true, 0, 0) \
    X(checkST5_2_1CheckBox, Bool, false, 0, 0) \
    X(checkST6MarksCheckBox, Bool, false, 0, 0) \
    X(checkST6_1CheckBox, Bool, true, 0, 0) \
    X(checkST6_2CheckBox, Bool, true, 0, 0) \
    X(checkST6_3CheckBox, Bool, true, 0, 0) \
    X(checkST6_4CheckBox, Bool, true, 0, 0) \
    X(checkST7_1CheckBox, Bool, true, 0, 0) \
    X(checkST7_2CheckBox, Bool, true, 0, 0) \
    X(checkST7_2LineEdit, String, QStringLiteral("$%&/\\\u00A7+-|*#~=\t"), 0, 30) \
    X(checkST8_1CheckBox, Bool, true, 0, 0) \
    X(checkST8_1_1CheckBox, Bool, false, 0, 0) \
    X(checkST8_2CheckBox, Bool, true, 0, 0) \
    X(checkST8_3CheckBox, Bool, true, 0, 0) \
    X(checkST8_4CheckBox, Bool, true, 0, 0) \
    X(checkST9_1CheckBox, Bool, true, 0, 0) \
    X(checkST9_1_1CheckBox, Bool, false, 0, 0) \
    X(checkST9_2CheckBox, Bool, true, 0, 0) \
    X(checkST9_2_1CheckBox, Bool, false, 0, 0) \
    X(checkST9_2_2CheckBox, Bool, false, 0, 0) \
    X(checkST9_3CheckBox, Bool, true, 0, 0) \
    X(checkST10_1CheckBox, Bool, true, 0, 0) \
    X(checkST10_1_1CheckBox, Bool, false, 0, 0) \
    X(checkST10_1_2CheckBox, Bool, false, 0, 0) \
    X(checkST11_1CheckBox, Bool, true, 0, 0) \
    X(checkST11_1_1CheckBox, Bool, false, 0, 0) \
    X(checkST20_1CheckBox, Bool, true, 0, 0) \
    X(checkST20_1_1CheckBox, Bool, false, 0, 0) \
    X(checkST20_2CheckBox, Bool, true, 0, 0) \
    X(checkST20_2_1CheckBox, Bool, false, 0, 0) \
    X(checkST20_2_2CheckBox, Bool, false, 0, 0) \
    X(checkST20_2_3CheckBox, Bool, false, 0, 0) \
    X(checkST20_2_4CheckBox, Bool, false, 0, 0) \
    X(checkST20_2_5CheckBox, Bool, false, 0, 0) \
    X(checkST20_2_6CheckBox, Bool, false, 0, 0) \
    X(checkST21_1CheckBox, Bool, true, 0, 0) \
    X(checkST21_1_1CheckBox, Bool, false, 0, 0) \
    X(checkST22_1CheckBox, Bool, false, 0, 0) \
    X(checkST22_2CheckBox, Bool, false, 0, 0) \
    X(checkST22_3CheckBox, Bool, false, 0, 0) \
    X(checkST22_4CheckBox, Bool, false, 0, 0) \
    X(checkST22_5CheckBox, Bool, false, 0, 0) \
    X(checkST22_5LineEdit, String, QStringLiteral(""), 0, 200) \
    X(checkST22_6CheckBox, Bool, false, 0, 0)

// clang-format on

enum class SettingKind { String, Bool, State, Int, Float, Bytes };

namespace kvn_settings_detail {
using String = QString;
using Bool = bool;
using State = int;
using Int = int;
using Float = float;
using Bytes = QByteArray;
} // namespace kvn_settings_detail

struct AppSettingsRecord {
#define KVN_FIELD(key, kind, def, lo, hi) kvn_settings_detail::kind key {};
    KVN_SETTINGS(KVN_FIELD)
#undef KVN_FIELD
};

// The built-in defaults of every option (the selection empty): what a store
// checks with unless it is given other options.
const AppSettingsRecord &defaultOptions();

// The options of an INI file with the keys and groups of the settings store;
// absent keys take the defaults. Leaves AppSettings alone.
AppSettingsRecord readOptions(const QString &iniPath);

// The window's persisted state: the current record and the snapshot taken while
// loading. The engine never reads them; a front end hands its options to the run.
extern AppSettingsRecord AppSettings;
extern AppSettingsRecord LoadedAppSettings;

struct SettingInfo {
    const char *key;
    SettingKind kind;
    QVariant defaultValue; // invalid for "geometry", which is read without default
    double low; // spin-box minimum (0 for other kinds)
    double high; // spin-box maximum, or maximum length of a line edit (0: none)
    bool topLevel; // outside the group "MainWindow"
};

// Every key, in load/save order.
const QList<SettingInfo> &settingInfos();
int settingIndex(const QString &key); // -1 when unknown

// The field of a tri-state setting (a check box's state) by key; null for
// another key.
int AppSettingsRecord::*stateField(QLatin1String key);

QVariant settingValue(const AppSettingsRecord &record, int index);
void setSettingValue(AppSettingsRecord &record, int index, const QVariant &value);

// An empty path means the native store of "Oskerbay"/"Korvane"; any other path
// is an INI file with the same keys and groups.
void loadAppSettings(const QString &iniPath = QString());
void saveAppSettings(const QString &iniPath = QString());
// Removes every key of the store ("Clear Settings").
void clearAppSettings(const QString &iniPath = QString());

// Applies the limits that the controls of the window would apply: spin-box
// ranges, two decimals for the ratio limits, line-edit lengths, and a
// tri-state value outside 0..2 read as unchecked.
void applyControlLimits(AppSettingsRecord &record);

extern const char *const KvnVersion;
