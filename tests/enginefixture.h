#pragma once
// A message store set up for one language, with every option at its default,
// for tests that drive the checks through checkMessage.

#include "store/appsettings.h"
#include "store/results.h"

#include <QStandardPaths>
#include <QStringList>
#include <QTest>

inline void resetAppSettings()
{
    const QList<SettingInfo> &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i)
        if (infos.at(i).defaultValue.isValid())
            setSettingValue(AppSettings, i, infos.at(i).defaultValue);
}

// Sets the given boolean or tri-state options, named by settings key.
inline void setOptions(const QStringList &keys, const QVariant &value = true)
{
    for (const QString &key : keys) {
        const int index = settingIndex(key);
        QVERIFY2(index >= 0, qPrintable(key));
        setSettingValue(AppSettings, index, value);
    }
}

struct Engine {
    results store;
    static inline const QString Location = QStringLiteral("main.cpp   Line: 7");

    explicit Engine(const QString &language = QStringLiteral("de"))
    {
        QStandardPaths::setTestModeEnabled(true);
        store.setUpLanguage(language, true, QStringLiteral("first.ts"));
    }
    void check(const QString &source, const QString &translation, int numerusForm = 0)
    {
        store.checkMessage(source, translation, QStringLiteral("Dialog"), {Location}, false, false,
                           numerusForm, QString(), QString());
    }
    // Distinct finding texts of a check, in key order.
    QStringList keys(int index) const { return store.findings(index).entries().keys(); }
};
