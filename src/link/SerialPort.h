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
