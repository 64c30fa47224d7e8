// The main window: what only the window does. The controls bound to the settings
// keys, the report views, the selection warnings and the menus that close it.

#include "app/localisation.h"
#include "app/mainwindow.h"
#include "checks/results.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "report/report.h"
#include "scriptedwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <QtTest>

namespace {

// A .ts file of `messages` messages, large enough for a run that takes a while.
void writeLargeCatalogue(const QString &path, int messages)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<TS version=\"2.1\" "
                      "language=\"de_DE\">\n<context>\n<name>C</name>\n";
    for (int i = 0; i < messages; ++i)
        text += "<message><source>Open file number " + QByteArray::number(i)
                + " now.</source><translation>Datei Nummer " + QByteArray::number(i)
                + " jetzt offnen</translation></message>\n";
    text += "</context>\n</TS>\n";
    file.write(text);
}

QAction *actionWithText(const QWidget &window, const QString &text)
{
    for (QAction *action : window.findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}

// The widget that Tab moves to from `widget`.
QWidget *nextTabStop(QWidget *widget)
{
    for (QWidget *next = widget->nextInFocusChain(); next != widget;
         next = next->nextInFocusChain())
        // Spin boxes pass their focus to an inner line edit.
        if ((next->focusPolicy() & Qt::TabFocus) && !next->objectName().startsWith("qt_"))
            return next;
    return nullptr;
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

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    // The settings live in the test location, never the user's (settingsStore()).
    void init()
    {
        QSettings settings = settingsStore();
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
    }

    // A stored value reaches its control within the control's limits.
    void storedValueApplied()
    {
        settingsStore().setValue(QStringLiteral("MainWindow/checkS1_2SpinBox"), 12000);
        settingsStore().setValue(QStringLiteral("MainWindow/checkT5_1CheckBox"), 0);
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
        QStringList keys = settingsStore().allKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({"MainWindow/checkS1_1CheckBox", "MainWindow/checkT5_1CheckBox",
                                    "MainWindow/geometry"}));
        QCOMPARE(settingsStore().value("MainWindow/checkT5_1CheckBox").toInt(), 2);
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
            // Each title carries the tab's count of findings, when there are any.
            const int count = tabFindingCount(*window.store(), tabs[i]);
            QCOMPARE(window.tabWidget()->tabText(i),
                     count ? QStringLiteral("%1 (%2)").arg(tabs[i]).arg(count) : tabs[i]);
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

        // The batch writes one log per name into the folder the user chose,
        // offered again next time, and says what it did.
        window.logDirectoryAnswer = work.path();
        window.batchCheckDirectory();
        QCOMPARE(window.logDirectoryOffered, tree.path());
        QCOMPARE(QDir(work.path()).entryList(QDir::Files),
                 QStringList({"de.ts-LOG.txt", "Z.ts-LOG.txt"}));
        QFile log(QDir(work.path()).filePath(QStringLiteral("de.ts-LOG.txt")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll()).contains("Read 2 files in " + tree.path() + '.'));
        QCOMPARE(window.messages.last().icon, QMessageBox::Information);
        QCOMPARE(window.messages.last().text,
                 QStringLiteral("Checked 3 files of 2 names in %1. Wrote 2 logs to %2.")
                     .arg(tree.path(), work.path()));

        // A log that cannot be written turns the summary into a warning.
        const QString missing = work.filePath(QStringLiteral("missing"));
        window.logDirectoryAnswer = missing;
        window.batchCheckDirectory();
        QCOMPARE(window.logDirectoryOffered, work.path());
        QCOMPARE(window.messages.last().icon, QMessageBox::Warning);
        QVERIFY(window.messages.last().text.endsWith("Wrote 0 logs to " + missing + '.'));
        window.messages.clear();

        window.directoryAnswer = empty.path();
        window.openDirectoryFiltered();
        QCOMPARE(window.messages.last().text,
                 QStringLiteral("No translation files found in %1.").arg(empty.path()));
        QCOMPARE(AppSettings.openDirectoryPath, tree.path()); // the selection stays
    }

    // Texts of the input are shown in the HTML views as written, and the views
    // load no resource a text names.
    void htmlViewsShowTextsLiterally()
    {
        QTemporaryDir dir;
        QFile image(dir.filePath(QStringLiteral("image.png")));
        QVERIFY(image.open(QIODevice::WriteOnly) && image.write("not read") > 0);
        image.close();
        const QStringList sources = {
            QStringLiteral("<!--&Hide"),
            QStringLiteral("<img src=\"%1\">&Zero").arg(image.fileName()),
            QStringLiteral("<a href=file:///etc/passwd>&Link</a>"),
            QStringLiteral("&Last <b>bold</b>"),
        };
        QString ts
            = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                             "<TS version=\"2.1\" language=\"de_DE\"><context><name>C</name>");
        for (const QString &source : sources)
            ts += QStringLiteral("<message><location filename=\"a.cpp\" line=\"1\"/><source>%1"
                                 "</source><translation>%1</translation></message>")
                      .arg(source.toHtmlEscaped());
        ts += QStringLiteral("</context></TS>\n");
        QFile file(dir.filePath(QStringLiteral("de.ts")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ts.toUtf8()) > 0);
        file.close();

        ScriptedWindow window;
        window.control<QCheckBox>("checkS14CheckBox")->setChecked(true);
        window.control<QCheckBox>("checkT14CheckBox")->setChecked(true);
        window.fileAnswer = file.fileName();
        window.openFile();
        for (const char *tab : {"S14", "T14"}) {
            const int index = tabNames().indexOf(QLatin1String(tab));
            const auto *view = qobject_cast<QTextEdit *>(window.resultsView(index));
            QVERIFY(view);
            const QString shown = view->toPlainText();
            for (const QString &source : sources)
                QVERIFY2(shown.contains(source), qPrintable(source));
            QVERIFY(shown.contains("Found 4 item(s)"));
            const QString html = view->toHtml();
            QVERIFY(!html.contains("<img") && !html.contains("<a ") && !html.contains("<!--"));
            // Not even markup set on purpose reads a file.
            QVERIFY(
                view->document()
                    ->resource(QTextDocument::ImageResource, QUrl::fromLocalFile(image.fileName()))
                    .isNull());
        }
    }

    // Cancelling the list of names changes nothing, though the list dialog
    // returns its current item when cancelled.
    void cancelledFileList()
    {
        QTemporaryDir tree;
        QFile::copy(fixture("gui_sample.ts"), tree.filePath(QStringLiteral("de.ts")));
        ScriptedWindow window;
        window.fileAnswer = fixture("gui_sample.ts");
        window.openFile();
        const QString title = window.windowTitle(), report = window.view(1);
        window.directoryAnswer = tree.path();
        window.itemOk = false;
        window.openDirectoryFiltered();
        QCOMPARE(window.offeredItems, QStringList({"de.ts"}));
        QCOMPARE(AppSettings.openFilePathAndName, window.fileAnswer);
        QVERIFY(AppSettings.openDirectoryPath.isEmpty());
        QVERIFY(AppSettings.openDirectopyFile.isEmpty());
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(window.view(1), report);
    }

    // Before the first run, the boxes that show a report again have nothing to show.
    void togglesBeforeAnyRun()
    {
        ScriptedWindow window;
        const QString welcome = window.view(0);
        window.control<QCheckBox>("printLocationCheckBox")->toggle();
        window.control<QCheckBox>("textWrapModeCheckBox")->toggle();
        window.control<QCheckBox>("checkS14CheckBox")->toggle();
        QVERIFY(window.messages.isEmpty());
        QCOMPARE(window.view(0), welcome);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("key"); // empty: no shortcut at all
        QTest::newRow("exit") << "E&xit" << QKeySequence(QKeySequence::Quit);
        QTest::newRow("open") << "&Open File..." << QKeySequence(Qt::CTRL | Qt::Key_O);
        QTest::newRow("run again") << "&Run Again" << QKeySequence(Qt::Key_F5);
        QTest::newRow("about Qt") << "About &Qt" << QKeySequence();
    }
    void keys()
    {
        QFETCH(QString, action);
        QFETCH(QKeySequence, key);
        ScriptedWindow window;
        const QAction *found = actionWithText(window, action);
        QVERIFY(found);
        QCOMPARE(found->shortcut(), key);
        // Cut in the results views must never close the window.
        QVERIFY(!found->shortcuts().contains(QKeySequence(QKeySequence::Cut)));
    }

    void tabKeys()
    {
        ScriptedWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.resultsView(0)->setFocus();
        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_PageDown));
        QCOMPARE(window.tabWidget()->currentIndex(), 1);
        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_PageUp));
        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_PageUp));
        QCOMPARE(window.tabWidget()->currentIndex(), window.tabWidget()->count() - 1);
    }

    // Each option control a check's catalogue row names sits on that check's tab,
    // and the check's box explains the check in its tool tip.
    void panelFollowsCatalogue()
    {
        ScriptedWindow window;
        for (int index = 0; index < CheckCount; ++index) {
            const CheckInfo &info = checkInfo(index);
            if (!info.key)
                continue;
            const QCheckBox *box = window.control<QCheckBox>(info.key);
            QVERIFY2(box, info.key);
            QCOMPARE(box->toolTip(), checkHelp(index));
            const QWidget *page
                = window.tabWidget()->widget(tabNames().indexOf(QLatin1String(info.tab)));
            for (const QString &key : checkOptionKeys(index)) {
                const QWidget *control = window.findChild<QWidget *>(key);
                QVERIFY2(control && page->isAncestorOf(control), qPrintable(key));
            }
        }
    }

    // Tab goes along each row from its check box to the row's own controls.
    void focusOrder()
    {
        ScriptedWindow window;
        QWidget *widget = window.control<QWidget>("checkS1_1CheckBox");
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            widget = nextTabStop(widget);
            order.append(widget->objectName());
        }
        QCOMPARE(order, QStringList({"checkS1_2CheckBox", "checkS1_2SpinBox", "checkS1_3CheckBox",
                                     "checkS1_3SpinBox", "resultsViewS1"}));
    }

    // The tab titles count the findings; empty tabs can hide; the status bar sums up.
    void countsAndSummary()
    {
        ScriptedWindow window;
        window.fileAnswer = fixture("gui_sample.ts");
        window.openFile();
        QVERIFY(window.statusBar()->currentMessage().startsWith(
            QStringLiteral("Files: 1   Messages: %1   Findings: %2   Time: ")
                .arg(window.store()->sourceCount)
                .arg(reportFindingCount(*window.store()))));
        QAction *hide = actionWithText(window, QStringLiteral("&Hide Tabs Without Findings"));
        QVERIFY(hide && !hide->isChecked());
        hide->setChecked(true);
        const QList<QString> &tabs = tabNames();
        int shown = 0;
        for (int i = 0; i < tabs.size(); ++i) {
            const bool visible = window.tabWidget()->isTabVisible(i);
            QCOMPARE(visible, i == 0 || tabFindingCount(*window.store(), tabs[i]) > 0);
            shown += visible;
        }
        QVERIFY(shown > 1 && shown < tabs.size());
        hide->setChecked(false);
        for (int i = 0; i < tabs.size(); ++i)
            QVERIFY(window.tabWidget()->isTabVisible(i));
    }

    // The window keeps handling events while a run reads; the progress dialog
    // shows only after its delay; Abort in it ends the walk, and what was read
    // is reported.
    void abortedRun()
    {
        QTemporaryDir tree;
        for (int i = 0; i < 40; ++i) {
            const QString folder = QStringLiteral("d%1").arg(i);
            QDir(tree.path()).mkpath(folder);
            writeLargeCatalogue(tree.filePath(folder + QStringLiteral("/de.ts")), 500);
        }
        ScriptedWindow window;
        window.show();
        QTimer timer;
        QString label;
        int ticksDuringRun = 0;
        connect(&timer, &QTimer::timeout, [&] {
            ticksDuringRun += window.isRunning();
            if (auto *dialog = window.findChild<QProgressDialog *>()) {
                label = dialog->labelText();
                if (auto *abort = dialog->findChild<QPushButton *>(); abort && dialog->isVisible())
                    abort->click();
            }
        });
        timer.start(0);
        window.directoryAnswer = tree.path();
        window.setProgressDelay(600000);
        window.openDirectoryAll();
        QVERIFY(label.isEmpty() && ticksDuringRun > 0);
        QCOMPARE(window.store()->sourceCount, 40 * 500);
        window.setProgressDelay(0);
        window.openDirectoryAll();
        QVERIFY2(label.startsWith(QLatin1String("Reading files... ")), qPrintable(label));
        QVERIFY(!window.isRunning());
        QVERIFY(window.store()->sourceCount < 40 * 500);
        QVERIFY(window.view(0).startsWith(QLatin1String("Last checks were done at")));
    }

    // The first window keeps within the screen, and so can every control.
    void fitsTheScreen()
    {
        ScriptedWindow window;
        const QSize available = window.screen()->availableGeometry().size();
        QVERIFY(window.width() <= available.width() && window.height() <= available.height());
        const QSize least = window.minimumSizeHint();
        QVERIFY2(least.width() <= 1024 && least.height() <= 768,
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
    }

    // Right to left for the whole application: every dialog mirrors, Qt's own
    // texts translate when their file is installed.
    void wholeApplicationDirection()
    {
        installInterfaceLanguage(QStringLiteral("ar"), true);
        QDialog dialog;
        QMessageBox box;
        const bool rightToLeft = dialog.isRightToLeft() && box.isRightToLeft();
        bool qtTranslated = true;
        for (const QString &folder : qtTranslationFolders())
            if (QFileInfo::exists(folder + QStringLiteral("/qtbase_ar.qm")))
                qtTranslated = QCoreApplication::translate("QPlatformTheme", "Cancel")
                               != QLatin1String("Cancel");
        installInterfaceLanguage(QStringLiteral("en"), false);
        QVERIFY(rightToLeft);
        QVERIFY(qtTranslated);
        QVERIFY(!QDialog().isRightToLeft());
    }

    // The About box and kvn --version name the version of the project.
    void versionOfTheProject()
    {
        ScriptedWindow window;
        window.about();
        QCOMPARE(window.dialogText,
                 QStringLiteral("<h1>KVN - Korvane " KVN_PROJECT_VERSION "</h1>"));
        QProcess kvn;
        kvn.start(QStringLiteral(KVN_BINARY), {QStringLiteral("--version")});
        QVERIFY(kvn.waitForFinished(30000));
        QCOMPARE(kvn.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(kvn.readAllStandardOutput()),
                 QStringLiteral("kvn " KVN_PROJECT_VERSION "\n"));
    }

    void clearSettings()
    {
        settingsStore().setValue(QStringLiteral("Language"), QStringLiteral("de"));
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
        QVERIFY(settingsStore().allKeys().isEmpty()); // and nothing written at the close
    }

    // Settings > Profiles: after a yes, the panel shows the profile; a no keeps it.
    void profiles()
    {
        ScriptedWindow window;
        auto *s101 = window.control<QCheckBox>("checkS10_1CheckBox");
        auto *st221 = window.control<QCheckBox>("checkST22_1CheckBox");
        auto *marks = window.control<QCheckBox>("checkST6MarksCheckBox");
        auto *t82 = window.control<QCheckBox>("checkT8_2CheckBox");
        window.answer = QMessageBox::No;
        window.findChild<QAction *>("profile_recommended")->trigger();
        QVERIFY(s101->isChecked() && !st221->isChecked());
        window.answer = QMessageBox::Yes;
        window.findChild<QAction *>("profile_recommended")->trigger();
        QCOMPARE(window.messages.size(), 2);
        QVERIFY(!s101->isChecked() && st221->isChecked() && marks->isChecked());
        QCOMPARE(t82->checkState(), Qt::PartiallyChecked);
        QCOMPARE(window.control<QLineEdit>("checkST7_2LineEdit")->text(), QStringLiteral("%"));
        window.findChild<QAction *>("profile_all")->trigger();
        QCOMPARE(t82->checkState(), Qt::Checked);
        window.findChild<QAction *>("profile_default")->trigger();
        QVERIFY(s101->isChecked() && !st221->isChecked() && !marks->isChecked());
        QCOMPARE(t82->checkState(), Qt::PartiallyChecked);
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
        settingsStore().setValue(QStringLiteral("Language"), stored);
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
            QCOMPARE(settingsStore().value("Language").toString(), code);
            QCOMPARE(settingsStore().value("LanguageRTL", false).toBool(), code == "ar");
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_gui_mainwindow.moc"
