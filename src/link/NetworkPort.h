#pragma once

#include "link/NetworkAddress.h"
#include "link/SerialPort.h"
#include "link/TelnetCodec.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

namespace vk220::link {

// The calibrator's line behind a serial device server, polled like the serial port: a raw TCP
// stream, or telnet with the COM port control option, which sets the line to 9600 baud, 8 data
// bits, no parity, 1 stop bit. A connection the server drops is a lost port. Opening waits at most
// ConnectTimeoutMs for the server (and its answer to the option), so a host that does not answer
// never holds the panel longer, and such a host is tried again only after RetryPauseMs. The wait
// runs the program's events, as a reply wait does: the windows repaint and take clicks meanwhile.
// An opening asked for during that wait (a command of a timer tick) fails at once; a Close ends
// the wait, and the opening fails.
class NetworkPort final : public SerialPort {
public:
    static constexpr int ConnectTimeoutMs = 4000;
    // After a host left an opening unanswered, the openings within this pause fail at once.
    static constexpr int RetryPauseMs = 15000;

    explicit NetworkPort(int connectTimeoutMs = ConnectTimeoutMs)
        : connectTimeoutMs(connectTimeoutMs) {}

    // A network port has no number: the address is its name.
    void SetPortNumber(int) override {}
    int PortNumber() const override { return 0; }
    void SetPortName(const QString &name) override;
    QString PortName() const override { return name; }
    QString Device() const override { return name; }
    bool Open() override;
    void Close() override;
    bool IsOpen() const override { return open; }
    bool Lost() const override { return lost; }
    bool Write(const QByteArray &data) override;
    bool ReadAll(QByteArray &data) override;
    bool CountWaiting(qint64 &count) override;
    QString ErrorString() const override { return error; }

private:
    enum class Attempt { Open, Failed, Unanswered, TurnedAway };
    enum class Opening { No, Running, Cancelled };

    Attempt Connect(const NetworkAddress &address, const QDeadlineTimer &deadline);
    Attempt Negotiate(const NetworkAddress &address, const QDeadlineTimer &deadline);
    Attempt TurnedAway();
    // Runs the program's events until the socket has news (connected, data, closed) or the
    // deadline; true at once when data is waiting, false at the deadline or once the port is
    // closed.
    bool Await(const QDeadlineTimer &deadline);
    // Moves what the socket received into `received`, answering the server's telnet requests.
    bool Pull();
    // Records a fault of the connection, which closes it: the server or the network has gone.
    bool Dropped();

    int connectTimeoutMs;
    QTcpSocket socket;
    TelnetCodec codec;
    QString name;
    bool telnet = false;
    bool open = false;
    bool lost = false;
    Opening opening = Opening::No;
    QByteArray received;
    QString error;
    QString unanswered;
    QDeadlineTimer retryAfter;
};

} // namespace vk220::link
