#include "sim/TcpLine.h"

#include "sim/CalsimServer.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vk220::sim {

TcpLine::TcpLine(CalsimServer &server, QObject *parent) : QTcpServer(parent), server(server) {
    connect(&server, &CalsimServer::LineClosed, this, &TcpLine::Drop);
}

TcpLine::~TcpLine() {
    Drop();
}

void TcpLine::incomingConnection(qintptr descriptor) {
    const int fd = static_cast<int>(descriptor);
    // A reply leaves at once, not when the system has gathered more.
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    const int previous = line;
    line = fd;
    server.Start(line);
    if (previous >= 0)
        ::close(previous);
}

void TcpLine::Drop() {
    if (line < 0)
        return;
    ::close(line);
    line = -1;
}

} // namespace vk220::sim
