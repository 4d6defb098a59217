#include "tests/support/FakeSerialPort.h"

#include "link/PortDevice.h"
#include "tests/support/VirtualClock.h"

using namespace vk220::link;

FakeSerialPort::FakeSerialPort(const VirtualClock &clock) : clock(clock) {
    responder = [](const QString &) {
        return QList<Chunk>{{0.05, Marker}};
    };
}

FakeSerialPort::~FakeSerialPort() {
    if (!hazards.isEmpty())
        qFatal("hazards sent to the calibrator:\n%s", qPrintable(hazards.join('\n')));
}

void FakeSerialPort::AnswerAll(const QByteArray &reply) {
    responder = [reply](const QString &) {
        return QList<Chunk>{{0.05, reply + Marker}};
    };
}

void FakeSerialPort::AnswerReading(const QByteArray &counts) {
    responder = [counts](const QString &line) {
        return QList<Chunk>{{0.05, (line == QLatin1String("v") ? counts : QByteArray()) + Marker}};
    };
}

QString FakeSerialPort::Device() const {
    return device.isEmpty() ? PortDevice(number) : device;
}

bool FakeSerialPort::Open() {
    ++opens;
    if (!openError.isEmpty()) {
        error = openError;
        return false;
    }
    if (open) {
        error = QStringLiteral("Port already open");
        return false;
    }
    open = true;
    lost = false;
    device = PortDevice(number);
    return true;
}

void FakeSerialPort::HangUp(const QString &description) {
    error = description;
    open = false;
    lost = true;
}

bool FakeSerialPort::Fault() {
    if (!open) {
        error = QStringLiteral("Port not open");
        return true;
    }
    if (!ioError.isEmpty()) {
        error = ioError;
        ioError.clear();
        open = false;
        lost = true;
        return true;
    }
    return false;
}

bool FakeSerialPort::Write(const QByteArray &data) {
    if (Fault())
        return false;
    const QByteArray text = data.chopped(1);
    const QString hazard = referee.Judge(text);
    if (!hazard.isEmpty())
        hazards.append(hazard);
    const QString line = QString::fromLatin1(text);
    written.append(line);
    for (const Chunk &chunk : responder(line))
        pending.append({clock.Now() + chunk.delay, chunk.bytes});
    return true;
}

QByteArray FakeSerialPort::Arrived() {
    QByteArray bytes;
    while (!pending.isEmpty() && pending.first().at <= clock.Now())
        bytes += pending.takeFirst().bytes;
    return bytes;
}

bool FakeSerialPort::ReadAll(QByteArray &data) {
    if (Fault())
        return false;
    data += Arrived();
    return true;
}

bool FakeSerialPort::CountWaiting(qint64 &count) {
    if (Fault())
        return false;
    count = 0;
    for (const Arrival &arrival : pending) {
        if (arrival.at > clock.Now())
            break;
        count += arrival.bytes.size();
    }
    return true;
}
