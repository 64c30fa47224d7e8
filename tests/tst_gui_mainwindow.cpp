// The main window: panel, settings binding, runs, selection errors and menus.

#include "app/mainwindow.h"
#include "checks/catalogue.h"
#include "checks/report.h"
#include "store/appsettings.h"
#include "store/results.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTime>
#include <QtTest>

namespace {

QSettings store()
{
    return QSettings(QStringLiteral("Oskerbay"), QStringLiteral("Korvane"));
}

QString fixture(const char *name)
{
    return QStringLiteral(KVN_TEST_DATA "/") + QLatin1String(name);
}

// Answers every dialog of the window from its fields and records the boxes.
class ScriptedWindow : public MainWindow
{
public:
    ScriptedWindow()
        : MainWindow(0, nullptr)
    { }

    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };
    QList<Message> messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QString fileAnswer, directoryAnswer, itemAnswer;
    bool itemOk = true;
    QStringList offeredItems;
    int offeredCurrent = -1;
    QString dialogText;

    template<typename T> T *control(const char *key) const
    {
        return findChild<T *>(QLatin1String(key));
    }

protected:
    QString askOpenFileName(const QString &, const QString &) override { return fileAnswer; }
    QString askExistingDirectory(const QString &, const QString &) override
    {
        return directoryAnswer;
    }
    QString askItem(const QString &, const QString &, const QStringList &items, int current, bool,
                    bool *ok) override
    {
        offeredItems = items;
        offeredCurrent = current;
        if (ok)
            *ok = itemOk;
        return itemOk ? itemAnswer : QString();
    }
    QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString &title,
                                            const QString &text,
                                            QMessageBox::StandardButtons) override
    {
        messages.append({icon, title, text});
        return answer;
    }
    int execDialog(QDialog &dialog) override
    {
        if (auto *box = qobject_cast<QMessageBox *>(&dialog))
            dialogText = box->text() + box->informativeText();
        return 0;
    }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void tabsInOrder();
    void controlsShowDefaults_data();
    void controlsShowDefaults();
    void storedValuesApplied_data();
    void storedValuesApplied();
    void closingWritesOnlyChangedKeys();
    void runFillsEveryView();
    void printLocationReruns();
    void runCopiesOnlyNarrowingControls();
    void selectionErrors_data();
    void selectionErrors();
    void filteredDirectoryOffersSortedNames();
    void clearSettings_data();
    void clearSettings();
    void changeLanguage_data();
    void changeLanguage();
    void aboutNamesVersions();
};

void TestMainWindow::init()
{
    QSettings settings = store();
    settings.clear();
    settings.sync();
    loadAppSettings();
}

void TestMainWindow::tabsInOrder()
{
    ScriptedWindow window;
    const QStringList expected
            = QStringLiteral(
                      "ST0 S1 T1 S2 T2 S3 T3 S4 T4 S5 T5 S6 T6 S7 T7 S8 T8 S9 T9 S10 T10 S11 "
                      "T11 S12 T12 S13 T13 S14 T14 S15 T15 S16 T16 S20 T20 S21 T21 ST1 ST2 ST3 "
                      "ST4 ST5 ST6 ST7 ST8 ST9 ST10 ST11 ST20 ST21")
                      .split(QLatin1Char(' '));
    QTabWidget *tabs = window.tabWidget();
    QCOMPARE(tabs->count(), 50);
    for (int i = 0; i < tabs->count(); ++i) {
        QCOMPARE(tabs->tabText(i), expected.at(i));
        // Every check of the tab has its box on the tab, with its description.
        for (int check : checksOfTab(expected.at(i))) {
            const QString description = QLatin1String(checkInfo(check).description);
            const auto boxes = tabs->widget(i)->findChildren<QCheckBox *>();
            QVERIFY2(std::any_of(boxes.begin(), boxes.end(),
                                 [&](QCheckBox *box) { return box->text() == description; }),
                     checkInfo(check).id);
        }
    }
    const QString welcome = MainWindow::viewPlainText(window.resultsView(0));
    QVERIFY(welcome.startsWith(QLatin1String("Welcome to Korvane (KVN)\n\n")));
    QVERIFY(welcome.contains(QLatin1String("Which characters are 'Punctuation_Open'?\n( [ { ")));
}

