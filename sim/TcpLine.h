#pragma once

#include <QTcpServer>

namespace vk220::sim {

class CalsimServer;

// The calibrator's line as a raw TCP port, as a serial device server would offer it: one
// connection at a time is the line, as a serial line has one other end. The newest connection
// takes it, and the one before is closed, so a panel that reconnects at once is never turned
// away by its own connection that the system has not yet reported closed; every connection finds
// the same calibrator as the last one left it.
class TcpLine final : public QTcpServer {
    Q_OBJECT
public:
    explicit TcpLine(CalsimServer &server, QObject *parent = nullptr);
    ~TcpLine() override;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void Drop();

    CalsimServer &server;
    int line = -1;
};

} // namespace vk220::sim
