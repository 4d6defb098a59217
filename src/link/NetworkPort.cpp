#include "link/NetworkPort.h"

#include <QThread>

namespace vk220::link {

namespace {
constexpr int TransmitTimeoutMs = 1000;
// The pause before a device server that turned the connection away is asked again.
constexpr int RetryStepMs = 50;
} // namespace

void NetworkPort::SetPortName(const QString &value) {
    if (open)
        return;
    name = value.trimmed();
    unanswered.clear(); // the operator's choice is tried at once, even the same host again
}

bool NetworkPort::Open() {
    if (open) {
        error = QStringLiteral("Port already open");
        return false;
    }
    const std::optional<NetworkAddress> address = NetworkAddress::Parse(name);
    if (!address) {
        error = QStringLiteral("%1: not a network port (tcp://host:port or rfc2217://host:port)")
                    .arg(name);
        return false;
    }
    // A host that did not answer is not waited for again at every command that finds the port
    // lost: until the pause has passed, the same answer comes at once.
    if (name == unanswered && !retryAfter.hasExpired())
        return false;
    unanswered.clear();
    telnet = address->kind == NetworkAddress::Kind::Telnet;
    const QDeadlineTimer deadline(connectTimeoutMs);
    // A device server still releasing the line for the connection before (the panel closes its
    // port and opens it again at once) turns the new one away: it is asked again within the bound.
    Attempt attempt = Connect(*address, deadline);
    while (attempt == Attempt::TurnedAway && deadline.remainingTime() > RetryStepMs) {
        QThread::msleep(RetryStepMs);
        attempt = Connect(*address, deadline);
    }
    if (attempt != Attempt::Open) {
        socket.abort();
        return attempt == Attempt::Unanswered ? Unanswered() : false;
    }
    open = true;
    lost = false;
    received.clear(); // what the line held before the port opened is not an answer
    return true;
}

NetworkPort::Attempt NetworkPort::Connect(const NetworkAddress &address,
                                          const QDeadlineTimer &deadline) {
    socket.abort();
    received.clear();
    codec = TelnetCodec();
    socket.connectToHost(address.host, address.port);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
        const bool silent = socket.error() == QAbstractSocket::SocketTimeoutError;
        error = silent ? QStringLiteral("%1: no answer within %2 s")
                             .arg(name)
                             .arg(connectTimeoutMs / 1000.0)
                       : QStringLiteral("%1: %2").arg(name, socket.errorString());
        return silent ? Attempt::Unanswered : Attempt::Failed;
    }
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return telnet ? Negotiate(address, deadline) : Attempt::Open;
}

// Asks for the COM port control option and, once the server agrees, sets the line.
NetworkPort::Attempt NetworkPort::Negotiate(const NetworkAddress &address,
                                            const QDeadlineTimer &deadline) {
    socket.write(codec.Opening());
    while (codec.State() == TelnetCodec::ComPort::Asked && !deadline.hasExpired() &&
           socket.state() == QAbstractSocket::ConnectedState) {
        socket.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
        QByteArray answers;
        codec.Receive(socket.readAll(), received, answers);
        socket.write(answers);
    }
    switch (codec.State()) {
    case TelnetCodec::ComPort::Refused:
        error = QStringLiteral("%1: the device server refuses the COM port control option "
                               "(RFC 2217); serve the port with it, or use tcp://%2:%3")
                    .arg(name, address.host)
                    .arg(address.port);
        return Attempt::Failed;
    case TelnetCodec::ComPort::Asked:
        if (socket.state() != QAbstractSocket::ConnectedState)
            return TurnedAway();
        error = QStringLiteral("%1: the device server did not answer the COM port control "
                               "option (RFC 2217) within %2 s")
                    .arg(name)
                    .arg(connectTimeoutMs / 1000.0);
        return Attempt::Unanswered;
    case TelnetCodec::ComPort::Accepted:
        break;
    }
    // The server confirms the baud rate once it holds the line; one that cannot have it (still
    // held for the connection before) closes the connection instead.
    socket.write(TelnetCodec::LineSettings());
    while (!codec.LineConfirmed() && !deadline.hasExpired() &&
           socket.state() == QAbstractSocket::ConnectedState) {
        socket.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
        QByteArray answers;
        codec.Receive(socket.readAll(), received, answers);
        socket.write(answers);
    }
    if (codec.LineConfirmed())
        return Attempt::Open;
    if (socket.state() != QAbstractSocket::ConnectedState)
        return TurnedAway();
    error = QStringLiteral("%1: the device server did not confirm the line settings within %2 s")
                .arg(name)
                .arg(connectTimeoutMs / 1000.0);
    return Attempt::Unanswered;
}

// What the server said as it closed ("Port's device already in use") tells why.
NetworkPort::Attempt NetworkPort::TurnedAway() {
    const QString said = QString::fromLatin1(received).simplified();
    error = QStringLiteral("%1: the device server closed the connection%2")
                .arg(name, said.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(said));
    return Attempt::TurnedAway;
}

bool NetworkPort::Unanswered() {
    unanswered = name;
    retryAfter.setRemainingTime(RetryPauseMs);
    return false;
}

void NetworkPort::Close() {
    socket.abort();
    open = false;
    lost = false;
    received.clear();
}

bool NetworkPort::Dropped() {
    error = socket.error() == QAbstractSocket::RemoteHostClosedError ||
                    socket.error() == QAbstractSocket::UnknownSocketError
                ? QStringLiteral("The device server closed the connection")
                : socket.errorString();
    socket.abort();
    open = false;
    lost = true;
    return false;
}

bool NetworkPort::Pull() {
    if (!open) {
        if (!lost)
            error = QStringLiteral("Port not open");
        return false;
    }
    socket.waitForReadyRead(0);
    const QByteArray bytes = socket.readAll();
    if (telnet) {
        QByteArray answers;
        codec.Receive(bytes, received, answers);
        if (!answers.isEmpty())
            socket.write(answers);
    } else {
        received += bytes;
    }
    // What the server sent before it closed is read first; then the connection counts as lost.
    if (received.isEmpty() && socket.state() != QAbstractSocket::ConnectedState)
        return Dropped();
    return true;
}

bool NetworkPort::Write(const QByteArray &data) {
    if (!Pull())
        return false;
    const QByteArray wire = telnet ? TelnetCodec::Escape(data) : data;
    if (socket.write(wire) != wire.size() ||
        (!socket.waitForBytesWritten(TransmitTimeoutMs) && socket.bytesToWrite() > 0))
        return Dropped();
    return true;
}

bool NetworkPort::ReadAll(QByteArray &data) {
    if (!Pull())
        return false;
    data += received;
    received.clear();
    return true;
}

bool NetworkPort::CountWaiting(qint64 &count) {
    if (!Pull())
        return false;
    count = received.size();
    return true;
}

} // namespace vk220::link