void TestMainWindow::controlsShowDefaults_data()
{
    QTest::addColumn<int>("index");
    const auto &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i)
        if (QByteArray(infos[i].key).contains("CheckBox")
            || QByteArray(infos[i].key).contains("Spin")
            || QByteArray(infos[i].key).contains("LineEdit"))
            QTest::newRow(infos[i].key) << i;
}

void TestMainWindow::controlsShowDefaults()
{
    QFETCH(int, index);
    const SettingInfo &info = settingInfos().at(index);
    ScriptedWindow window;
    QWidget *widget = window.findChild<QWidget *>(QLatin1String(info.key));
    QVERIFY2(widget, "no control bears the key as its object name");
    const QVariant expected = info.defaultValue;
    if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        QCOMPARE(box->isTristate(), info.kind == SettingKind::State);
        if (info.kind == SettingKind::State)
            QCOMPARE(int(box->checkState()), expected.toInt());
        else
            QCOMPARE(box->isChecked(), expected.toBool());
    } else if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget)) {
        QCOMPARE(float(spin->value()), expected.toFloat());
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        QCOMPARE(spin->value(), expected.toInt());
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        QCOMPARE(edit->text(), expected.toString());
        QCOMPARE(edit->maxLength(), int(info.high));
    } else {
        QFAIL("unexpected kind of control");
    }
}

void TestMainWindow::storedValuesApplied_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("shown");
    QTest::newRow("tri-state 5 unchecked") << "checkT5_1CheckBox" << QVariant(5) << QVariant(0);
    QTest::newRow("tri-state 2") << "checkT5_1CheckBox" << QVariant(2) << QVariant(2);
    QTest::newRow("two-state off") << "checkS1_1CheckBox" << QVariant(false) << QVariant(false);
    QTest::newRow("spin above range") << "checkS1_2SpinBox" << QVariant(12000) << QVariant(9999);
    QTest::newRow("spin below range") << "checkS1_3SpinBox" << QVariant(0) << QVariant(1);
    QTest::newRow("ratio above range")
            << "checkST1_1LowDSpinBox" << QVariant(0.95) << QVariant(0.9);
    QTest::newRow("line edit cut")
            << "checkS3_4LineEdit" << QVariant("abcdefghijklmnop") << QVariant("abcdefghij");
    QTest::newRow("wide line edit cut")
            << "checkS15_1LineEdit" << QVariant("abcdefghijklmnopqrstuvwxyz")
            << QVariant("abcdefghijklmnopqrst");
}

void TestMainWindow::storedValuesApplied()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, shown);
    {
        QSettings settings = store();
        settings.setValue(QStringLiteral("MainWindow/") + key, stored);
    }
    loadAppSettings();
    ScriptedWindow window;
    QWidget *widget = window.findChild<QWidget *>(key);
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        QCOMPARE(box->isTristate() ? int(box->checkState()) : int(box->isChecked()), shown.toInt());
    else if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget))
        QCOMPARE(spin->value(), shown.toDouble());
    else if (auto *spin = qobject_cast<QSpinBox *>(widget))
        QCOMPARE(spin->value(), shown.toInt());
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(edit->text(), shown.toString());
    // The record keeps the stored value until the window writes its controls back.
    const QVariant recorded = settingValue(AppSettings, settingIndex(key));
    if (recorded.typeId() == QMetaType::Float)
        QCOMPARE(recorded.toFloat(), stored.toFloat());
    else
        QCOMPARE(recorded.toString(), stored.toString());
}

void TestMainWindow::closingWritesOnlyChangedKeys()
{
    ScriptedWindow window;
    window.show();
    window.control<QCheckBox>("checkS1_1CheckBox")->setChecked(false);
    window.control<QCheckBox>("checkT5_1CheckBox")->setCheckState(Qt::Checked);
    window.control<QSpinBox>("checkS1_2SpinBox")->setValue(5);
    window.control<QSpinBox>("checkS1_2SpinBox")->setValue(1000); // changed back
    window.close();
    QStringList keys = store().allKeys();
    keys.sort();
    QCOMPARE(keys,
             QStringList({"MainWindow/checkS1_1CheckBox", "MainWindow/checkT5_1CheckBox",
                          "MainWindow/geometry"}));
    QCOMPARE(store().value("MainWindow/checkT5_1CheckBox").toInt(), 2);
    QVERIFY(!window.store());
}

