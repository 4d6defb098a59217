#include "link/PortDevice.h"

#include <QDir>
#include <QFileInfo>

namespace vk220::link {

QString PortDevice(int number) {
    const QString name = PortLinkName(number);
#ifdef Q_OS_WIN
    return name;
#else
    const QFileInfo local(QDir::current().filePath(name));
    if (!local.exists() && !local.isSymLink())
        return QStringLiteral("/dev/ttyS%1").arg(number - 1);
    // The device itself, not the link: the serial port's lock file then names the device, as
    // every other program that opens it names it.
    const QString device = local.canonicalFilePath();
    return device.isEmpty() ? local.absoluteFilePath() : device;
#endif
}

QString PortLinkName(int number) {
    return QStringLiteral("COM%1").arg(number);
}

} // namespace vk220::link
