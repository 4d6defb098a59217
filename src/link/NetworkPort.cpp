#include "link/NetworkPort.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QScopeGuard>
#include <QTimer>

namespace vk220::link {

namespace {
constexpr int TransmitTimeoutMs = 1000;
// The pause before a device server that turned the connection away is asked again.
constexpr int RetryStepMs = 50;
// A raw connection is watched this long beyond the time it took to connect for the server's word
// that it is turned away.
constexpr int GreetingMarginMs = 100;
} // namespace

void NetworkPort::SetPortName(const QString &value) {
    if (open || opening != Opening::No)
        return;
    name = value.trimmed();
    unanswered.clear(); // the operator's choice is tried at once, even the same host again
}

bool NetworkPort::Open() {
    if (open || opening != Opening::No) {
        error = open ? QStringLiteral("Port already open")
                     : QStringLiteral("%1: the port is still opening").arg(name);
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
    opening = Opening::Running;
    const auto done = qScopeGuard([this] { opening = Opening::No; });
    const QDeadlineTimer deadline(connectTimeoutMs);
    // A device server still releasing the line for the connection before (the panel closes its
    // port and opens it again at once) turns the new one away: it is asked again within the bound.
    Attempt attempt = Connect(*address, deadline);
    while (attempt == Attempt::TurnedAway && deadline.remainingTime() > RetryStepMs) {
        socket.abort();
        Await(QDeadlineTimer(RetryStepMs));
        if (opening != Opening::Running)
            break;
        attempt = Connect(*address, deadline);
    }
    if (opening != Opening::Running) {
        error = QStringLiteral("%1: closed while opening").arg(name);
        attempt = Attempt::Failed;
    }
    if (attempt != Attempt::Open) {
        socket.abort();
        if (attempt == Attempt::Unanswered) {
            unanswered = name;
            retryAfter.setRemainingTime(RetryPauseMs);
        }
        return false;
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
    QElapsedTimer took;
    took.start();
    socket.connectToHost(address.host, address.port);
    while (socket.state() != QAbstractSocket::ConnectedState &&
           socket.state() != QAbstractSocket::UnconnectedState && Await(deadline)) {
    }
    if (socket.state() != QAbstractSocket::ConnectedState) {
        const bool silent = socket.state() != QAbstractSocket::UnconnectedState;
        error = silent ? QStringLiteral("%1: no answer within %2 s")
                             .arg(name)
                             .arg(connectTimeoutMs / 1000.0)
                       : QStringLiteral("%1: %2").arg(name, socket.errorString());
        return silent ? Attempt::Unanswered : Attempt::Failed;
    }
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (telnet)
        return Negotiate(address, deadline);
    // A raw connection carries nothing before the first command but the word of a server that
    // turns it away ("Port already in use") and closes it, which comes as soon as the server
    // takes the connection: about the time the connection took.
    const QDeadlineTimer greeting(
        qMin(deadline.remainingTime(), took.elapsed() + GreetingMarginMs));
    do {
        received += socket.readAll();
    } while (socket.state() == QAbstractSocket::ConnectedState && Await(greeting));
    return socket.state() == QAbstractSocket::ConnectedState ? Attempt::Open : TurnedAway();
}

// Asks for the COM port control option and, once the server agrees, sets the line.
NetworkPort::Attempt NetworkPort::Negotiate(const NetworkAddress &address,
                                            const QDeadlineTimer &deadline) {
    // Answers what came until `settled` holds, the connection closes or the deadline passes.
    const auto converse = [&](const auto &settled) {
        do {
            QByteArray answers;
            codec.Receive(socket.readAll(), received, answers);
            if (!answers.isEmpty())
                socket.write(answers);
        } while (!settled() && socket.state() == QAbstractSocket::ConnectedState &&
                 Await(deadline));
    };
    socket.write(codec.Opening());
    converse([this] { return codec.State() != TelnetCodec::ComPort::Asked; });
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
    converse([this] { return codec.LineConfirmed(); });
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

bool NetworkPort::Await(const QDeadlineTimer &deadline) {
    if (socket.bytesAvailable() > 0)
        return true;
    if (opening != Opening::Running || deadline.hasExpired())
        return false;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(deadline.remainingTime()), &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QAbstractSocket::stateChanged, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QIODevice::readyRead, &loop, &QEventLoop::quit);
    loop.exec();
    return opening == Opening::Running && (socket.bytesAvailable() > 0 || !deadline.hasExpired());
}

void NetworkPort::Close() {
    if (opening == Opening::Running)
        opening = Opening::Cancelled;
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
