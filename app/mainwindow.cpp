#include "app/mainwindow.h"

#include "app/findingstable.h"

#include "assistant/translatetsdialog.h"
#include "checks/results.h"
#include "input/readers.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "report/findingswriter.h"
#include "report/report.h"
#include "run/options.h"
#include "run/run.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QInputDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextStream>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <atomic>
#include <memory>

namespace {

// The walk runs on a worker thread and reports through atomics; the window
// reads them on a timer.
class ThreadProgress : public WalkProgress
{
public:
    bool wasCanceled() const override { return canceled.load(); }
    void setMaximum(int count) override { maximum.store(count); }
    void setValue(int done) override { value.store(done); }

    std::atomic<int> maximum {0};
    std::atomic<int> value {0};
    std::atomic<bool> canceled {false};
};

// The walks report their progress to a window-modal progress dialog, created on
// the first report, so a single-file run never shows one.
class ProgressDialogAdapter : public WalkProgress
{
public:
    explicit ProgressDialogAdapter(QWidget *parent)
        : m_parent(parent)
    { }

    bool wasCanceled() const override { return m_dialog && m_dialog->wasCanceled(); }
    void setMaximum(int maximum) override { dialog().setMaximum(maximum); }
    void setValue(int value) override { dialog().setValue(value); }

private:
    QProgressDialog &dialog()
    {
        if (!m_dialog) {
            m_dialog = std::make_unique<QProgressDialog>(MainWindow::tr("Reading files..."),
                                                         MainWindow::tr("Abort"), 0, 1, m_parent);
            m_dialog->setWindowModality(Qt::WindowModal);
        }
        return *m_dialog;
    }

    QWidget *m_parent;
    std::unique_ptr<QProgressDialog> m_dialog;
};

// Stores the state of a panel control into field `index` of the record.
void storeControl(const QWidget *widget, int index, AppSettingsRecord &record)
{
    if (const auto *box = qobject_cast<const QCheckBox *>(widget)) {
        if (box->isTristate())
            setSettingValue(record, index, int(box->checkState()));
        else // set whenever not unchecked, which for a two-state box is isChecked
            setSettingValue(record, index, box->checkState() != Qt::Unchecked);
    } else if (const auto *real = qobject_cast<const QDoubleSpinBox *>(widget)) {
        setSettingValue(record, index, float(real->value()));
    } else if (const auto *spin = qobject_cast<const QSpinBox *>(widget)) {
        setSettingValue(record, index, spin->value());
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        setSettingValue(record, index, edit->text());
    }
}

void applyControl(QWidget *widget, const QVariant &value)
{
    if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        if (box->isTristate()) {
            const int state = value.toInt();
            if (state >= Qt::Unchecked && state <= Qt::Checked)
                box->setCheckState(Qt::CheckState(state));
        } else {
            box->setChecked(value.toBool());
        }
    } else if (auto *real = qobject_cast<QDoubleSpinBox *>(widget)) {
        real->setValue(value.toDouble());
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        spin->setValue(value.toInt());
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        edit->setText(value.toString());
    }
}

// Each paragraph of a results view takes the direction of its first letter:
// the report mixes translated lines with English headings, ids and paths.
void useParagraphDirections(QTextDocument *document)
{
    QTextOption option = document->defaultTextOption();
    option.setTextDirection(Qt::LayoutDirectionAuto);
    // A plain text view aligns every paragraph alike, except that a justified
    // right-to-left paragraph ends at the right; only wrapped lines stretch.
    if (QGuiApplication::isRightToLeft())
        option.setAlignment(Qt::AlignJustify);
    document->setDefaultTextOption(option);
}

const char *const WindowTitlePrefix = "Korvane - ";

struct Language {
    const char *code;
    const char *name;
};
const Language Languages[] = {
    {"ar", QT_TRANSLATE_NOOP("MainWindow", "Arabic")},
    {"de", QT_TRANSLATE_NOOP("MainWindow", "German")},
    {"en", QT_TRANSLATE_NOOP("MainWindow", "English")},
    {"ro", QT_TRANSLATE_NOOP("MainWindow", "Romanian")},
};
const char *const RightToLeftLanguage = "ar";
const char *const DefaultLanguage = "en";

QString compilerDescription()
{
#if defined(__clang__)
    return QStringLiteral("Clang ") + QLatin1String(__clang_version__);
#elif defined(__GNUC__)
    return QStringLiteral("GCC ") + QLatin1String(__VERSION__);
#elif defined(_MSC_VER)
    return QStringLiteral("MSVC ") + QString::number(_MSC_FULL_VER);
#else
    return QStringLiteral("an unknown compiler");
#endif
}

} // namespace