void TestMainWindow::runFillsEveryView()
{
    ScriptedWindow window;
    window.fileAnswer = fixture("gui_sample.ts");
    window.openFile();
    QCOMPARE(window.windowTitle(), QLatin1String("Korvane - ") + window.fileAnswer);
    QCOMPARE(AppSettings.openFilePathAndName, window.fileAnswer);
    QVERIFY(window.messages.isEmpty());

    // The header carries the time of the run; read it back from the view.
    const QString first = MainWindow::viewPlainText(window.resultsView(0)).section('\n', 0, 0);
    const QTime time = QTime::fromString(first.right(8), QStringLiteral("hh:mm:ss"));
    QVERIFY2(time.isValid(), qPrintable(first));
    const QString header = reportHeader(time);
    const QString summary = reportSummary(*window.store(), window.fileAnswer, 1);
    // kvn reports from the options record; the window from its panel: equal at defaults.
    const ReportOptions options = reportOptionsFromSettings();
    const QList<QString> &tabs = tabNames();
    for (int i = 0; i < tabs.size(); ++i) {
        QString expected = tabReport(*window.store(), tabs[i], header, summary, options);
        if (tabReportIsHtml(tabs[i], options)) {
            QTextDocument document;
            document.setHtml(expected);
            expected = document.toPlainText();
        }
        QCOMPARE(MainWindow::viewPlainText(window.resultsView(i)), expected);
    }
}

void TestMainWindow::printLocationReruns()
{
    ScriptedWindow window;
    window.fileAnswer = fixture("gui_sample.ts");
    window.openFile();
    auto *view = qobject_cast<QPlainTextEdit *>(window.resultsView(1));
    QVERIFY(view);
    view->clear();
    window.control<QCheckBox>("printLocationCheckBox")->setChecked(true);
    const QString text = MainWindow::viewPlainText(window.resultsView(1));
    const ReportOptions options = window.panelReportOptions();
    QVERIFY(options.printLocation);
    QVERIFY(!text.isEmpty());
    QVERIFY(text.endsWith(
            tabReport(*window.store(), QStringLiteral("S1"), QString(), QString(), options)));
}

void TestMainWindow::runCopiesOnlyNarrowingControls()
{
    ScriptedWindow window;
    window.control<QCheckBox>("checkS6_1_1CheckBox")->setChecked(true);
    window.control<QCheckBox>("checkT6_1CheckBox")->setCheckState(Qt::Checked);
    window.control<QLineEdit>("checkS8_4LineEdit")->setText(QStringLiteral("-"));
    window.control<QCheckBox>("checkS1_1CheckBox")->setChecked(false);
    window.runChecks();
    QVERIFY(AppSettings.checkS6_1_1CheckBox);
    QCOMPARE(AppSettings.checkT6_1CheckBox, 2);
    QCOMPARE(AppSettings.checkS8_4LineEdit, QStringLiteral("-"));
    QVERIFY(AppSettings.checkS1_1CheckBox); // read by the report from the panel, not copied
}

void TestMainWindow::selectionErrors_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("nothing") << "" << "" << "" << "Please select a file or a directory." << false;
    QTest::newRow("file and directory") << "a.ts" << "/tmp" << ""
                                        << "Multible selection. Please try again." << true;
    QTest::newRow("name without directory")
            << "" << "" << "de.ts" << "Missing path. Please try again." << true;
}

void TestMainWindow::selectionErrors()
{
    QFETCH(QString, file);
    QFETCH(QString, directory);
    QFETCH(QString, name);
    QFETCH(QString, warning);
    QFETCH(bool, cleared);
    ScriptedWindow window;
    const QString before = MainWindow::viewPlainText(window.resultsView(0));
    AppSettings.openFilePathAndName = file;
    AppSettings.openDirectoryPath = directory;
    AppSettings.openDirectopyFile = name;
    window.runChecks();
    QCOMPARE(window.messages.size(), 1);
    QCOMPARE(window.messages[0].icon, QMessageBox::Warning);
    QCOMPARE(window.messages[0].title, QStringLiteral("KVN"));
    QCOMPARE(window.messages[0].text, warning);
    if (cleared)
        QVERIFY(AppSettings.openFilePathAndName.isEmpty() && AppSettings.openDirectoryPath.isEmpty()
                && AppSettings.openDirectopyFile.isEmpty());
    QCOMPARE(MainWindow::viewPlainText(window.resultsView(0)), before);
}

