#include "SerialDevice.h"

#include <QSerialPortInfo>

#include <algorithm>

QList<SerialDevice> PresentSerialDevices() {
    QList<SerialDevice> devices;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        SerialDevice device{info.systemLocation(),
                            info.description(),
                            info.manufacturer(),
                            info.serialNumber(),
                            {}};
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
