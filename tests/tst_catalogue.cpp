#include "checks/catalogue.h"
#include "store/appsettings.h"

#include <QtTest>

// The catalogue is the one table the panel, the settings and the report derive from:
// it must agree with itself and with the settings keys.
class tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void consistent()
    {
        int itemLists = 0;
        int triStates = 0;
        for (int index = 0; index < CheckCount; ++index) {
            const CheckInfo &info = checkInfo(index);
            QCOMPARE(info.index, index);
            if (index == CheckUnused61) {
                QVERIFY(!info.id);
                continue;
            }
            QVERIFY(info.id && info.tab && info.description);
            QCOMPARE(checkIndexOf(QLatin1String(info.id)), index);
            QVERIFY2(tabNames().contains(QLatin1String(info.tab)), info.tab);
            QVERIFY(QLatin1String(info.description).startsWith(QLatin1String("Check ")));
            if (info.store == StoreKind::Items)
                ++itemLists;
            if (info.box == BoxKind::Fixed) {
                QVERIFY(!info.key);
                continue;
            }
            QVERIFY(info.key);
            const int setting = settingIndex(QLatin1String(info.key));
            QVERIFY2(setting >= 0, info.key);
            const SettingKind kind = settingInfos()[setting].kind;
            if (info.box == BoxKind::TriState) {
                ++triStates;
                QCOMPARE(kind, SettingKind::State);
            } else {
                QCOMPARE(kind, SettingKind::Bool);
            }
        }
        QCOMPARE(itemLists, 16);
        QCOMPARE(triStates, 39);
    }

    void tabs()
    {
        QCOMPARE(tabNames().size(), 50);
        QCOMPARE(tabNames().first(), QStringLiteral("ST0"));
        QCOMPARE(tabNames().mid(1, 4), QStringList({"S1", "T1", "S2", "T2"}));
        QCOMPARE(tabNames().mid(31, 6), QStringList({"S16", "T16", "S20", "T20", "S21", "T21"}));
        QCOMPARE(tabNames().last(), QStringLiteral("ST21"));
        for (const QString &tab : tabNames())
            QVERIFY2(!checksOfTab(tab).isEmpty(), qPrintable(tab));
        QCOMPARE(checksOfTab(QStringLiteral("ST0")),
                 QList<int>({Check_0, CheckS0, CheckT0, CheckST0}));
        QCOMPARE(checksOfTab(QStringLiteral("T1")),
                 QList<int>({CheckT1_1, CheckT1_1b, CheckT1_2, CheckT1_3}));
    }
};

QTEST_GUILESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