MainWindow::MainWindow(int argc, char *argv[], QWidget *parent)
    : QMainWindow(parent)
{
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    Q_INIT_RESOURCE(korvane);
    setWindowIcon(QIcon(QStringLiteral(":/KVN.png")));
    m_store = new results;
    saveOnClose = true;
    createActions();
    createMenus();
    createPanel();
    setViewText(0, welcomeText(), false);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(createTopRow());
    layout->addWidget(m_tabs, 1);
    setCentralWidget(central);

    createFindingsDock();

    readSettings();
    connectSignals();
}

void MainWindow::createFindingsDock()
{
    m_findings = new FindingsPanel;
    m_findingsDock = new QDockWidget(tr("Findings"), this);
    m_findingsDock->setObjectName(QStringLiteral("findingsDock"));
    m_findingsDock->setWidget(m_findings);
    addDockWidget(Qt::BottomDockWidgetArea, m_findingsDock);
    m_viewMenu->insertAction(m_viewMenu->actions().value(0), m_findingsDock->toggleViewAction());
    connect(m_findings, &FindingsPanel::openRequested, this, &MainWindow::openInEditor);
    m_editorCommand = QSettings(QStringLiteral("Oskerbay"), QStringLiteral("Korvane"))
                          .value(QStringLiteral("MainWindow/editorCommand"))
                          .toString();
}

void MainWindow::setEditorCommand(const QString &command)
{
    m_editorCommand = command;
}

void MainWindow::askEditorCommand()
{
    bool ok = false;
    const QString command = askText(
        tr("Editor Command"),
        tr("The command that opens a file at a line (%f: the file, %l: the line).\nEmpty: "
           "$VISUAL or $EDITOR with +LINE, else the desktop's default application."),
        m_editorCommand, &ok);
    if (!ok)
        return;
    setEditorCommand(command.trimmed());
    QSettings(QStringLiteral("Oskerbay"), QStringLiteral("Korvane"))
        .setValue(QStringLiteral("MainWindow/editorCommand"), m_editorCommand);
}

bool MainWindow::openInEditor(const QString &file, int line)
{
    const QString lineText = QString::number(qMax(line, 1));
    QStringList arguments;
    if (!m_editorCommand.isEmpty()) {
        for (QString argument : QProcess::splitCommand(m_editorCommand))
            arguments.append(
                argument.replace(QLatin1String("%f"), file).replace(QLatin1String("%l"), lineText));
    } else {
        QString editor = qEnvironmentVariable("VISUAL");
        if (editor.isEmpty())
            editor = qEnvironmentVariable("EDITOR");
        if (editor.isEmpty())
            return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
        arguments = QProcess::splitCommand(editor);
        arguments << QLatin1Char('+') + lineText << file;
    }
    if (arguments.isEmpty())
        return false;
    const QString program = arguments.takeFirst();
    return QProcess::startDetached(program, arguments);
}

MainWindow::~MainWindow()
{
    delete m_store;
}

void MainWindow::connectSignals()
{
    connect(m_runButton, &QPushButton::clicked, this, &MainWindow::runChecks);
    connect(m_openFileButton, &QPushButton::clicked, this, &MainWindow::openFile);
    connect(m_openFilteredButton, &QPushButton::clicked, this, &MainWindow::openDirectoryFiltered);
    connect(m_openAllButton, &QPushButton::clicked, this, &MainWindow::openDirectoryAll);
    // stateChanged is how Qt 6.4 reports a changed check state.
    connect(m_textWrapBox, &QCheckBox::stateChanged, this, &MainWindow::toggleTextWrap);
    connect(m_printLocationBox, &QCheckBox::stateChanged, this, &MainWindow::rerunChecks);
    connect(checkBox("checkS14CheckBox"), &QCheckBox::stateChanged, this, &MainWindow::rerunChecks);
    connect(checkBox("checkT14CheckBox"), &QCheckBox::stateChanged, this, &MainWindow::rerunChecks);
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::showPendingText);
}

QCheckBox *MainWindow::checkBox(const char *key) const
{
    auto *box = findChild<QCheckBox *>(QLatin1String(key));
    Q_ASSERT(box);
    return box;
}

// ---- Settings ---------------------------------------------------------------

