#pragma once

#include <QTcpServer>

namespace vk220::sim {

class CalsimServer;

// The calibrator's line as a raw TCP port, as a serial device server would offer it: one
// connection at a time is the line (another is closed at once, as a serial line has one other
// end); when it closes, the next connection is the line, to the same calibrator.
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
