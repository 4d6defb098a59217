#pragma once

#include "link/NetworkPort.h"
#include "link/QtSerialPort.h"

namespace vk220::link {

// The production port: the serial port of a number, or the network port of an address, as the
// port's name says ("3", "tcp://host:4001", "rfc2217://host:4001"). Whoever holds it sees one
// serial port either way.
class SelectedPort final : public SerialPort {
public:
    SelectedPort() = default;

    void SetPortNumber(int number) override;
    int PortNumber() const override { return Active().PortNumber(); }
    void SetPortName(const QString &name) override;
    QString PortName() const override { return Active().PortName(); }
    QString Device() const override { return Active().Device(); }
    bool Open() override { return Active().Open(); }
    void Close() override { Active().Close(); }
    bool IsOpen() const override { return Active().IsOpen(); }
    bool Lost() const override { return Active().Lost(); }
    bool Write(const QByteArray &data) override { return Active().Write(data); }
    bool ReadAll(QByteArray &data) override { return Active().ReadAll(data); }
    bool CountWaiting(qint64 &count) override { return Active().CountWaiting(count); }
    QString ErrorString() const override { return Active().ErrorString(); }

private:
    SerialPort &Active() { return network ? static_cast<SerialPort &>(net) : serial; }
    const SerialPort &Active() const {
        return network ? static_cast<const SerialPort &>(net) : serial;
    }

    QtSerialPort serial;
    NetworkPort net;
    bool network = false;
};

} // namespace vk220::link