void MainWindow::readSettings()
{
    // The size of a first start, never more than most of the screen; a stored
    // geometry replaces it.
    const QSize available = screen()->availableGeometry().size();
    resize(QSize(1200, 760).boundedTo(available * 0.9));
    restoreGeometry(AppSettings.geometry);
    const auto &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i)
        if (QWidget *widget = findChild<QWidget *>(QLatin1String(infos[i].key)))
            applyControl(widget, settingValue(AppSettings, i));
}

void MainWindow::writeSettings()
{
    AppSettings.geometry = saveGeometry();
    const auto &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i)
        if (const QWidget *widget = findChild<QWidget *>(QLatin1String(infos[i].key)))
            storeControl(widget, i, AppSettings);
}

AppSettingsRecord MainWindow::runOptions() const
{
    AppSettingsRecord options = AppSettings;
    // Every control of the tabs narrows what the engine finds, except the
    // two-state boxes of the checks themselves: those only decide what the
    // report shows, and the report reads them from the panel.
    QSet<QString> reportOnly;
    for (const QCheckBox *box : qAsConst(m_checkBoxes))
        if (!box->isTristate())
            reportOnly.insert(box->objectName());
    const auto &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i) {
        const QString key = QLatin1String(infos[i].key);
        if (reportOnly.contains(key))
            continue;
        if (const QWidget *widget = m_tabs->findChild<QWidget *>(key))
            storeControl(widget, i, options);
    }
    return options;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The run ends first, then the window closes.
    if (m_running) {
        m_closeRequested = true;
        abortRun();
        event->ignore();
        return;
    }
    if (saveOnClose && m_store) {
        writeSettings();
        saveAppSettings();
    }
    m_findings->setStore(nullptr);
    delete m_store;
    m_store = nullptr;
    event->accept();
}

// ---- Dialogs ----------------------------------------------------------------

QString MainWindow::askOpenFileName(const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(this, caption, QString(), filter);
}

QString MainWindow::askExistingDirectory(const QString &caption, const QString &startDirectory)
{
    return QFileDialog::getExistingDirectory(this, caption, startDirectory,
                                             QFileDialog::ShowDirsOnly
                                                 | QFileDialog::DontResolveSymlinks);
}

QString MainWindow::askItem(const QString &title, const QString &label, const QStringList &items,
                            int current, bool editable, bool *ok)
{
    return QInputDialog::getItem(this, title, label, items, current, editable, ok);
}

QMessageBox::StandardButton MainWindow::showMessage(QMessageBox::Icon icon, const QString &title,
                                                    const QString &text,
                                                    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, this);
    return QMessageBox::StandardButton(box.exec());
}

int MainWindow::execDialog(QDialog &dialog)
{
    return dialog.exec();
}

QString MainWindow::askSaveFileName(const QString &caption, const QStringList &filters,
                                    QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(this, caption, QString(), filters.join(QLatin1String(";;")),
                                        selectedFilter);
}

QString MainWindow::askText(const QString &title, const QString &label, const QString &text,
                            bool *ok)
{
    return QInputDialog::getText(this, title, label, QLineEdit::Normal, text, ok);
}

void MainWindow::warn(const QString &text)
{
    showMessage(QMessageBox::Warning, tr("KVN"), text, QMessageBox::Ok);
}

void MainWindow::inform(const QString &text)
{
    showMessage(QMessageBox::Information, tr("KVN"), text, QMessageBox::Ok);
}

QString MainWindow::askDirectory()
{
    return askExistingDirectory(tr("Open Directory"), AppSettings.openDirectoryPath);
}

// ---- Opening ----------------------------------------------------------------

void MainWindow::openFile()
{
    const QString path = askOpenFileName(tr("Open File"), QStringLiteral("*.ts *.po"));
    if (path.isEmpty())
        return;
    selectFile(AppSettings, path);
    setWindowTitle(QLatin1String(WindowTitlePrefix) + path);
    runChecks();
}

void MainWindow::openDirectoryAll()
{
    const QString directory = askDirectory();
    if (directory.isEmpty())
        return;
    selectDirectory(AppSettings, directory);
    setWindowTitle(QLatin1String(WindowTitlePrefix) + tr("Multible files: %1").arg(directory));
    runChecks();
}

