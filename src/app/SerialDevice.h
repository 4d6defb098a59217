#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace vk220::app {

// A serial device present on this machine, as the port dialog lists it.
struct SerialDevice {
    QString device; // the full path, "/dev/ttyUSB0"
    QString description;
    QString manufacturer;
    QString serialNumber;
    QString usbIds; // "vvvv:pppp" in hexadecimal; empty for a device that is not on USB
    // A path that leads to the same device and keeps its name when the adapter is plugged in
    // again ("/dev/serial/by-id/usb-..."), where the device numbers may change; empty when none.
    QString stablePath{};

    bool operator==(const SerialDevice &other) const = default;
};

// Where the port dialog learns which devices are present: the system, or a test's list.
using SerialDeviceSource = std::function<QList<SerialDevice>()>;

// The serial devices the system reports now, in the order of their paths.
QList<SerialDevice> PresentSerialDevices();

// The entry of byIdFolder (the system's /dev/serial/by-id) that resolves to device; empty when
// none does.
QString StablePath(const QString &device,
                   const QString &byIdFolder = QStringLiteral("/dev/serial/by-id"));

} // namespace vk220::app
