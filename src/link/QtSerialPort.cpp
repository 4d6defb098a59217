#include "QtSerialPort.h"

#include "PortDevice.h"

namespace {
constexpr qint64 ReceiveBufferSize = 1024;
constexpr int TransmitTimeoutMs = 1000;
} // namespace

QtSerialPort::QtSerialPort() {
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    port.setReadBufferSize(ReceiveBufferSize);
    port.setPortName(PortDevice(number));
}

void QtSerialPort::SetPortNumber(int value) {
    if (port.isOpen())
        return;
    number = value;
}

bool QtSerialPort::Open() {
    if (port.isOpen()) {
        error = QStringLiteral("Port already open");
        return false;
    }
    port.setPortName(PortDevice(number));
    if (!port.open(QIODevice::ReadWrite)) {
        error = port.errorString();
        if (port.error() == QSerialPort::PermissionError)
            error += QStringLiteral(" (is this user in the 'dialout' group?)");
        port.clearError();
        return false;
    }
    port.clear(QSerialPort::AllDirections);
    return true;
}

void QtSerialPort::Close() {
    if (port.isOpen())
        port.close();
    port.clearError();
}

bool QtSerialPort::Failed() {
    error = port.errorString();
    const auto kind = port.error();
    port.clearError();
    if (kind == QSerialPort::ResourceError || kind == QSerialPort::ReadError ||
        kind == QSerialPort::WriteError)
        port.close();
    return false;
}

bool QtSerialPort::Pull() {
    if (!port.isOpen()) {
        error = QStringLiteral("Port not open");
        return false;
    }
    port.waitForReadyRead(0);
    const auto kind = port.error();
    if (kind != QSerialPort::NoError && kind != QSerialPort::TimeoutError &&
        kind != QSerialPort::UnsupportedOperationError)
        return Failed();
    port.clearError();
    return true;
}

bool QtSerialPort::Write(const QByteArray &data) {
    if (!port.isOpen()) {
        error = QStringLiteral("Port not open");
        return false;
    }
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