void MainWindow::openDirectoryFiltered()
{
    const QString directory = askDirectory();
    if (directory.isEmpty())
        return;
    const QStringList names = translationFileNames(directory);
    if (names.isEmpty()) {
        inform(runMessageText(RunMessage::NoTranslationFiles, directory));
        return;
    }
    const QString label
        = tr("Select File):") + QLatin1Char('\n')
          + tr("The selected file will be opend from %1\nand all its subdirectories.")
                .arg(directory);
    // Cancelled, the list dialog still returns its current item.
    bool ok = false;
    const QString name = askItem(tr("Select File"), label, names, 0, true, &ok);
    if (!ok || name.isEmpty())
        return;
    selectDirectory(AppSettings, directory, name);
    setWindowTitle(QLatin1String(WindowTitlePrefix) + tr("Multible files: %1").arg(name));
    runChecks();
}

// ---- Running ----------------------------------------------------------------

void MainWindow::runChecks()
{
    if (!m_store || m_running)
        return;
    const AppSettingsRecord options = runOptions();
    // The table reads the store, which the run is about to clear and fill.
    m_findings->setStore(nullptr);
    QElapsedTimer clock;
    clock.start();
    RunOutcome outcome;
    runInBackground([this, &outcome, &options](WalkProgress *progress) {
        outcome = runSelection(*m_store, options, progress);
    });
    m_findings->setStore(m_store);
    if (outcome.status == RunStatus::MultipleSelection || outcome.status == RunStatus::MissingPath)
        clearSelection(AppSettings);
    if (outcome.status == RunStatus::Done) {
        m_hasRun = true;
        buildReport(outcome.path, outcome.fileCount);
        showRunSummary(outcome.fileCount, clock.elapsed());
    }
    // A single file that could not be opened would otherwise leave an empty
    // report without a word why.
    if (!outcome.readerMessage.isEmpty())
        warn(outcome.readerMessage);
    bool isWarning = false;
    const QString message = runOutcomeMessage(outcome, &isWarning);
    if (!message.isEmpty()) {
        if (isWarning)
            warn(message);
        else
            inform(message);
    }
    if (m_closeRequested)
        close();
}

void MainWindow::runInBackground(const std::function<void(WalkProgress *)> &job)
{
    ThreadProgress progress;
    m_running = true;
    m_runCanceled = &progress.canceled;
    qApp->installEventFilter(this);
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&job, &progress] { job(&progress); }));
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);

    // The dialog shows only for runs that take a while; until then the window
    // repaints, and the slots that start something wait for the run to end.
    std::unique_ptr<QProgressDialog> dialog;
    QTimer tick;
    QElapsedTimer clock;
    clock.start();
    connect(&tick, &QTimer::timeout, this, [&] {
        if (!dialog && clock.elapsed() < m_progressDelay)
            return;
        if (!dialog) {
            dialog = std::make_unique<QProgressDialog>(this);
            dialog->setWindowTitle(tr("KVN"));
            dialog->setCancelButtonText(tr("Abort"));
            dialog->setWindowModality(Qt::WindowModal);
            dialog->setMinimumDuration(0);
            dialog->setAutoReset(false);
            dialog->setAutoClose(false);
            connect(dialog.get(), &QProgressDialog::canceled, this,
                    [&progress] { progress.canceled = true; });
            dialog->show();
        }
        if (dialog->wasCanceled())
            progress.canceled = true;
        const int maximum = qMax(1, progress.maximum.load());
        const int value = qMin(progress.value.load(), maximum);
        dialog->setMaximum(maximum);
        dialog->setValue(value);
        dialog->setLabelText(tr("Reading files... %1 of %2").arg(value).arg(maximum));
    });
    tick.start(50);
    worker->start();
    loop.exec();
    worker->wait();
    qApp->removeEventFilter(this);
    m_runCanceled = nullptr;
    m_running = false;
}

bool MainWindow::isRunning() const
{
    return m_running;
}

void MainWindow::abortRun()
{
    if (m_runCanceled)
        *m_runCanceled = true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
        if (const auto *widget = qobject_cast<const QWidget *>(watched))
            return widget->window() == this;
        return false;
    case QEvent::Shortcut:
        return true;
    default:
        return false;
    }
}

void MainWindow::showRunSummary(int fileCount, qint64 milliseconds)
{
    statusBar()->showMessage(tr("Files: %1   Messages: %2   Findings: %3   Time: %4 s")
                                 .arg(fileCount)
                                 .arg(m_store->sourceCount)
                                 .arg(reportFindingCount(*m_store))
                                 .arg(QLocale().toString(milliseconds / 1000.0, 'f', 2)));
}

