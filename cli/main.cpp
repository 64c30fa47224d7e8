// kvn: the command-line front end over the engine.

#include "store/appsettings.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvn"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(KvnVersion));
    QTextStream(stdout) << "kvn " << KvnVersion << '\n';
    return 0;
}
