#pragma once
// The main window: the check panel (one tab per check group), the open and
// run slots and the menus. It copies its controls into AppSettings, lets the
// engine run, and shows the texts the engine assembles; it computes no finding.

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTime>
#include <atomic>
#include <functional>

class QAction;
class QCheckBox;
class QDialog;
class QDockWidget;
class FindingsPanel;
class QMenu;
class QPushButton;
class QTabWidget;
class QWidget;
class results;
struct AppSettingsRecord;
struct ReportOptions;
class WalkProgress;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(int argc, char *argv[], QWidget *parent = nullptr);
    ~MainWindow() override;

    // The message store of the window; null once the window has closed.
    const results *store() const { return m_store; }
    QTabWidget *tabWidget() const { return m_tabs; }
    // The results view of a tab (a QPlainTextEdit, or a QTextEdit for S14/T14),
    // with the text of the last run.
    QWidget *resultsView(int tab);
    static QString viewPlainText(const QWidget *view);
    // The report options as the panel shows them right now.
    ReportOptions panelReportOptions() const;
    FindingsPanel *findingsPanel() const { return m_findings; }
    // The command that opens a catalogue at a line: %f stands for the file, %l
    // for the line. Empty: $VISUAL or $EDITOR with +LINE, else the desktop's
    // default application.
    void setEditorCommand(const QString &command);
    QString editorCommand() const { return m_editorCommand; }
    // Opens file at line as the editor command says; false when nothing started.
    bool openInEditor(const QString &file, int line);
    // True while a run reads and checks on its worker thread.
    bool isRunning() const;
    // Asks the running walk to stop; what was read is reported.
    void abortRun();
    // How long a run goes before its progress dialog shows, in milliseconds.
    void setProgressDelay(int milliseconds) { m_progressDelay = milliseconds; }

public slots:
    // File > Save Report As...: the last run in one of kvn's formats.
    void saveReportAs();
    void about();
    void changeLanguage();
    void clearSettings();
    // Sets the controls of the check panel as a built-in profile has them, after asking.
    void applyPanelProfile(const QString &name);
    void runChecks();
    void openFile();
    void openDirectoryFiltered();
    void batchCheckDirectory();
    void openDirectoryAll();
    void toggleTextWrap();
    void rerunChecks();
    void openTranslateDialog();

protected:
    void closeEvent(QCloseEvent *event) override;
    // During a run, drops the input meant for this window (the progress dialog
    // is a window of its own).
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Every modal question of the window goes through these, so that a test can
    // answer them without a dialog on screen.
    virtual QString askOpenFileName(const QString &caption, const QString &filter);
    virtual QString askExistingDirectory(const QString &caption, const QString &startDirectory);
    virtual QString askItem(const QString &title, const QString &label, const QStringList &items,
                            int current, bool editable, bool *ok);
    virtual QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString &title,
                                                    const QString &text,
                                                    QMessageBox::StandardButtons buttons);
    virtual int execDialog(QDialog &dialog);
    // The file to save to and, in selectedFilter, the chosen one of filters.
    virtual QString askSaveFileName(const QString &caption, const QStringList &filters,
                                    QString *selectedFilter);
    virtual QString askText(const QString &title, const QString &label, const QString &text,
                            bool *ok);

private:
    void createActions();
    void createMenus();
    void createPanel();
    void createFindingsDock();
    void askEditorCommand();
    QWidget *createTopRow();
    QWidget *createTab(const QString &tab);
    QString welcomeText() const;
    void stepTab(int step);
    void connectSignals();
    void readSettings();
    void writeSettings();
    // The options of a run: the persisted record with the panel's controls
    // that narrow what the engine finds.
    AppSettingsRecord runOptions() const;
    void buildReport(const QString &path, int fileCount);
    // Runs job on a worker thread; the event loop runs meanwhile.
    void runInBackground(const std::function<void(WalkProgress *)> &job);
    // Each tab's title with its count of findings; hides the empty ones when asked.
    void updateTabTitles();
    void showRunSummary(int fileCount, qint64 milliseconds);
    void setViewText(int tab, const QString &text, bool html);
    void showPendingText(int tab);
    QCheckBox *checkBox(const char *key) const;
    QString askDirectory();
    void warn(const QString &text);
    void inform(const QString &text);

    results *m_store = nullptr;
    bool saveOnClose = false;
    bool m_hasRun = false; // a run has shown a report
    bool m_running = false;
    bool m_closeRequested = false; // asked to close during a run
    int m_progressDelay = 500;
    std::atomic<bool> *m_runCanceled = nullptr; // the running walk's cancel flag

    QPushButton *m_openFileButton = nullptr;
    QPushButton *m_openFilteredButton = nullptr;
    QPushButton *m_openAllButton = nullptr;
    QPushButton *m_runButton = nullptr;
    QCheckBox *m_textWrapBox = nullptr;
    QCheckBox *m_printLocationBox = nullptr;
    QTabWidget *m_tabs = nullptr;
    QList<QWidget *> m_views; // one per tab, in tab order
    struct PendingText {
        QString text;
        bool html = false;
    };
    // Texts of hidden tabs, set when their tab is first shown: a large report
    // costs a text document per view, and most tabs are never looked at.
    QHash<int, PendingText> m_pendingTexts;
    QHash<int, QCheckBox *> m_checkBoxes; // the box of each check by index, fixed boxes excepted

    QAction *m_languageAct = nullptr;
    QAction *m_exitAct = nullptr;
    QAction *m_translateAct = nullptr;
    QAction *m_aboutAct = nullptr;
    QAction *m_aboutQtAct = nullptr;
    QAction *m_clearSettingsAct = nullptr;
    QAction *m_batchAct = nullptr;
    QAction *m_openAct = nullptr;
    QAction *m_openFilteredAct = nullptr;
    QAction *m_openAllAct = nullptr;
    QAction *m_runAgainAct = nullptr;
    QAction *m_hideEmptyTabsAct = nullptr;
    QAction *m_findAct = nullptr;
    QAction *m_nextFindingAct = nullptr;
    QAction *m_previousFindingAct = nullptr;
    QAction *m_editorCommandAct = nullptr;
    FindingsPanel *m_findings = nullptr;
    QMenu *m_viewMenu = nullptr;
    QDockWidget *m_findingsDock = nullptr;
    QString m_editorCommand;
    QAction *m_saveReportAct = nullptr;
    // What the report of the last run names: its path, files and time.
    QString m_reportPath;
    int m_reportFileCount = 0;
    QTime m_reportTime;
    QAction *m_previousTabAct = nullptr;
    QAction *m_nextTabAct = nullptr;
};
