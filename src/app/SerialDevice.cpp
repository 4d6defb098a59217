#include "app/SerialDevice.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

namespace vk220::app {

QList<SerialDevice> PresentSerialDevices() {
    QList<SerialDevice> devices;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        SerialDevice device{info.systemLocation(),
                            info.description(),
                            info.manufacturer(),
                            info.serialNumber(),
                            {},
                            StablePath(info.systemLocation())};
        if (info.hasVendorIdentifier() && info.hasProductIdentifier())
            device.usbIds = QStringLiteral("%1:%2")
                                .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                                .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
        devices.append(device);
    }
    std::sort(devices.begin(), devices.end(),
              [](const SerialDevice &a, const SerialDevice &b) { return a.device < b.device; });
    return devices;
}

QString StablePath(const QString &device, const QString &byIdFolder) {
    const QString wanted = QFileInfo(device).canonicalFilePath();
    if (wanted.isEmpty())
        return {};
    const QDir folder(byIdFolder);
    for (const QString &name : folder.entryList(QDir::System | QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(name);
        if (QFileInfo(path).canonicalFilePath() == wanted)
            return path;
    }
    return {};
}

} // namespace vk220::app