void MainWindow::rerunChecks()
{
    // Before the first run there is nothing to show again.
    if (m_hasRun)
        runChecks();
}

void MainWindow::toggleTextWrap()
{
    const bool wrap = m_textWrapBox->isChecked();
    QTextStream(stdout) << (wrap ? "Wrap on" : "Wrap off") << Qt::endl;
    const QTextOption::WrapMode mode
        = wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap;
    for (QWidget *view : qAsConst(m_views)) {
        if (auto *plain = qobject_cast<QPlainTextEdit *>(view))
            plain->setWordWrapMode(mode);
        else if (auto *rich = qobject_cast<QTextEdit *>(view))
            rich->setWordWrapMode(mode);
    }
    rerunChecks();
}

ReportOptions MainWindow::panelReportOptions() const
{
    ReportOptions options;
    options.printLocation = m_printLocationBox->isChecked();
    options.boxChecked = [boxes = m_checkBoxes](int index) {
        const QCheckBox *box = boxes.value(index);
        return !box || box->checkState() != Qt::Unchecked;
    };
    options.htmlS14 = checkBox("checkS14CheckBox")->isChecked();
    options.htmlT14 = checkBox("checkT14CheckBox")->isChecked();
    return options;
}

void MainWindow::buildReport(const QString &path, int fileCount)
{
    m_reportPath = path;
    m_reportFileCount = fileCount;
    m_reportTime = QTime::currentTime();
    m_saveReportAct->setEnabled(true);
    const QString header = reportHeader(m_reportTime);
    const QString summary = reportSummary(*m_store, path, fileCount);
    const ReportOptions options = panelReportOptions();
    const QList<QString> &tabs = tabNames();
    for (int i = 0; i < tabs.size(); ++i)
        setViewText(i, tabReport(*m_store, tabs[i], header, summary, options),
                    tabReportIsHtml(tabs[i], options));
    updateTabTitles();
}

void MainWindow::updateTabTitles()
{
    const QList<QString> &tabs = tabNames();
    const bool hideEmpty = m_hideEmptyTabsAct->isChecked() && m_hasRun;
    for (int i = 0; i < tabs.size(); ++i) {
        const int count = m_hasRun ? tabFindingCount(*m_store, tabs[i]) : 0;
        const QString title = tr(tabs[i].toUtf8().constData());
        m_tabs->setTabText(i, count > 0 ? QStringLiteral("%1 (%2)").arg(title).arg(count) : title);
        // The first tab holds the summary and stays.
        m_tabs->setTabVisible(i, i == 0 || !hideEmpty || count > 0);
    }
}

void MainWindow::setViewText(int tab, const QString &text, bool html)
{
    m_pendingTexts.insert(tab, PendingText {text, html});
    if (tab == m_tabs->currentIndex())
        showPendingText(tab);
}

void MainWindow::showPendingText(int tab)
{
    const auto pending = m_pendingTexts.find(tab);
    if (pending == m_pendingTexts.end())
        return;
    QWidget *view = m_views.value(tab);
    if (auto *plain = qobject_cast<QPlainTextEdit *>(view)) {
        plain->setPlainText(pending->text);
        useParagraphDirections(plain->document());
    } else if (auto *rich = qobject_cast<QTextEdit *>(view)) {
        if (pending->html)
            rich->setHtml(pending->text);
        else
            rich->setPlainText(pending->text);
        useParagraphDirections(rich->document());
    }
    m_pendingTexts.erase(pending);
}

QWidget *MainWindow::resultsView(int tab)
{
    showPendingText(tab);
    return m_views.value(tab);
}

QString MainWindow::viewPlainText(const QWidget *view)
{
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(view))
        return plain->toPlainText();
    if (const auto *rich = qobject_cast<const QTextEdit *>(view))
        return rich->toPlainText();
    return QString();
}

