// Korvane: the window front end.

#include "app/assume.h"
#include "app/localisation.h"
#include "app/mainwindow.h"
#include "model/appsettings.h"

#include <QApplication>
#include <QChar>

int main(int argc, char *argv[])
{
    // The checks treat these three characters specially.
    KVN_ASSUME(QChar(0x3000).isSpace());
    KVN_ASSUME(!QChar(0x200B).isSpace());
    KVN_ASSUME(!QChar(0x200D).isSpace());

    loadAppSettings();
    QApplication app(argc, argv);
    installInterfaceLanguage(AppSettings.Language, AppSettings.LanguageRTL);

    MainWindow window(argc, argv);
    window.show();
    return app.exec();
}