void TestMainWindow::filteredDirectoryOffersSortedNames()
{
    QTemporaryDir tree;
    QDir(tree.path()).mkpath(QStringLiteral("a"));
    QDir(tree.path()).mkpath(QStringLiteral("b"));
    for (const char *path : {"a/de.ts", "b/de.ts", "Z.ts", "notes.txt"})
        QFile::copy(fixture("gui_sample.ts"), tree.filePath(QLatin1String(path)));
    ScriptedWindow window;
    window.directoryAnswer = tree.path();
    window.itemAnswer = QStringLiteral("de.ts");
    window.openDirectoryFiltered();
    QCOMPARE(window.offeredItems, QStringList({"Z.ts", "de.ts"}));
    QCOMPARE(window.offeredCurrent, 0);
    QCOMPARE(AppSettings.openDirectopyFile, QStringLiteral("de.ts"));
    QCOMPARE(AppSettings.openDirectoryPath, tree.path());
    QCOMPARE(window.windowTitle(), QStringLiteral("Korvane - Multible files: de.ts"));

    QTemporaryDir empty;
    window.directoryAnswer = empty.path();
    window.openDirectoryFiltered();
    QCOMPARE(window.messages.last().text,
             QStringLiteral("No translation files found in %1.").arg(empty.path()));
    QCOMPARE(AppSettings.openDirectoryPath, tree.path()); // the selection stays
}

void TestMainWindow::clearSettings_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestMainWindow::clearSettings()
{
    QFETCH(bool, yes);
    store().setValue(QStringLiteral("Language"), QStringLiteral("de"));
    loadAppSettings();
    ScriptedWindow window;
    window.show();
    window.control<QCheckBox>("checkS1_1CheckBox")->setChecked(false);
    window.answer = yes ? QMessageBox::Yes : QMessageBox::No;
    window.clearSettings();
    QCOMPARE(window.messages.first().text, QStringLiteral("Do you want to delete the settings?"));
    QCOMPARE(window.isVisible(), !yes);
    if (yes) {
        QCOMPARE(window.messages.last().text,
                 QStringLiteral("Clear settings. KVN will close now. Please restart KVN."));
        QVERIFY(store().allKeys().isEmpty());
    } else {
        QCOMPARE(window.messages.size(), 1);
        QCOMPARE(store().allKeys(), QStringList({"Language"}));
    }
}

void TestMainWindow::changeLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("preselected");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("german") << "en" << "de - German" << true << 2 << true << false;
    QTest::newRow("arabic") << "en" << "ar - Arabic" << true << 2 << true << true;
    QTest::newRow("same") << "ro" << "ro - Romanian" << true << 3 << false << false;
    QTest::newRow("cancelled") << "en" << "de - German" << false << 2 << false << false;
    QTest::newRow("unknown stored") << "fr" << "en - English" << true << 2 << true << false;
}

void TestMainWindow::changeLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, chosen);
    QFETCH(bool, ok);
    QFETCH(int, preselected);
    QFETCH(bool, closes);
    QFETCH(bool, rightToLeft);
    store().setValue(QStringLiteral("Language"), stored);
    loadAppSettings();
    ScriptedWindow window;
    window.show();
    window.itemAnswer = chosen;
    window.itemOk = ok;
    window.changeLanguage();
    QCOMPARE(window.offeredItems,
             QStringList({"ar - Arabic", "de - German", "en - English", "ro - Romanian"}));
    QCOMPARE(window.offeredCurrent, preselected);
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(window.messages.size(), closes ? 1 : 0);
    if (closes) {
        const QString code = chosen.left(2);
        QCOMPARE(window.messages[0].title, QStringLiteral("KVN information"));
        QVERIFY(window.messages[0].text.startsWith(
                QStringLiteral("Language %1 selected.\n\n").arg(code)));
        QCOMPARE(store().value("Language").toString(), code);
        QCOMPARE(store().value("LanguageRTL", false).toBool(), rightToLeft);
    }
}

void TestMainWindow::aboutNamesVersions()
{
    ScriptedWindow window;
    window.about();
    QVERIFY(window.dialogText.startsWith(QStringLiteral("<h1>KVN - Korvane 1.3.2</h1>")));
    QVERIFY(window.dialogText.contains(QLatin1String("Qt " QT_VERSION_STR)));
    QVERIFY(window.dialogText.endsWith(QLatin1String("</p>")));
}

int main(int argc, char *argv[])
{
    // A private home and settings location: the user's settings are never touched.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gui_mainwindow.moc"
