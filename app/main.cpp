// Korvane: the window front end.

#include "app/mainwindow.h"
#include "model/appsettings.h"
#include "model/charactertables.h"

#include <QApplication>
#include <QChar>
#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTranslator>

// Start-up information, off unless asked for
// (QT_LOGGING_RULES="korvane.startup.info=true").
Q_LOGGING_CATEGORY(lcStartup, "korvane.startup", QtWarningMsg)

int main(int argc, char *argv[])
{
    assumeCharacterDatabase();

    loadAppSettings();

    // Relative to the working directory first. A program started from a desktop
    // launcher has another working directory, so the same file beside the
    // program, in the installed data folder and the copy built into the program
    // are tried next (these need the application object for the program's
    // directory).
    const QString translation
        = QStringLiteral("translations/Korvane_%1.qm").arg(AppSettings.Language);
    QTranslator translator;
    bool translated = translator.load(translation, QString(), QString(), QString());

    QApplication app(argc, argv);
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString elsewhere[] = {
        programDir.filePath(translation),
        QDir::cleanPath(programDir.filePath(QLatin1String(KVN_DATA_FROM_BIN "/") + translation)),
        QLatin1String(":/") + translation,
    };
    for (const QString &path : elsewhere) {
        if (translated)
            break;
        translated = translator.load(path, QString(), QString(), QString());
    }
    if (translated)
        qCInfo(lcStartup, "Interface translation: %s", qUtf8Printable(translator.filePath()));
    else
        qCInfo(lcStartup, "No interface translation for %s", qUtf8Printable(translation));
    QCoreApplication::installTranslator(&translator);

    MainWindow window(argc, argv);
    if (AppSettings.LanguageRTL)
        window.setLayoutDirection(Qt::RightToLeft);
    window.show();
    return app.exec();
}
