#include "CalsimOptions.h"
#include "CalsimServer.h"
#include "PseudoTerminal.h"
#include "SignalRelay.h"

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
    const CalsimOptions options = CalsimOptions::Parse(QCoreApplication::arguments());
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
    PseudoTerminal terminal;
    if (!terminal.Open(error))
        return Fail(error);
    CalsimServer server(terminal, options.faults);
    if (!server.OpenLog(options.logFile, error))
        return Fail(error);
    const QString linkName = QStringLiteral("COM%1").arg(options.port);
    if (!terminal.CreateLink(QDir::current().absoluteFilePath(linkName), error))
        return Fail(error);

    SignalRelay relay({SIGINT, SIGTERM, SIGHUP});
    QObject::connect(&relay, &SignalRelay::Received, &application, &QCoreApplication::quit);
    QObject::connect(&server, &CalsimServer::Finished, &application, [&terminal] {
        terminal.RemoveLink();
        terminal.HangUp();
        QCoreApplication::quit();
    });
    server.Start();

    std::printf("calsim: %s -> %s\n", qPrintable(linkName), qPrintable(terminal.SlavePath()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
