#include "app/mainwindow.h"

#include "assistant/translatetsdialog.h"
#include "checks/results.h"
#include "input/readers.h"
#include "model/appsettings.h"
#include "model/catalogue.h"
#include "report/report.h"
#include "run/run.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QIcon>
#include <QInputDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QTextStream>
#include <QTime>
#include <QVBoxLayout>
#include <memory>

namespace {

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

    readSettings();
    connectSignals();
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
    // The size of a first start; a stored geometry replaces it.
    resize(1200, 760);
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
    if (saveOnClose && m_store) {
        writeSettings();
        saveAppSettings();
    }
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
    const QString name = askItem(tr("Select File"), label, names, 0, true, nullptr);
    if (name.isEmpty())
        return;
    selectDirectory(AppSettings, directory, name);
    setWindowTitle(QLatin1String(WindowTitlePrefix) + tr("Multible files: %1").arg(name));
    runChecks();
}

// ---- Running ----------------------------------------------------------------

void MainWindow::runChecks()
{
    if (!m_store)
        return;
    ProgressDialogAdapter progress(this);
    const RunOutcome outcome = runSelection(*m_store, runOptions(), &progress);
    if (outcome.status == RunStatus::MultipleSelection || outcome.status == RunStatus::MissingPath)
        clearSelection(AppSettings);
    if (outcome.status == RunStatus::Done)
        buildReport(outcome.path, outcome.fileCount);
    // A single file that could not be opened would otherwise leave an empty
    // report without a word why.
    if (!outcome.readerMessage.isEmpty())
        warn(outcome.readerMessage);
    bool isWarning = false;
    const QString message = runOutcomeMessage(outcome, &isWarning);
    if (message.isEmpty())
        return;
    if (isWarning)
        warn(message);
    else
        inform(message);
}

void MainWindow::rerunChecks()
{
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
    runChecks();
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
    const QString header = reportHeader(QTime::currentTime());
    const QString summary = reportSummary(*m_store, path, fileCount);
    const ReportOptions options = panelReportOptions();
    const QList<QString> &tabs = tabNames();
    for (int i = 0; i < tabs.size(); ++i)
        setViewText(i, tabReport(*m_store, tabs[i], header, summary, options),
                    tabReportIsHtml(tabs[i], options));
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
    } else if (auto *rich = qobject_cast<QTextEdit *>(view)) {
        if (pending->html)
            rich->setHtml(pending->text);
        else
            rich->setPlainText(pending->text);
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
    const QStringList names = translationFileNames(directory);
    if (names.isEmpty()) {
        inform(runMessageText(RunMessage::NoTranslationFiles, directory));
        return;
    }
    AppSettingsRecord options = runOptions();
    // The logs show locations as the panel says.
    options.printLocationCheckBox = m_printLocationBox->isChecked();
    runBatch(
        *m_store, options, directory, names,
        [this] { return std::make_unique<ProgressDialogAdapter>(this); }, nullptr);
}

// ---- Menus ------------------------------------------------------------------

void MainWindow::createActions()
{
    m_languageAct = new QAction(tr("&Language", "Menu"), this);
    m_languageAct->setShortcut(QKeySequence(tr("Ctrl+L", "&Language"), QKeySequence::NativeText));
    connect(m_languageAct, &QAction::triggered, this, &MainWindow::changeLanguage);

    m_exitAct = new QAction(tr("E&xit", "Menu"), this);
    m_exitAct->setShortcut(QKeySequence(tr("Ctrl+X", "Exit"), QKeySequence::NativeText));
    connect(m_exitAct, &QAction::triggered, this, &QWidget::close);

    m_translateAct = new QAction(tr("Translate ts", "Menu"), this);
    connect(m_translateAct, &QAction::triggered, this, &MainWindow::openTranslateDialog);

    m_aboutAct = new QAction(tr("A&bout", "Menu. Don't use the shortcut for 'copy all'!"), this);
    m_aboutAct->setShortcut(QKeySequence(tr("Ctrl+B", "A&bout"), QKeySequence::NativeText));
    connect(m_aboutAct, &QAction::triggered, this, &MainWindow::about);

    m_aboutQtAct = new QAction(tr("About &Qt", "Menu"), this);
    m_aboutQtAct->setShortcut(QKeySequence(tr("Ctrl+Q", "About &Qt"), QKeySequence::NativeText));
    connect(m_aboutQtAct, &QAction::triggered, qApp, &QApplication::aboutQt);

    m_clearSettingsAct = new QAction(tr("Clear Settings", "Menu"), this);
    connect(m_clearSettingsAct, &QAction::triggered, this, &MainWindow::clearSettings);

    // Checks every file name below a directory in turn and writes one log per name.
    m_batchAct = new QAction(tr("Batch Check Directory...", "Menu"), this);
    connect(m_batchAct, &QAction::triggered, this, &MainWindow::batchCheckDirectory);
}

void MainWindow::createMenus()
{
    QMenu *settingsMenu = menuBar()->addMenu(tr("&Settings", "Main menu"));
    settingsMenu->addAction(m_languageAct);
    settingsMenu->addAction(m_batchAct);
    settingsMenu->addSeparator();
    settingsMenu->addAction(m_exitAct);

    QMenu *translateMenu = menuBar()->addMenu(tr("&Translate", "Main menu"));
    translateMenu->addAction(m_translateAct);

    QMenu *helpMenu = menuBar()->addMenu(tr("&Help", "Main menu"));
    helpMenu->addAction(m_aboutAct);
    helpMenu->addAction(m_aboutQtAct);
    helpMenu->addAction(m_clearSettingsAct);
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
