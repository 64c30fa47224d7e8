// The options record: loading with defaults, writing only what changed, and the
// limits of the controls for kvn, which has no controls.

#include "model/appsettings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class tst_Settings : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString iniPath() const { return dir.filePath(QStringLiteral("kvn.ini")); }
    void writeIni(const QByteArray &content)
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QFile::remove(iniPath());
        AppSettings = AppSettingsRecord();
        LoadedAppSettings = AppSettingsRecord();
    }

    // A missing or corrupt store gives the defaults (a stored float default is the
    // integer 2).
    void defaults_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::newRow("absent") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[[[\x01=\n\x02", 11);
        QTest::newRow("broken sections") << QByteArray("[MainWindow\ncheckS1_2SpinBox\n=\n[=]\n");
    }
    void defaults()
    {
        QFETCH(QByteArray, content);
        if (!content.isNull())
            writeIni(content);
        loadAppSettings(content.isNull() ? dir.filePath(QStringLiteral("missing/dir/kvn.ini"))
                                         : iniPath());
        QCOMPARE(AppSettings.Language, QStringLiteral("en"));
        QCOMPARE(AppSettings.checkS1_2SpinBox, 1000);
        QCOMPARE(AppSettings.checkT2_2CheckBox, 1);
        QCOMPARE(AppSettings.checkST1_2HighSpinBox, 2.0f);
    }

    void onlyChangedKeysWritten()
    {
        loadAppSettings(iniPath());
        AppSettings.checkS1_2SpinBox = 500;
        AppSettings.checkT6_1CheckBox = 2;
        AppSettings.checkST1_1HighSpinBox = 4.25f;
        AppSettings.openDirectoryPath = QStringLiteral("/tmp/x");
        AppSettings.LanguageRTL = true;
        AppSettings.checkS3_4CheckBox = false;
        AppSettings.checkS3_4CheckBox = true; // changed and changed back
        saveAppSettings(iniPath());

        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.allKeys().size(), 5);
        QCOMPARE(ini.value(QStringLiteral("LanguageRTL")).toBool(), true);
        QCOMPARE(ini.value(QStringLiteral("MainWindow/checkS1_2SpinBox")).toInt(), 500);

        AppSettings = LoadedAppSettings = AppSettingsRecord();
        loadAppSettings(iniPath());
        QCOMPARE(AppSettings.checkS1_2SpinBox, 500);
        QCOMPARE(AppSettings.checkT6_1CheckBox, 2);
        QCOMPARE(AppSettings.checkST1_1HighSpinBox, 4.25f);
        QCOMPARE(AppSettings.openDirectoryPath, QStringLiteral("/tmp/x"));
        QCOMPARE(AppSettings.LanguageRTL, true);
    }

    void storedValuesSurviveLoad()
    {
        {
            QSettings ini(iniPath(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("MainWindow/checkT3_1CheckBox"), 5);
            ini.setValue(QStringLiteral("MainWindow/checkS1_3SpinBox"), QStringLiteral("abc"));
            ini.setValue(QStringLiteral("MainWindow/checkST1_2HighSpinBox"), 2);
            ini.setValue(QStringLiteral("MainWindow/geometry"), QByteArray("\x01\x02", 2));
        }
        loadAppSettings(iniPath());
        QCOMPARE(AppSettings.checkT3_1CheckBox, 5); // kept until a control overwrites it
        QCOMPARE(AppSettings.checkS1_3SpinBox, 0); // not a number
        QCOMPARE(AppSettings.checkST1_2HighSpinBox, 2.0f);
        QCOMPARE(AppSettings.geometry, QByteArray("\x01\x02", 2));
        saveAppSettings(iniPath()); // nothing changed: nothing written
        QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).allKeys().size(), 4);
    }

    void crlfAndByteOrderMark()
    {
        writeIni("\xEF\xBB\xBF[MainWindow]\r\ncheckS1_2SpinBox=77\r\n");
        loadAppSettings(iniPath());
        QCOMPARE(AppSettings.checkS1_2SpinBox, 77);
    }

    void controlLimits_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("applied");
        const auto add = [](const char *key, const QVariant &stored, const QVariant &applied) {
            QTest::newRow(qPrintable(stored.toString())) << QString(key) << stored << applied;
        };
        add("checkT3_1CheckBox", 5, 0);
        add("checkT3_1CheckBox", -1, 0);
        add("checkS1_2SpinBox", 12000, 9999);
        add("checkS1_3SpinBox", 0, 1);
        add("checkST1_1LowDSpinBox", 0.95f, 0.9f);
        add("checkST1_2HighSpinBox", 2.123f, 2.12f);
        add("checkS8_4LineEdit", QStringLiteral("0123456789ab"), QStringLiteral("0123456789"));
    }
    void controlLimits()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, applied);
        const int index = settingIndex(key);
        setSettingValue(AppSettings, index, stored);
        applyControlLimits(AppSettings);
        const QVariant value = settingValue(AppSettings, index);
        if (applied.typeId() == QMetaType::Float)
            QCOMPARE(value.toFloat(), applied.toFloat());
        else
            QCOMPARE(value, applied);
    }
};

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