void MainWindow::batchCheckDirectory()
{
    if (!m_store)
        return;
    const QString directory = askDirectory();
    if (directory.isEmpty())
        return;
    // The logs go where the user says, not into the working directory, which a
    // desktop launcher chooses.
    const QString logDirectory = askExistingDirectory(
        tr("Folder for the Logs"),
        AppSettings.batchLogDirectory.isEmpty() ? directory : AppSettings.batchLogDirectory);
    if (logDirectory.isEmpty())
        return;
    AppSettings.batchLogDirectory = logDirectory;
    AppSettingsRecord options = runOptions();
    // The logs show locations as the panel says.
    options.printLocationCheckBox = m_printLocationBox->isChecked();
    m_findings->setStore(nullptr); // the batch reuses the store
    m_saveReportAct->setEnabled(false);
    ProgressDialogAdapter progress(this);
    const BatchOutcome outcome = runBatch(*m_store, options, directory, logDirectory, &progress);
    if (outcome.namesFound == 0) {
        inform(runMessageText(RunMessage::NoTranslationFiles, directory));
        return;
    }
    const QString summary = batchSummary(outcome, directory, logDirectory);
    if (outcome.failures.isEmpty())
        inform(summary);
    else
        warn(summary);
}

// ---- Menus ------------------------------------------------------------------

void MainWindow::createActions()
{
    m_languageAct = new QAction(tr("&Language", "Menu"), this);
    m_languageAct->setShortcut(QKeySequence(tr("Ctrl+L", "&Language"), QKeySequence::NativeText));
    connect(m_languageAct, &QAction::triggered, this, &MainWindow::changeLanguage);

    m_exitAct = new QAction(tr("E&xit", "Menu"), this);
    // The platform's Quit key: Ctrl+X is Cut in every text view of the window.
    m_exitAct->setShortcuts(QKeySequence::Quit);
    connect(m_exitAct, &QAction::triggered, this, &QWidget::close);

    m_translateAct = new QAction(tr("Translate ts", "Menu"), this);
    connect(m_translateAct, &QAction::triggered, this, &MainWindow::openTranslateDialog);

    m_aboutAct = new QAction(tr("A&bout", "Menu. Don't use the shortcut for 'copy all'!"), this);
    m_aboutAct->setShortcut(QKeySequence(tr("Ctrl+B", "A&bout"), QKeySequence::NativeText));
    connect(m_aboutAct, &QAction::triggered, this, &MainWindow::about);

    // No shortcut: Ctrl+Q is the platform's Quit key.
    m_aboutQtAct = new QAction(tr("About &Qt", "Menu"), this);
    connect(m_aboutQtAct, &QAction::triggered, qApp, &QApplication::aboutQt);

    m_clearSettingsAct = new QAction(tr("Clear Settings", "Menu"), this);
    connect(m_clearSettingsAct, &QAction::triggered, this, &MainWindow::clearSettings);

    m_openAct = new QAction(tr("&Open File...", "Menu"), this);
    m_openAct->setShortcuts(QKeySequence::Open);
    connect(m_openAct, &QAction::triggered, this, &MainWindow::openFile);
    m_openFilteredAct = new QAction(tr("Open Directory (&Filtered by file name)...", "Menu"), this);
    connect(m_openFilteredAct, &QAction::triggered, this, &MainWindow::openDirectoryFiltered);
    m_openAllAct = new QAction(tr("Open &Directory (All files)...", "Menu"), this);
    connect(m_openAllAct, &QAction::triggered, this, &MainWindow::openDirectoryAll);
    m_saveReportAct = new QAction(tr("Save &Report As...", "Menu"), this);
    m_saveReportAct->setShortcuts(QKeySequence::SaveAs);
    m_saveReportAct->setEnabled(false); // until a run has a report
    connect(m_saveReportAct, &QAction::triggered, this, &MainWindow::saveReportAs);
    m_runAgainAct = new QAction(tr("&Run Again", "Menu"), this);
    m_runAgainAct->setShortcut(QKeySequence(Qt::Key_F5));
    connect(m_runAgainAct, &QAction::triggered, this, &MainWindow::runChecks);

    m_hideEmptyTabsAct = new QAction(tr("&Hide Tabs Without Findings", "Menu"), this);
    m_hideEmptyTabsAct->setCheckable(true);
    connect(m_hideEmptyTabsAct, &QAction::toggled, this, [this] { updateTabTitles(); });

    m_findAct = new QAction(tr("&Find...", "Menu"), this);
    m_findAct->setShortcuts(QKeySequence::Find);
    connect(m_findAct, &QAction::triggered, this, [this] {
        m_findingsDock->show();
        m_findings->searchField()->setFocus();
        m_findings->searchField()->selectAll();
    });
    m_nextFindingAct = new QAction(tr("Next Finding", "Menu"), this);
    m_nextFindingAct->setShortcut(QKeySequence(Qt::Key_F3));
    connect(m_nextFindingAct, &QAction::triggered, this, [this] { m_findings->step(1); });
    m_previousFindingAct = new QAction(tr("Previous Finding", "Menu"), this);
    m_previousFindingAct->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(m_previousFindingAct, &QAction::triggered, this, [this] { m_findings->step(-1); });
    m_editorCommandAct = new QAction(tr("&Editor Command...", "Menu"), this);
    connect(m_editorCommandAct, &QAction::triggered, this, &MainWindow::askEditorCommand);

    // Ctrl+PageUp/PageDown move between the tabs wherever the focus is.
    m_previousTabAct = new QAction(tr("Previous Tab", "Menu"), this);
    m_previousTabAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    connect(m_previousTabAct, &QAction::triggered, this, [this] { stepTab(-1); });
    m_nextTabAct = new QAction(tr("Next Tab", "Menu"), this);
    m_nextTabAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    connect(m_nextTabAct, &QAction::triggered, this, [this] { stepTab(1); });

    // Checks every file name below a directory in turn and writes one log per name.
    m_batchAct = new QAction(tr("Batch Check Directory...", "Menu"), this);
    connect(m_batchAct, &QAction::triggered, this, &MainWindow::batchCheckDirectory);
}

