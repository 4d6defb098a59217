#pragma once

#include "link/SerialPort.h"

#include <QSerialPort>

namespace vk220::link {

// The production port: 9600 baud, 8 data bits, no parity, 1 stop bit, polled reception.
class QtSerialPort final : public SerialPort {
public:
    QtSerialPort();

    void SetPortNumber(int number) override;
    int PortNumber() const override { return number; }
    QString Device() const override;
    bool Open() override;
    void Close() override;
    bool IsOpen() const override { return port.isOpen(); }
    bool Lost() const override { return lost; }
    bool Write(const QByteArray &data) override;
    bool ReadAll(QByteArray &data) override;
    bool CountWaiting(qint64 &count) override;
    QString ErrorString() const override { return error; }

private:
    // Records a fault of the open port; a hardware fault closes it, because a port whose device
    // hung up reports the same error thousands of times a second while it stays open.
    bool Failed();
    bool Pull();
    bool NotOpen();
    // A fault the port reported while no exchange polled it: the device went away while idle.
    // Closed at once, or Qt's read notifier would keep firing on the dead line.
    void DropIfFaulty();

    QSerialPort port;
    int number = 1;
    // The device of the last successful open of this number.
    QString openedDevice;
    QString error;
    bool lost = false;
    // The description of the last failed open, until an open succeeds.
    QString openFailure;
};

} // namespace vk220::link
