// The version both front ends show: the window's About box and kvn --version
// name the version of the project, and the same one.

#include "app/mainwindow.h"

#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

// Keeps the About box instead of showing it.
class AboutWindow : public MainWindow
{
public:
    AboutWindow()
        : MainWindow(0, nullptr)
    { }
    QString heading;

protected:
    int execDialog(QDialog &dialog) override
    {
        if (const auto *box = qobject_cast<QMessageBox *>(&dialog))
            heading = box->text();
        return 0;
    }
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void versionOfTheProject()
    {
        AboutWindow window;
        window.about();
        QCOMPARE(window.heading, QStringLiteral("<h1>KVN - Korvane " KVN_PROJECT_VERSION "</h1>"));

        QProcess kvn;
        kvn.start(QStringLiteral(KVN_BINARY), {QStringLiteral("--version")});
        QVERIFY(kvn.waitForFinished(30000));
        QCOMPARE(kvn.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(kvn.readAllStandardOutput()),
                 QStringLiteral("kvn " KVN_PROJECT_VERSION "\n"));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_gui_about.moc"
