// The main window: what only the window does. The controls bound to the settings
// keys, the report views, the selection warnings and the menus that close it.

#include "app/mainwindow.h"
#include "checks/results.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "report/report.h"

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

// The value a control shows, typed like its field of the options record.
QVariant shown(const QWidget *widget)
{
    if (const auto *box = qobject_cast<const QCheckBox *>(widget))
        return box->isTristate() ? QVariant(int(box->checkState())) : QVariant(box->isChecked());
    if (const auto *spin = qobject_cast<const QDoubleSpinBox *>(widget))
        return float(spin->value());
    if (const auto *spin = qobject_cast<const QSpinBox *>(widget))
        return spin->value();
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    return {};
}

// Answers every question of the window from its fields and records the boxes.
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

    template<typename T>
    T *control(const char *key) const
    {
        return findChild<T *>(QLatin1String(key));
    }
    QString view(int tab) { return viewPlainText(resultsView(tab)); }

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
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    // The settings live in the test location, never the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QSettings settings = store();
        settings.clear();
        settings.sync();
        loadAppSettings();
    }

    void controlsShowDefaults_data()
    {
        QTest::addColumn<int>("index");
        const auto &infos = settingInfos();
        for (int i = 0; i < infos.size(); ++i)
            if (QRegularExpression("CheckBox|Spin|LineEdit").match(infos[i].key).hasMatch())
                QTest::newRow(infos[i].key) << i;
    }
    void controlsShowDefaults()
    {
        QFETCH(int, index);
        const SettingInfo &info = settingInfos().at(index);
        ScriptedWindow window;
        const QWidget *widget = window.findChild<QWidget *>(QLatin1String(info.key));
        QVERIFY2(widget, "no control bears the key as its object name");
        QCOMPARE(shown(widget), settingValue(AppSettings, index)); // the defaults after init()
        if (const auto *box = qobject_cast<const QCheckBox *>(widget))
            QCOMPARE(box->isTristate(), info.kind == SettingKind::State);
        if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            QCOMPARE(edit->maxLength(), int(info.high));
    }

    // A stored value reaches its control within the control's limits.
    void storedValueApplied()
    {
        store().setValue(QStringLiteral("MainWindow/checkS1_2SpinBox"), 12000);
        store().setValue(QStringLiteral("MainWindow/checkT5_1CheckBox"), 0);
        loadAppSettings();
        ScriptedWindow window;
        QCOMPARE(window.control<QSpinBox>("checkS1_2SpinBox")->value(), 9999);
        QCOMPARE(window.control<QCheckBox>("checkT5_1CheckBox")->checkState(), Qt::Unchecked);
    }

    void closingWritesOnlyChangedKeys()
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
        QCOMPARE(keys, QStringList({"MainWindow/checkS1_1CheckBox", "MainWindow/checkT5_1CheckBox",
                                    "MainWindow/geometry"}));
        QCOMPARE(store().value("MainWindow/checkT5_1CheckBox").toInt(), 2);
    }

    void runFillsEveryView()
    {
        ScriptedWindow window;
        window.fileAnswer = fixture("gui_sample.ts");
        window.openFile();
        QCOMPARE(window.windowTitle(), QLatin1String("Korvane - ") + window.fileAnswer);
        QVERIFY(window.messages.isEmpty());

        // The header carries the time of the run; read it back from the view.
        const QString first = window.view(0).section('\n', 0, 0);
        const QTime time = QTime::fromString(first.right(8), QStringLiteral("hh:mm:ss"));
        QVERIFY2(time.isValid(), qPrintable(first));
        const QString summary = reportSummary(*window.store(), window.fileAnswer, 1);
        // kvn reports from the options record; the window from its panel: equal at defaults.
        const ReportOptions options = reportOptions(AppSettings);
        const QList<QString> &tabs = tabNames();
        QCOMPARE(window.tabWidget()->count(), tabs.size());
        for (int i = 0; i < tabs.size(); ++i) {
            QCOMPARE(window.tabWidget()->tabText(i), tabs[i]);
            QString expected
                = tabReport(*window.store(), tabs[i], reportHeader(time), summary, options);
            if (tabReportIsHtml(tabs[i], options)) {
                QTextDocument document;
                document.setHtml(expected);
                expected = document.toPlainText();
            }
            QCOMPARE(window.view(i), expected);
        }

        // "Print Location" reruns at once.
        qobject_cast<QPlainTextEdit *>(window.resultsView(1))->clear();
        window.control<QCheckBox>("printLocationCheckBox")->setChecked(true);
        QVERIFY(window.panelReportOptions().printLocation);
        QVERIFY(window.view(1).endsWith(tabReport(*window.store(), tabs[1], QString(), QString(),
                                                  window.panelReportOptions())));
    }

    // A run hands the engine the panel's controls that narrow what it finds;
    // the two-state boxes of the checks only filter the report.
    void runCopiesOnlyNarrowingControls()
    {
        ScriptedWindow window;
        window.control<QCheckBox>("checkS6_1_1CheckBox")->setChecked(true);
        window.control<QCheckBox>("checkT6_1CheckBox")->setCheckState(Qt::Checked);
        window.control<QLineEdit>("checkS8_4LineEdit")->setText(QStringLiteral("-"));
        window.control<QCheckBox>("checkS1_1CheckBox")->setChecked(false);
        window.runChecks();
        const AppSettingsRecord &options = window.store()->options();
        QVERIFY(options.checkS6_1_1CheckBox);
        QCOMPARE(options.checkT6_1CheckBox, 2);
        QCOMPARE(options.checkS8_4LineEdit, QStringLiteral("-"));
        QVERIFY(options.checkS1_1CheckBox);
    }

    // The warnings of the run itself and of the reader; their texts are tested
    // with the run over a selection.
    void selectionErrors_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("warning");
        QTest::newRow("nothing") << ""
                                 << "Please select a file or a directory.";
        QTest::newRow("missing file")
            << "/nonexistent/de.ts"
            << "Could not open file. It is not existing or in use.\n/nonexistent/de.ts";
    }
    void selectionErrors()
    {
        QFETCH(QString, file);
        QFETCH(QString, warning);
        ScriptedWindow window;
        const QString before = window.view(0);
        AppSettings.openFilePathAndName = file;
        window.runChecks();
        QCOMPARE(window.messages.size(), 1);
        QCOMPARE(window.messages[0].icon, QMessageBox::Warning);
        QCOMPARE(window.messages[0].title, QStringLiteral("KVN"));
        QCOMPARE(window.messages[0].text, warning);
        // Only an opened selection replaces the report.
        QCOMPARE(window.view(0) == before, file.isEmpty());
    }

    void directoryMenus()
    {
        QTemporaryDir tree, work, empty;
        QDir(tree.path()).mkpath(QStringLiteral("a"));
        for (const char *path : {"a/de.ts", "de.ts", "Z.ts", "notes.txt"})
            QFile::copy(fixture("gui_sample.ts"), tree.filePath(QLatin1String(path)));
        ScriptedWindow window;
        window.directoryAnswer = tree.path();
        window.itemAnswer = QStringLiteral("de.ts");
        window.openDirectoryFiltered();
        QCOMPARE(window.offeredItems, QStringList({"Z.ts", "de.ts"}));
        QCOMPARE(window.offeredCurrent, 0);
        QCOMPARE(AppSettings.openDirectopyFile, QStringLiteral("de.ts"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Korvane - Multible files: de.ts"));
        QVERIFY(window.messages.isEmpty());

        // The batch writes one log per name into the working directory.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(work.path());
        window.batchCheckDirectory();
        QDir::setCurrent(previous);
        QCOMPARE(QDir(work.path()).entryList(QDir::Files),
                 QStringList({"de.ts-LOG.txt", "Z.ts-LOG.txt"}));
        QFile log(QDir(work.path()).filePath(QStringLiteral("de.ts-LOG.txt")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll()).contains("Read 2 files in " + tree.path() + '.'));

        window.directoryAnswer = empty.path();
        window.openDirectoryFiltered();
        QCOMPARE(window.messages.last().text,
                 QStringLiteral("No translation files found in %1.").arg(empty.path()));
        QCOMPARE(AppSettings.openDirectoryPath, tree.path()); // the selection stays
    }

    void clearSettings()
    {
        store().setValue(QStringLiteral("Language"), QStringLiteral("de"));
        loadAppSettings();
        ScriptedWindow window;
        window.show();
        window.control<QCheckBox>("checkS1_1CheckBox")->setChecked(false);
        window.answer = QMessageBox::No;
        window.clearSettings();
        QCOMPARE(window.messages.size(), 1);
        QCOMPARE(window.messages[0].text, QStringLiteral("Do you want to delete the settings?"));
        QVERIFY(window.isVisible());
        window.answer = QMessageBox::Yes;
        window.clearSettings();
        QCOMPARE(window.messages.last().text,
                 QStringLiteral("Clear settings. KVN will close now. Please restart KVN."));
        QVERIFY(!window.isVisible());
        QVERIFY(store().allKeys().isEmpty()); // and nothing written at the close
    }

    void changeLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("chosen"); // empty: the question is cancelled
        QTest::addColumn<int>("preselected");
        QTest::addColumn<bool>("closes");
        const auto add = [](const char *stored, const char *chosen, int preselected, bool closes) {
            QTest::newRow(stored) << QString(stored) << QString(chosen) << preselected << closes;
        };
        add("en", "ar - Arabic", 2, true);
        add("ro", "ro - Romanian", 3, false); // the same language
        add("de", "", 1, false);
        add("fr", "en - English", 2, true); // unknown stored
    }
    void changeLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, chosen);
        QFETCH(int, preselected);
        QFETCH(bool, closes);
        store().setValue(QStringLiteral("Language"), stored);
        loadAppSettings();
        ScriptedWindow window;
        window.show();
        window.itemAnswer = chosen;
        window.itemOk = !chosen.isEmpty();
        window.changeLanguage();
        QCOMPARE(window.offeredItems,
                 QStringList({"ar - Arabic", "de - German", "en - English", "ro - Romanian"}));
        QCOMPARE(window.offeredCurrent, preselected);
        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(window.messages.size(), int(closes));
        if (closes) {
            const QString code = chosen.left(2);
            QCOMPARE(window.messages[0].title, QStringLiteral("KVN information"));
            QVERIFY(window.messages[0].text.startsWith("Language " + code + " selected.\n\n"));
            QCOMPARE(store().value("Language").toString(), code);
            QCOMPARE(store().value("LanguageRTL", false).toBool(), code == "ar");
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_gui_mainwindow.moc"
