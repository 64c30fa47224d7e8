#include "app/localisation.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

// Start-up information, off unless asked for
// (QT_LOGGING_RULES="korvane.startup.info=true").
Q_LOGGING_CATEGORY(lcStartup, "korvane.startup", QtWarningMsg)

QStringList qtTranslationFolders()
{
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
}

bool installInterfaceLanguage(const QString &language, bool rightToLeft)
{
    // The program's own: relative to the working directory first. A program
    // started from a desktop launcher has another working directory, so the
    // same file beside the program and the copy built into it are tried next.
    const QString name = QStringLiteral("translations/Korvane_%1.qm").arg(language);
    auto *own = new QTranslator(qApp);
    const bool found = own->load(name, QString(), QString(), QString())
                       || own->load(QDir(QCoreApplication::applicationDirPath()).filePath(name),
                                    QString(), QString(), QString())
                       || own->load(QLatin1String(":/") + name, QString(), QString(), QString());
    QCoreApplication::installTranslator(own);

    auto *qt = new QTranslator(qApp);
    for (const QString &folder : qtTranslationFolders())
        if (qt->load(QStringLiteral("qtbase_") + language, folder)) {
            QCoreApplication::installTranslator(qt);
            break;
        }

    // Set explicitly, so that Qt's translation does not choose the direction
    // of its own: the stored flag decides, with or without translations.
    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    return found;
}
