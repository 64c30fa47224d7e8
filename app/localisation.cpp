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
    // same file beside the program, in the installed data folder and the copy
    // built into the program are tried next.
    const QString name = QStringLiteral("translations/Korvane_%1.qm").arg(language);
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        name,
        programDir.filePath(name),
        QDir::cleanPath(programDir.filePath(QLatin1String(KVN_DATA_FROM_BIN "/") + name)),
        QLatin1String(":/") + name,
    };
    auto *own = new QTranslator(qApp);
    bool found = false;
    for (const QString &path : candidates)
        if ((found = own->load(path, QString(), QString(), QString())))
            break;
    if (found)
        qCInfo(lcStartup, "Interface translation: %s", qUtf8Printable(own->filePath()));
    else
        qCInfo(lcStartup, "No interface translation for %s", qUtf8Printable(name));
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
