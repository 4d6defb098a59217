#include "PortDevice.h"

#include <QDir>
#include <QFileInfo>

QString PortDevice(int number) {
    const QString name = PortLinkName(number);
#ifdef Q_OS_WIN
    return name;
#else
    const QFileInfo local(QDir::current().filePath(name));
    if (local.exists() || local.isSymLink())
        return local.absoluteFilePath();
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

QString PortLinkName(int number) {
    return QStringLiteral("COM%1").arg(number);
}
