// The catalogue is the one table the panel, the settings and the report derive from:
// it must agree with itself and with the settings keys.

#include "checks/catalogue.h"
#include "store/appsettings.h"

#include <QtTest>

class tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void consistent()
    {
        for (int index = 0; index < CheckCount; ++index) {
            const CheckInfo &info = checkInfo(index);
            QCOMPARE(info.index, index);
            if (index == CheckUnused61) {
                QVERIFY(!info.id);
                continue;
            }
            QVERIFY(info.id && info.tab && info.description);
            QCOMPARE(checkIndexOf(QLatin1String(info.id)), index);
            QVERIFY2(checksOfTab(QLatin1String(info.tab)).contains(index), info.id);
            QVERIFY(QLatin1String(info.description).startsWith(QLatin1String("Check ")));
            QCOMPARE(info.box == BoxKind::Fixed, !info.key);
            if (!info.key)
                continue;
            const int setting = settingIndex(QLatin1String(info.key));
            QVERIFY2(setting >= 0, info.key);
            QCOMPARE(settingInfos()[setting].kind,
                     info.box == BoxKind::TriState ? SettingKind::State : SettingKind::Bool);
        }
        for (const QString &tab : tabNames())
            QVERIFY2(!checksOfTab(tab).isEmpty(), qPrintable(tab));
        // ST0, then the S and T tabs of each group in turn, then the ST tabs.
        QCOMPARE(tabNames().size(), 50);
        QCOMPARE(tabNames().mid(0, 5), QStringList({"ST0", "S1", "T1", "S2", "T2"}));
        QCOMPARE(tabNames().mid(36, 3), QStringList({"T21", "ST1", "ST2"}));
    }
};

QTEST_GUILESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
