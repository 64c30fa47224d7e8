// Times the window on one file or directory, offscreen: the run (reading,
// checks, catalogue pass and report assembly, as "Run Checks" does it) and the
// filling of all 50 results views, which the window otherwise defers until a
// tab is shown. Not a test: bench/bench.sh runs it.
//
// usage: QT_QPA_PLATFORM=offscreen windowbench [--settings FILE.ini] PATH
// Prints "run_s views_s total_s" on standard output. The window never closes
// through closeEvent, so the user's settings store is neither read nor written.
//
// For screenshots: KVN_LANGUAGE=ar (an interface language, right to left for ar)
// and KVN_SCREENSHOT=FILE.png save the window after the run, at the size the
// window chose for the screen (run it under xvfb-run -s "-screen 0 1024x768x24").

#include "app/localisation.h"
#include "app/mainwindow.h"
#include "model/appsettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextStream>
#include <cstdio>

namespace {

// Answers the directory and file dialogs with the path; message boxes go to
// standard error instead of waiting for a click.
class BenchWindow : public MainWindow
{
public:
    explicit BenchWindow(const QString &path)
        : MainWindow(0, nullptr)
        , m_path(path)
    { }

protected:
    QString askOpenFileName(const QString &, const QString &) override { return m_path; }
    QString askExistingDirectory(const QString &, const QString &) override { return m_path; }
    QMessageBox::StandardButton showMessage(QMessageBox::Icon, const QString &, const QString &text,
                                            QMessageBox::StandardButtons) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return QMessageBox::Ok;
    }

private:
    QString m_path;
};

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString settings;
    if (arguments.size() == 3 && arguments.first() == QLatin1String("--settings")) {
        settings = arguments.at(1);
        arguments = arguments.mid(2);
    }
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: windowbench [--settings FILE.ini] PATH\n");
        return 2;
    }
    // Defaults, or the INI file: never the user's settings store.
    loadAppSettings(settings.isEmpty() ? QStringLiteral("/dev/null") : settings);
    applyControlLimits(AppSettings);
    const QString language = qEnvironmentVariable("KVN_LANGUAGE");
    if (!language.isEmpty())
        installInterfaceLanguage(language, language == QLatin1String("ar"));

    QElapsedTimer total;
    total.start();
    BenchWindow window(arguments.first());
    window.show();
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    if (QFileInfo(arguments.first()).isDir())
        window.openDirectoryAll();
    else
        window.openFile();
    QCoreApplication::processEvents();
    const double run = timer.nsecsElapsed() / 1e9;

    timer.restart();
    for (int tab = 0; tab < window.tabWidget()->count(); ++tab)
        window.resultsView(tab);
    QCoreApplication::processEvents();
    const double views = timer.nsecsElapsed() / 1e9;

    const QString screenshot = qEnvironmentVariable("KVN_SCREENSHOT");
    if (!screenshot.isEmpty() && !window.grab().save(screenshot))
        std::fprintf(stderr, "windowbench: cannot write %s\n", qPrintable(screenshot));
    QTextStream(stdout) << QString::asprintf("%.3f %.3f %.3f\n", run, views,
                                             total.nsecsElapsed() / 1e9);
    return 0;
}