void MainWindow::createMenus()
{
    QMenu *fileMenu = menuBar()->addMenu(tr("&File", "Main menu"));
    fileMenu->addAction(m_openAct);
    fileMenu->addAction(m_openFilteredAct);
    fileMenu->addAction(m_openAllAct);
    fileMenu->addSeparator();
    fileMenu->addAction(m_runAgainAct);
    fileMenu->addAction(m_saveReportAct);

    QMenu *viewMenu = menuBar()->addMenu(tr("&View", "Main menu"));
    m_viewMenu = viewMenu;
    viewMenu->addAction(m_findAct);
    viewMenu->addAction(m_nextFindingAct);
    viewMenu->addAction(m_previousFindingAct);
    viewMenu->addSeparator();
    viewMenu->addAction(m_hideEmptyTabsAct);
    viewMenu->addSeparator();
    viewMenu->addAction(m_previousTabAct);
    viewMenu->addAction(m_nextTabAct);

    QMenu *settingsMenu = menuBar()->addMenu(tr("&Settings", "Main menu"));
    settingsMenu->addAction(m_languageAct);
    QMenu *profilesMenu = settingsMenu->addMenu(tr("&Profiles", "Menu"));
    const struct {
        const char *name;
        const char *text;
    } profiles[] = {{"default", QT_TRANSLATE_NOOP("MainWindow", "&Default")},
                    {"recommended", QT_TRANSLATE_NOOP("MainWindow", "&Recommended")},
                    {"all", QT_TRANSLATE_NOOP("MainWindow", "&All")}};
    for (const auto &profile : profiles) {
        const QString name = QLatin1String(profile.name);
        QAction *action = profilesMenu->addAction(tr(profile.text));
        action->setObjectName(QLatin1String("profile_") + name);
        connect(action, &QAction::triggered, this, [this, name] { applyPanelProfile(name); });
    }
    settingsMenu->addAction(m_batchAct);
    settingsMenu->addAction(m_editorCommandAct);
    settingsMenu->addSeparator();
    settingsMenu->addAction(m_exitAct);

    QMenu *translateMenu = menuBar()->addMenu(tr("&Translate", "Main menu"));
    translateMenu->addAction(m_translateAct);

    QMenu *helpMenu = menuBar()->addMenu(tr("&Help", "Main menu"));
    helpMenu->addAction(m_aboutAct);
    helpMenu->addAction(m_aboutQtAct);
    helpMenu->addAction(m_clearSettingsAct);
}

void MainWindow::stepTab(int step)
{
    const int count = m_tabs->count();
    int tab = m_tabs->currentIndex();
    // Hidden tabs are skipped; at most one round.
    for (int i = 0; i < count; ++i) {
        tab = (tab + step + count) % count;
        if (m_tabs->isTabVisible(tab)) {
            m_tabs->setCurrentIndex(tab);
            return;
        }
    }
}

