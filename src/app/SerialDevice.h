#pragma once

#include <QList>
#include <QString>

#include <functional>

// A serial device present on this machine, as the port dialog lists it.
struct SerialDevice {
    QString device; // the full path, "/dev/ttyUSB0"
    QString description;
    QString manufacturer;
    QString serialNumber;
    QString usbIds; // "vvvv:pppp" in hexadecimal; empty for a device that is not on USB

    bool operator==(const SerialDevice &other) const = default;
};

// Where the port dialog learns which devices are present: the system, or a test's list.
using SerialDeviceSource = std::function<QList<SerialDevice>()>;

// The serial devices the system reports now, in the order of their paths.
QList<SerialDevice> PresentSerialDevices();
