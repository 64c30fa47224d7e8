#pragma once
// A message store set up for one language, with the options of TestOptions
// (the defaults after resetOptions()), for tests that drive the checks through
// checkMessage.

#include "checks/results.h"
#include "model/appsettings.h"

#include <QStandardPaths>
#include <QStringList>
#include <QTest>

// The options the next Engine checks with.
inline AppSettingsRecord TestOptions = defaultOptions();

inline void resetOptions()
{
    TestOptions = defaultOptions();
}

// Sets options named by settings key: "key" to `value`, "key=text" to the text.
inline void setOptions(const QStringList &options, const QVariant &value = true)
{
    for (const QString &option : options) {
        const QString key = option.section(QLatin1Char('='), 0, 0);
        const int index = settingIndex(key);
        QVERIFY2(index >= 0, qPrintable(key));
        setSettingValue(TestOptions, index,
                        key == option ? value : QVariant(option.section(QLatin1Char('='), 1)));
    }
}

struct Engine {
    results store {TestOptions};
    static inline const QString Location = QStringLiteral("main.cpp   Line: 7");
    static inline const QString Context = QStringLiteral("Dialog");

    explicit Engine(const QString &language = QStringLiteral("de"))
    {
        QStandardPaths::setTestModeEnabled(true);
        store.setUpLanguage(language, true, QStringLiteral("first.ts"));
    }
    void check(const QString &source, const QString &translation, int numerusForm = 0,
               bool unfinished = false, const QList<QString> &locations = {Location})
    {
        store.checkMessage(source, translation, Context, locations, unfinished, false, numerusForm,
                           QString(), QString());
    }
    int count(int index) { return store.findings(index).size(); }
    // Distinct finding texts of a check, in key order.
    QStringList keys(int index) const { return store.findings(index).entries().keys(); }
};
