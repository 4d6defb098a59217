#include "sim/CalsimOptions.h"
#include "sim/CalsimServer.h"
#include "sim/PseudoTerminal.h"
#include "sim/SignalRelay.h"

#include <QCoreApplication>
#include <QDir>

#include <csignal>
#include <cstdio>

namespace {

int Fail(const QString &message) {
    std::fprintf(stderr, "calsim: %s\n", qPrintable(message));
    return 1;
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

    QString error;
    vk220::sim::PseudoTerminal terminal;
    if (!terminal.Open(error))
        return Fail(error);
    vk220::sim::CalsimServer server(terminal, options.faults);
    if (!server.OpenLog(options.logFile, error))
        return Fail(error);
    const QString linkName = QStringLiteral("COM%1").arg(options.port);
    if (!terminal.CreateLink(QDir::current().absoluteFilePath(linkName), error))
        return Fail(error);

    vk220::sim::SignalRelay relay({SIGINT, SIGTERM, SIGHUP});
    QObject::connect(&relay, &vk220::sim::SignalRelay::Received, &application,
                     &QCoreApplication::quit);
    QObject::connect(&server, &vk220::sim::CalsimServer::Finished, &application, [&terminal] {
        terminal.RemoveLink();
        terminal.HangUp();
        QCoreApplication::quit();
    });
    server.Start();

    std::printf("calsim: %s -> %s\n", qPrintable(linkName), qPrintable(terminal.SlavePath()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