void MainWindow::changeLanguage()
{
    QStringList items;
    int current = -1;
    for (const Language &language : Languages) {
        if (AppSettings.Language == QLatin1String(language.code))
            current = items.size();
        items.append(QLatin1String(language.code) + QLatin1String(" - ") + tr(language.name));
    }
    if (current < 0)
        for (int i = 0; i < items.size(); ++i)
            if (QLatin1String(Languages[i].code) == QLatin1String(DefaultLanguage))
                current = i;

    bool ok = false;
    const QString chosen
        = askItem(tr("Change Language"), tr("Select language:"), items, current, false, &ok);
    const int index = items.indexOf(chosen);
    if (ok && index >= 0) {
        AppSettings.Language = QLatin1String(Languages[index].code);
        AppSettings.LanguageRTL = AppSettings.Language == QLatin1String(RightToLeftLanguage);
    }
    if (AppSettings.Language != LoadedAppSettings.Language) {
        showMessage(QMessageBox::Information, tr("KVN information"),
                    tr("Language %1 selected.").arg(AppSettings.Language) + QLatin1String("\n\n")
                        + tr("KVN will now close to activate the new language. Please restart "
                             "KVN."),
                    QMessageBox::Ok);
        close();
    }
}

void MainWindow::clearSettings()
{
    const QMessageBox::StandardButton answer
        = showMessage(QMessageBox::Question, tr("KVN"), tr("Do you want to delete the settings?"),
                      QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    clearAppSettings();
    showMessage(QMessageBox::Information, tr("KVN information"),
                tr("Clear settings. KVN will close now. Please restart KVN."), QMessageBox::Ok);
    saveOnClose = false;
    close();
}

void MainWindow::applyPanelProfile(const QString &name)
{
    if (showMessage(
            QMessageBox::Question, tr("KVN"),
            tr("Set every check box and option of the panel as the profile %1 has them?").arg(name),
            QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    AppSettingsRecord record = defaultOptions();
    QString error;
    if (!applyProfile(record, name, error)) {
        warn(error);
        return;
    }
    const auto &infos = settingInfos();
    for (int i = 0; i < infos.size(); ++i)
        if (QWidget *widget = m_tabs->findChild<QWidget *>(QLatin1String(infos[i].key)))
            applyControl(widget, settingValue(record, i));
}

namespace {

struct ExportFormat {
    OutputFormat format;
    const char *filter; // context "MainWindow"
};
const ExportFormat ExportFormats[] = {
    {OutputFormat::Report, QT_TRANSLATE_NOOP("MainWindow", "Report text (*.txt)")},
    {OutputFormat::Gcc, QT_TRANSLATE_NOOP("MainWindow", "One line per finding, as gcc (*.log)")},
    {OutputFormat::Json, QT_TRANSLATE_NOOP("MainWindow", "JSON (*.json)")},
    {OutputFormat::Sarif, QT_TRANSLATE_NOOP("MainWindow", "SARIF (*.sarif)")},
    {OutputFormat::Csv, QT_TRANSLATE_NOOP("MainWindow", "CSV, for spreadsheets (*.csv)")},
};

} // namespace

void MainWindow::saveReportAs()
{
    if (!m_store || m_running || !m_hasRun)
        return;
    QStringList filters;
    for (const ExportFormat &format : ExportFormats)
        filters.append(tr(format.filter));
    QString selected = filters.first();
    const QString path = askSaveFileName(tr("Save Report As..."), filters, &selected);
    if (path.isEmpty())
        return;
    const int chosen = qMax(0, filters.indexOf(selected));
    OutputOptions options;
    options.report = panelReportOptions();
    options.time = m_reportTime;
    options.toolVersion = QLatin1String(KvnVersion);
    // Written whole or not at all: an old file stays until the new one is complete.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        FindingsWriter writer(ExportFormats[chosen].format, &file, options);
        writer.writeRun(*m_store, m_reportPath, m_reportFileCount);
        writer.finish();
        written = file.commit();
    }
    if (!written)
        warn(tr("Could not write %1.").arg(path));
}

void MainWindow::about()
{
    QMessageBox box;
    box.setTextFormat(Qt::RichText);
    box.setText(QLatin1String("<h1>KVN - Korvane ") + QLatin1String(KvnVersion)
                + QLatin1String("</h1>"));
    box.setInformativeText(
        QLatin1String("<p>") + tr("Korvane (KVN) by Oskerbay.") + QLatin1String("</p><p>")
        + tr("KVN helps to find bugs in the source and the translation.") + QLatin1String("</p><p>")
        + tr("Shared libraries by") + QLatin1String("<br />Qt ") + QLatin1String(QT_VERSION_STR)
        + QLatin1String("<br />") + compilerDescription() + QLatin1String("</p>"));
    execDialog(box);
}

void MainWindow::openTranslateDialog()
{
    TranslateTsDialog dialog(this);
    execDialog(dialog);
}
