#include "sim/CalsimOptions.h"
#include "sim/CalsimServer.h"
#include "sim/PseudoTerminal.h"
#include "sim/SignalRelay.h"
#include "sim/TcpLine.h"

#include <QCoreApplication>
#include <QDir>

#include <csignal>
#include <cstdio>

namespace {

int Fail(const QString &message) {
    std::fprintf(stderr, "calsim: %s\n", qPrintable(message));
    return 1;
}

// The line as the pseudo-terminal behind the link COMn.
int ServeTerminal(vk220::sim::CalsimServer &server, const vk220::sim::CalsimOptions &options) {
    QString error;
    vk220::sim::PseudoTerminal terminal;
    if (!terminal.Open(error))
        return Fail(error);
    const QString linkName = QStringLiteral("COM%1").arg(options.port);
    if (!terminal.CreateLink(QDir::current().absoluteFilePath(linkName), error))
        return Fail(error);
    const auto end = [&terminal] {
        terminal.RemoveLink();
        terminal.HangUp();
        QCoreApplication::quit();
    };
    QObject::connect(&server, &vk220::sim::CalsimServer::Finished, end);
    QObject::connect(&server, &vk220::sim::CalsimServer::LineClosed, end);
    server.Start(terminal.MasterFd());

    std::printf("calsim: %s -> %s\n", qPrintable(linkName), qPrintable(terminal.SlavePath()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// The line as a raw TCP port on every address of the machine, as a device server offers it.
int ServeTcp(vk220::sim::CalsimServer &server, int port) {
    // A panel that closes its end while a reply is written must not end calsim.
    std::signal(SIGPIPE, SIG_IGN);
    vk220::sim::TcpLine line(server);
    if (!line.listen(QHostAddress::Any, static_cast<quint16>(port)))
        return Fail(
            QStringLiteral("cannot listen on TCP port %1: %2").arg(port).arg(line.errorString()));
    QObject::connect(&server, &vk220::sim::CalsimServer::Finished, &QCoreApplication::quit);
    std::printf("calsim: tcp://localhost:%d\n", port);
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    const vk220::sim::CalsimOptions options =
        vk220::sim::CalsimOptions::Parse(QCoreApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "calsim: %s\n\n%s", qPrintable(options.error),
                     qPrintable(options.helpText));
        return 2;
    }
    if (options.helpRequested) {
        std::printf("%s", qPrintable(options.helpText));
        return 0;
    }
    if (options.versionRequested) {
        std::printf("calsim %s\n", VK220_VERSION);
        return 0;
    }

    vk220::sim::CalsimServer server(options.faults);
    QString error;
    if (!server.OpenLog(options.logFile, error))
        return Fail(error);
    vk220::sim::SignalRelay relay({SIGINT, SIGTERM, SIGHUP});
    QObject::connect(&relay, &vk220::sim::SignalRelay::Received, &application,
                     &QCoreApplication::quit);
    return options.tcpPort > 0 ? ServeTcp(server, options.tcpPort) : ServeTerminal(server, options);
}
