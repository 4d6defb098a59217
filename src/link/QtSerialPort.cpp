#include "link/QtSerialPort.h"

#include "link/PortDevice.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace vk220::link {

namespace {
constexpr qint64 ReceiveBufferSize = 1024;
constexpr int TransmitTimeoutMs = 1000;

// Whether this user may read and write the device. Qt reports a port held by another program
// (its lock file, or the exclusive mode it set: EBUSY) as a permission error too; when the user
// has the rights, that is what the error means.
bool MayUse(const QString &device) {
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(device);
    return true; // Windows reports a port opened by another program as access denied
#endif
}

bool IsLineFault(QSerialPort::SerialPortError kind) {
    return kind == QSerialPort::ResourceError || kind == QSerialPort::ReadError ||
           kind == QSerialPort::WriteError;
}
} // namespace

QtSerialPort::QtSerialPort() {
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    port.setReadBufferSize(ReceiveBufferSize);
    port.setPortName(PortDevice(number));
    // Queued: the port is not closed from inside its own notification.
    QObject::connect(
        &port, &QSerialPort::errorOccurred, &port, [this] { DropIfFaulty(); },
        Qt::QueuedConnection);
}

void QtSerialPort::DropIfFaulty() {
    if (port.isOpen() && IsLineFault(port.error()))
        Failed();
}

void QtSerialPort::SetPortNumber(int value) {
    if (port.isOpen())
        return;
    if (value != number)
        openedDevice.clear(); // the device of another number
    number = value;
}

QString QtSerialPort::Device() const {
    return openedDevice.isEmpty() ? PortDevice(number) : openedDevice;
}

bool QtSerialPort::Open() {
    if (port.isOpen()) {
        error = QStringLiteral("Port already open");
        return false;
    }
    const QString device = PortDevice(number);
    port.setPortName(device);
    if (!port.open(QIODevice::ReadWrite)) {
        error = QStringLiteral("%1: %2").arg(device, port.errorString());
        if (port.error() == QSerialPort::PermissionError)
            error += MayUse(device) ? QStringLiteral(" (the port is in use by another program)")
                                    : QStringLiteral(" (is this user in the 'dialout' group?)");
        port.clearError();
        openFailure = error;
        return false;
    }
    openFailure.clear();
    openedDevice = device;
    lost = false;
    port.clear(QSerialPort::AllDirections);
    return true;
}

void QtSerialPort::Close() {
    if (port.isOpen())
        port.close();
    port.clearError();
    lost = false;
}

bool QtSerialPort::NotOpen() {
    if (lost)
        return false; // the fault that closed it stays the description
    // Why the last open failed says more to the operator than that the port is closed.
    error = openFailure.isEmpty() ? QStringLiteral("Port not open")
                                  : QStringLiteral("Port not open (%1)").arg(openFailure);
    return false;
}

bool QtSerialPort::Failed() {
    error = port.errorString();
    const auto kind = port.error();
    port.clearError();
    if (IsLineFault(kind)) {
        port.close();
        lost = true;
    }
    return false;
}

bool QtSerialPort::Pull() {
    if (!port.isOpen())
        return NotOpen();
    port.waitForReadyRead(0);
    const auto kind = port.error();
    if (kind != QSerialPort::NoError && kind != QSerialPort::TimeoutError &&
        kind != QSerialPort::UnsupportedOperationError)
        return Failed();
    port.clearError();
    return true;
}

bool QtSerialPort::Write(const QByteArray &data) {
    if (!port.isOpen())
        return NotOpen();
    if (port.write(data) != data.size() || !port.waitForBytesWritten(TransmitTimeoutMs))
        return Failed();
    return true;
}

bool QtSerialPort::ReadAll(QByteArray &data) {
    if (!Pull())
        return false;
    data += port.readAll();
    return true;
}

bool QtSerialPort::CountWaiting(qint64 &count) {
    if (!Pull())
        return false;
    count = port.bytesAvailable();
    return true;
}

} // namespace vk220::link
