#pragma once

#include <QByteArray>
#include <QString>

namespace vk220::link {

// The one serial line to the calibrator, as the link needs it. Every operation that can fail
// returns false and leaves the platform's description of the fault in ErrorString().
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Applied only while the port is closed.
    virtual void SetPortNumber(int number) = 0;
    virtual int PortNumber() const = 0;
    // The device the port last opened for its number; before that, the one the number stands for
    // now. A link "COMn" that has gone since (and the failed reopening that finds "COMn" gone)
    // does not change it.
    virtual QString Device() const = 0;
    // The port as the operator names it and "Settings.txt" keeps it: its number ("3"), or, for a
    // port that reaches the line over the network, its address ("tcp://host:4001"). Applied only
    // while the port is closed; a port of numbers only takes the name's number.
    virtual void SetPortName(const QString &name) { SetPortNumber(name.trimmed().toInt()); }
    virtual QString PortName() const { return QString::number(PortNumber()); }

    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // True when the port closed itself after a fault on the line (a hang-up, a device gone),
    // until it is opened or closed again.
    virtual bool Lost() const = 0;

    virtual bool Write(const QByteArray &data) = 0;
    // Takes every character waiting; appends them to `data`.
    virtual bool ReadAll(QByteArray &data) = 0;
    virtual bool CountWaiting(qint64 &count) = 0;

    virtual QString ErrorString() const = 0;
};

} // namespace vk220::link
