// Korvane: the window front end.

#include "app/assume.h"
#include "app/mainwindow.h"
#include "model/appsettings.h"

#include <QApplication>
#include <QChar>
#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // The checks treat these three characters specially.
    KVN_ASSUME(QChar(0x3000).isSpace());
    KVN_ASSUME(!QChar(0x200B).isSpace());
    KVN_ASSUME(!QChar(0x200D).isSpace());

    loadAppSettings();

    // Relative to the working directory first. A program started from a desktop
    // launcher has another working directory, so the same file beside the
    // program and the copy built into it are tried next (these need the
    // application object for the program's directory).
    const QString translation
        = QStringLiteral("translations/Korvane_%1.qm").arg(AppSettings.Language);
    QTranslator translator;
    bool translated = translator.load(translation, QString(), QString(), QString());

    QApplication app(argc, argv);
    if (!translated)
        translated
            = translator.load(QDir(QCoreApplication::applicationDirPath()).filePath(translation),
                              QString(), QString(), QString());
    if (!translated)
        translated
            = translator.load(QLatin1String(":/") + translation, QString(), QString(), QString());
    QCoreApplication::installTranslator(&translator);

    MainWindow window(argc, argv);
    if (AppSettings.LanguageRTL)
        window.setLayoutDirection(Qt::RightToLeft);
    window.show();
    return app.exec();
}
