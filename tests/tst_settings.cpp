#include "store/appsettings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class tst_Settings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString iniPath() const { return dir.filePath(QStringLiteral("kvn.ini")); }
    void resetRecords()
    {
        AppSettings = AppSettingsRecord();
        LoadedAppSettings = AppSettingsRecord();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QFile::remove(iniPath());
        resetRecords();
    }

    void everyKeyDeclaredOnceInOrder()
    {
        const auto &infos = settingInfos();
        QCOMPARE(infos.size(), 206);
        QCOMPARE(QLatin1String(infos.first().key), QLatin1String("Language"));
        QCOMPARE(QLatin1String(infos.last().key), QLatin1String("checkST21_1CheckBox"));
        QSet<QString> keys;
        for (const SettingInfo &info : infos)
            keys.insert(QLatin1String(info.key));
        QCOMPARE(keys.size(), infos.size());
        QVERIFY(infos[0].topLevel && infos[1].topLevel && !infos[2].topLevel);
    }

    void defaultsWhenAbsent()
    {
        loadAppSettings(iniPath());
        QCOMPARE(AppSettings.Language, QStringLiteral("en"));
        QCOMPARE(AppSettings.LanguageRTL, false);
        QVERIFY(AppSettings.geometry.isEmpty());
        QCOMPARE(AppSettings.textWrapModeCheckBox, true);
        QCOMPARE(AppSettings.printLocationCheckBox, false);
        QCOMPARE(AppSettings.checkS1_2SpinBox, 1000);
        QCOMPARE(AppSettings.checkT2_1CheckBox, 0);
        QCOMPARE(AppSettings.checkT2_2CheckBox, 1);
        QCOMPARE(AppSettings.checkST1SpinBox, 20);
        QCOMPARE(AppSettings.checkST1_1LowDSpinBox, 0.5f);
        QCOMPARE(AppSettings.checkST1_1HighSpinBox, 3.5f);
        QCOMPARE(AppSettings.checkST1_2HighSpinBox, 2.0f); // stored default is the integer 2
        QCOMPARE(AppSettings.checkS15_1LineEdit, QString());
        QCOMPARE(LoadedAppSettings.checkST1_2LowDSpinBox, 0.6f);
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
        QVERIFY(!ini.contains(QStringLiteral("MainWindow/checkS3_4CheckBox")));
        QVERIFY(!ini.contains(QStringLiteral("Language")));

        resetRecords();
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
        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.allKeys().size(), 4);
    }

    void corruptStoreGivesDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary junk") << QByteArray("\x00\xff\xfe[[[\x01=\n\x02", 11);
        QTest::newRow("broken groups") << QByteArray("[MainWindow\ncheckS1_2SpinBox\n=\n[=]\n");
        QTest::newRow("empty") << QByteArray();
    }
    void corruptStoreGivesDefaults()
    {
        QFETCH(QByteArray, content);
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        loadAppSettings(iniPath());
        QCOMPARE(AppSettings.checkS1_2SpinBox, 1000);
        QCOMPARE(AppSettings.Language, QStringLiteral("en"));
    }

    void crlfAndByteOrderMark()
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF[MainWindow]\r\ncheckS1_2SpinBox=77\r\n");
        file.close();
        loadAppSettings(iniPath());
        QCOMPARE(AppSettings.checkS1_2SpinBox, 77);
    }

    void unreadableStoreGivesDefaults()
    {
        loadAppSettings(dir.filePath(QStringLiteral("missing/dir/kvn.ini")));
        QCOMPARE(AppSettings.checkT1_2CheckBox, 1);
    }

    void controlLimits_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("applied");
        QTest::newRow("tri-state 5") << "checkT3_1CheckBox" << QVariant(5) << QVariant(0);
        QTest::newRow("tri-state -1") << "checkT3_1CheckBox" << QVariant(-1) << QVariant(0);
        QTest::newRow("tri-state 2") << "checkT3_1CheckBox" << QVariant(2) << QVariant(2);
        QTest::newRow("spin above") << "checkS1_2SpinBox" << QVariant(12000) << QVariant(9999);
        QTest::newRow("spin below") << "checkS1_3SpinBox" << QVariant(0) << QVariant(1);
        QTest::newRow("ratio above")
            << "checkST1_1LowDSpinBox" << QVariant(0.95f) << QVariant(0.9f);
        QTest::newRow("ratio decimals")
            << "checkST1_2HighSpinBox" << QVariant(2.123f) << QVariant(2.12f);
        QTest::newRow("line edit cut")
            << "checkS15_1LineEdit" << QVariant(QStringLiteral("abcdefghijklmnopqrstuvwxyz"))
            << QVariant(QStringLiteral("abcdefghijklmnopqrst"));
        QTest::newRow("line edit 10")
            << "checkS8_4LineEdit" << QVariant(QStringLiteral("0123456789ab"))
            << QVariant(QStringLiteral("0123456789"));
    }
    void controlLimits()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, applied);
        const int index = settingIndex(key);
        QVERIFY(index >= 0);
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
