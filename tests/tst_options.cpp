// The options of a run: check selections, INI files, profiles, the project
// file and the order in which they are laid over each other.

#include "model/appsettings.h"
#include "model/catalogue.h"
#include "readertest.h"
#include "run/options.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using readertest::writeFile;

namespace {

// "T8.2=2 S1.1=1": the box value of each check id; 1 is true for a two-state box.
QString boxStates(const AppSettingsRecord &record, const QStringList &ids)
{
    QStringList states;
    for (const QString &id : ids) {
        const int index = checkIndexOf(id);
        const int setting = settingIndex(QLatin1String(checkInfo(index).key));
        states.append(id + QLatin1Char('=') + settingValue(record, setting).toString());
    }
    return states.join(QLatin1Char(' '))
        .replace(QLatin1String("true"), QLatin1String("1"))
        .replace(QLatin1String("false"), QLatin1String("0"));
}

} // namespace

class OptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The facts a catalogue row holds besides its box: options that are settings,
    // twins on the other side of the same group, the partially-checked rule on
    // tri-state boxes only, and a help text that says how to silence the check.
    void catalogueRows()
    {
        for (int index = 0; index < CheckCount; ++index) {
            const CheckInfo &info = checkInfo(index);
            if (!info.id)
                continue;
            const QString id = QString::fromLatin1(info.id);
            for (const QString &key : checkOptionKeys(index))
                QVERIFY2(settingIndex(key) >= 0, qPrintable(id + u' ' + key));
            // The box: a setting of the box's kind, none for the checks that always run.
            QCOMPARE(info.box == BoxKind::Fixed, !info.key);
            if (info.key) {
                const int setting = settingIndex(QLatin1String(info.key));
                QVERIFY2(setting >= 0, info.key);
                QCOMPARE(settingInfos()[setting].kind,
                         info.box == BoxKind::TriState ? SettingKind::State : SettingKind::Bool);
            }
            if (info.twin != NoCheck) {
                const QString twin = QString::fromLatin1(checkInfo(info.twin).id);
                QCOMPARE(twin.mid(1), id.mid(1));
                QVERIFY(twin.at(0) != id.at(0) && !id.startsWith(QLatin1String("ST")));
            }
            const bool partial = info.box == BoxKind::TriState && info.twin != NoCheck;
            QCOMPARE(partial && stateField(QLatin1String(info.key)) != nullptr, partial);
            QVERIFY(info.partialAlso == NoCheck || partial);
            const QString help = checkHelp(index);
            QVERIFY2(help.contains(QLatin1String("\nExample: ")), info.id);
            QVERIFY2(help.contains(QLatin1String("kvn-ignore: ") + id), info.id);
            QVERIFY2(help.contains(QLatin1String("--disable ") + id), info.id);
        }
    }

    void selection_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("states"); // after the selection, over the defaults
        QTest::addColumn<QString>("error");
        const auto add = [](const char *name, SelectionKind kind, const char *list,
                            const char *states, const char *error = "") {
            QTest::newRow(name) << int(kind) << list << states << error;
        };
        const auto only = SelectionKind::Only, enable = SelectionKind::Enable,
                   disable = SelectionKind::Disable;
        add("defaults", enable, "S1.1", "S1.1=1 T1.1=1 T8.1=1 T8.2=1 T2.1=0 ST1.1=1");
        add("id, tri-state fully checked", enable, "T8.2",
            "S1.1=1 T1.1=1 T8.1=1 T8.2=2 T2.1=0 ST1.1=1");
        add("group", disable, "T8", "S1.1=1 T1.1=1 T8.1=0 T8.2=0 T2.1=0 ST1.1=1");
        add("ids ignoring case, blanks", enable, " t2.1 , st1.1,t8",
            "S1.1=1 T1.1=1 T8.1=2 T8.2=2 T2.1=2 ST1.1=1");
        add("only S*", only, "S*", "S1.1=1 T1.1=0 T8.1=0 T8.2=0 T2.1=0 ST1.1=0");
        add("only T*", only, "T*", "S1.1=0 T1.1=1 T8.1=2 T8.2=2 T2.1=2 ST1.1=0");
        add("only ST*", only, "ST*", "S1.1=0 T1.1=0 T8.1=0 T8.2=0 T2.1=0 ST1.1=1");
        add("only two", only, "T8.2,S1", "S1.1=1 T1.1=0 T8.1=0 T8.2=2 T2.1=0 ST1.1=0");
        add("disable *", disable, "*", "S1.1=0 T1.1=0 T8.1=0 T8.2=0 T2.1=0 ST1.1=0");
        add("enable *", enable, "*", "S1.1=1 T1.1=1 T8.1=2 T8.2=2 T2.1=2 ST1.1=1");
        add("lower-case id", disable, "t1.1b", "T1.1=1 T1.1b=0");
        add("unknown id", enable, "T8.9", "", "'T8.9'");
        add("unknown family", enable, "X*", "", "'X*'");
        add("empty", only, " , ", "", "empty");
        add("fixed check off", disable, "S1.1,0", "", "check 0 always runs");
        add("fixed check, lower case", disable, "T1.1b,st0", "", "check st0 always runs");
    }
    void selection()
    {
        QFETCH(int, kind);
        QFETCH(QString, list);
        QFETCH(QString, states);
        QFETCH(QString, error);
        AppSettingsRecord record = defaultOptions();
        QString message;
        const bool applied = applyCheckSelection(record, SelectionKind(kind), list, message);
        QCOMPARE(applied, error.isEmpty());
        if (!applied) {
            QVERIFY2(message.contains(error), qPrintable(message));
            return;
        }
        QCOMPARE(
            boxStates(record, states.split(' ').replaceInStrings(QRegularExpression("=.*"), "")),
            states);
        // The fixed checks stay on whatever the selection.
        QVERIFY(checkOn(record, Check_0));
        QVERIFY(checkOn(record, CheckST0));
    }

    void iniFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("states");
        QTest::addColumn<QString>("error"); // each part (split at |) is in the message
        const QByteArray group = "[MainWindow]\n";
        const auto refused = [](const char *name, const QByteArray &content, const char *error) {
            QTest::newRow(name) << content << QString() << error;
        };
        QTest::newRow("boxes") << group + "checkT1_1CheckBox=false\ncheckT8_2CheckBox=2\n"
                               << "S1.1=1 T1.1=0 T8.2=2" << QString();
        QTest::newRow("1 and 0") << group + "checkS1_1CheckBox=0\n"
                                 << "S1.1=0 T1.1=1 T8.2=1" << QString();
        for (const char *value : {"no", "off", "flase", "True"})
            QTest::addRow("boolean %s", value)
                << group + "checkT1_1CheckBox=" + value + '\n'
                << "" << QStringLiteral("checkT1_1CheckBox|%1|boolean").arg(value);
        refused("misspelt key", group + "checkT1_1CheckBxo=true\n",
                "checkT1_1CheckBxo|unknown key");
        refused("key outside its group", "checkT1_1CheckBox=false\n",
                "checkT1_1CheckBox|[MainWindow]");
        refused("not an integer", group + "checkS1_2SpinBox=12a\n", "checkS1_2SpinBox|12a|number");
        refused("not a float", group + "checkST1_1LowDSpinBox=half\n",
                "checkST1_1LowDSpinBox|half|number");
        refused("check state 3", group + "checkT1_2CheckBox=3\n",
                "checkT1_2CheckBox|3|check state");
        refused("unquoted comma", group + "checkS3_4LineEdit=a,b\n",
                "checkS3_4LineEdit|a,b|double quotes");
        refused("not INI", "[MainWindow\nfoo\n", "INI");
        refused("missing file", QByteArray(), "cannot be read");
    }
    void iniFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, states);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = content.isNull() ? dir.filePath("none.ini")
                                              : writeFile(dir.filePath("options.ini"), content);
        AppSettingsRecord record = defaultOptions();
        QString message;
        const bool applied = overlayIniFile(record, path, message);
        QCOMPARE(applied, error.isEmpty());
        if (applied) {
            QCOMPARE(boxStates(record, {"S1.1", "T1.1", "T8.2"}), states);
            return;
        }
        QVERIFY2(message.startsWith(path), qPrintable(message));
        for (const QString &part : error.split(QLatin1Char('|')))
            QVERIFY2(message.contains(part), qPrintable(message));
        // Nothing of a rejected file is taken.
        QCOMPARE(boxStates(record, {"T1.1"}), QStringLiteral("T1.1=1"));
    }

    // Values of every kind; a key the file does not name keeps its value.
    void iniValues()
    {
        QTemporaryDir dir;
        AppSettingsRecord record = defaultOptions();
        QString message;
        QVERIFY(overlayIniFile(
            record,
            writeFile(dir.filePath("a.ini"),
                      "[MainWindow]\ncheckS1_2SpinBox=50\ncheckS3_4LineEdit=\"a,b\"\n"
                      "checkST1_1LowDSpinBox=0.75\n[General]\nLanguage=de\n"),
            message));
        QCOMPARE(record.checkS1_2SpinBox, 50);
        QCOMPARE(record.checkS3_4LineEdit, QStringLiteral("a,b"));
        QCOMPARE(record.checkST1_1LowDSpinBox, 0.75f);
        QCOMPARE(record.Language, QStringLiteral("de"));
        QCOMPARE(record.checkS1_3SpinBox, 2);
    }

    // Each layer wins over the ones before it; T2.1 is off by default.
    void precedence_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QByteArray>("project");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("flags"); // "enable:LIST", "disable:LIST", "only:LIST"
        QTest::addColumn<QString>("states");
        const QByteArray none;
        const QByteArray partial("[MainWindow]\ncheckT2_1CheckBox=1\ncheckT1_1CheckBox=false\n");
        const QByteArray off("[MainWindow]\ncheckT2_1CheckBox=0\n");
        QTest::newRow("defaults") << "" << none << none << QStringList() << "T2.1=0 T1.1=1";
        QTest::newRow("profile all") << "all" << none << none << QStringList() << "T2.1=2 T1.1=1";
        QTest::newRow("recommended")
            << "recommended" << none << none << QStringList() << "T2.1=0 T1.1=1";
        QTest::newRow("project file over profile")
            << "all" << partial << none << QStringList() << "T2.1=1 T1.1=0";
        QTest::newRow("settings over project file")
            << "all" << partial << off << QStringList() << "T2.1=0 T1.1=0";
        QTest::newRow("flags over settings")
            << "all" << partial << off << QStringList {"enable:T2.1"} << "T2.1=2 T1.1=0";
        QTest::newRow("disable after enable")
            << "" << none << none << QStringList {"enable:T*", "disable:T2,T1.1"}
            << "T2.1=0 T1.1=0";
        QTest::newRow("only lists together")
            << "" << none << none << QStringList {"only:T1.1", "only:T2.1"} << "T2.1=2 T1.1=1";
    }
    void precedence()
    {
        QFETCH(QString, profile);
        QFETCH(QByteArray, project);
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, flags);
        QFETCH(QString, states);
        QTemporaryDir dir;
        OptionLayers layers;
        layers.profile = profile;
        if (!project.isEmpty())
            layers.projectFile = writeFile(dir.filePath(".kvn.ini"), project);
        if (!settings.isEmpty())
            layers.settingsFile = writeFile(dir.filePath("settings.ini"), settings);
        for (const QString &flag : flags) {
            QStringList &lists = flag.startsWith("only:")     ? layers.only
                                 : flag.startsWith("enable:") ? layers.enable
                                                              : layers.disable;
            lists.append(flag.section(':', 1));
        }
        AppSettingsRecord record;
        QString message;
        QVERIFY2(buildOptions(layers, record, message), qPrintable(message));
        QCOMPARE(boxStates(record, {"T2.1", "T1.1"}), states);
    }

    void profiles()
    {
        AppSettingsRecord all = defaultOptions();
        QString message;
        QVERIFY(applyProfile(all, "all", message));
        for (int index = 0; index < CheckCount; ++index)
            if (checkInfo(index).id)
                QVERIFY2(checkOn(all, index), checkInfo(index).id);
        QVERIFY(!applyProfile(all, "strict", message));
        QVERIFY(message.contains("'strict'") && message.contains("recommended"));
        // recommended: the new group on, the noisy checks off, partial boxes kept
        // partial, the rule options on.
        AppSettingsRecord recommended = defaultOptions();
        QVERIFY(applyProfile(recommended, "recommended", message));
        QCOMPARE(boxStates(recommended, {"ST22.1", "ST22.6", "T8.2", "S10.1", "ST1.1", "ST10.1"}),
                 QStringLiteral("ST22.1=1 ST22.6=1 T8.2=1 S10.1=0 ST1.1=0 ST10.1=1"));
        QVERIFY(recommended.checkST6MarksCheckBox && recommended.checkT10_1_2CheckBox);
        QCOMPARE(recommended.checkST7_2LineEdit, QStringLiteral("%"));
        QTemporaryDir dir;
        const QString file
            = writeFile(dir.filePath("team.ini"), "[MainWindow]\ncheckT2_1CheckBox=2\n");
        AppSettingsRecord fromFile = defaultOptions();
        QVERIFY(applyProfile(fromFile, file, message));
        QVERIFY(checkOn(fromFile, CheckT2_1));
    }

    void projectFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("a/b/c"));
        const QString project = writeFile(dir.filePath("a/.kvn.ini"), "");
        writeFile(dir.filePath("a/b/c/de.po"), "");
        QCOMPARE(findProjectFile(dir.filePath("a/b/c/de.po")), project);
        QCOMPARE(findProjectFile(dir.filePath("a/b/c")), project);
        QCOMPARE(findProjectFile(dir.filePath("a")), project);
        // A nearer one wins; nothing below the folder counts.
        const QString nearer = writeFile(dir.filePath("a/b/.kvn.ini"), "");
        QCOMPARE(findProjectFile(dir.filePath("a/b/c/de.po")), nearer);
        QVERIFY(!findProjectFile(dir.path()).startsWith(dir.path()));
    }
};

QTEST_GUILESS_MAIN(OptionsTest)
#include "tst_options.moc"
