// Korvane: the window front end.

#include "app/localisation.h"
#include "app/mainwindow.h"
#include "model/appsettings.h"
#include "model/charactertables.h"

#include <QApplication>
#include <QChar>

int main(int argc, char *argv[])
{
    assumeCharacterDatabase();

    loadAppSettings();
    QApplication app(argc, argv);
    installInterfaceLanguage(AppSettings.Language, AppSettings.LanguageRTL);

    MainWindow window(argc, argv);
    window.show();
    return app.exec();
}
