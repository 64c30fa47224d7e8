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

// A rule table of single messages, each checked as the first form of a message
// without the row's options and with them. `file`: the translation's language,
// with ".po" for a message of a .po file, then its format flag ("de.po c-format";
// any other flag stands for those that turn the conversions off). `found`:
// whether the check finds something without the options and with them ("+-"),
// or how many findings ("10"); one sign for a row without options.
struct MessageRows {
    QStringList options; // of the rows that follow
    MessageRows()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("check");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("found");
    }
    void operator()(const char *name, const char *file, const QString &source,
                    const QString &translation, int check, const char *found) const
    {
        QTest::newRow(name) << QString::fromLatin1(file) << source << translation << check
                            << options << QString::fromLatin1(found);
    }
    static void check()
    {
        QFETCH(QString, file);
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(int, check);
        QFETCH(QStringList, options);
        QFETCH(QString, found);
        const QString flag = file.section(QLatin1Char(' '), 1);
        for (int on = 0; on < found.size(); ++on) {
            resetOptions();
            if (on)
                setOptions(options);
            Engine engine(file.section(QLatin1Char('.'), 0, 0));
            engine.store.poFile = file.contains(QLatin1String(".po"));
            engine.store.formatFlag = flag == QLatin1String("c-format") ? 1 : -int(!flag.isEmpty());
            engine.check(source, translation, 1);
            const QChar sign = found.at(on);
            QVERIFY2(sign.isDigit() ? engine.count(check) == sign.digitValue()
                                    : (engine.count(check) > 0) == (sign == QLatin1Char('+')),
                     qPrintable(QStringLiteral("%1 findings %2")
                                    .arg(engine.count(check))
                                    .arg(on ? "with the options" : "without them")));
        }
    }
};
