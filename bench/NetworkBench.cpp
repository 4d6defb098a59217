// The calibrator's line behind a serial device server on the loopback (ser2net bridging to
// calsim's pseudo-terminal, raw and RFC 2217, and calsim's own TCP port) against the same line as
// a local pseudo-terminal, in one run; and how long opening a dead address takes to give up.
#include "bench/BenchSupport.h"

#include "link/CalibratorLink.h"
#include "link/NetworkPort.h"
#include "link/QtSerialPort.h"
#include "link/SteadyClock.h"
#include "tests/support/CalsimProcess.h"
#include "tests/support/Ser2netProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

using namespace vk220::link;

namespace {

constexpr int Count = 30;

QList<double> Exchanges(SerialPort &port, int count) {
    SteadyClock clock;
    CalibratorLink link(port, clock);
    if (!port.Open())
        qFatal("cannot open %s: %s", qPrintable(link.PortName()), qPrintable(port.ErrorString()));
    QList<double> times;
    for (int i = 0; i < count; ++i) {
        const double start = clock.Now();
        if (!link.SendCommand(QStringLiteral("v")).endsWith(QStringLiteral("*0\r\n")))
            qFatal("no reading over %s", qPrintable(link.PortName()));
        times.append(clock.Now() - start);
    }
    port.Close();
    return times;
}

double OverNetwork(const QString &address) {
    NetworkPort port;
    port.SetPortName(address);
    return Bench::Median(Exchanges(port, Count));
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    CalsimProcess calsim(folder.path(), 1);
    if (!calsim.IsReady())
        qFatal("calsim did not start");

    QtSerialPort serial;
    serial.SetPortNumber(1);
    const double local = Bench::Median(Exchanges(serial, Count));
    Bench::Report("exchange, local pty (median of 30)", local, "s", 0.21);

    const QString device = QFileInfo(QStringLiteral("COM1")).symLinkTarget();
    for (const auto mode : {Ser2netProcess::Mode::Raw, Ser2netProcess::Mode::Telnet}) {
        Ser2netProcess server(device, mode);
        if (!server.Start())
            qFatal("ser2net did not start");
        const double network = OverNetwork(server.Address());
        const bool raw = mode == Ser2netProcess::Mode::Raw;
        Bench::Report(raw ? "exchange, ser2net raw (median of 30)"
                          : "exchange, ser2net rfc2217 (median of 30)",
                      network, "s", 1.05 * local);
        Bench::Report(raw ? "  ratio to the local pty (raw)" : "  ratio to the local pty (rfc2217)",
                      network / local, "x", 1.05);
    }

    QProcess tcp;
    const quint16 tcpPort = Ser2netProcess::FreePort();
    tcp.start(QStringLiteral(CALSIM_PATH), {QStringLiteral("--tcp"), QString::number(tcpPort)});
    if (!tcp.waitForReadyRead(10000))
        qFatal("calsim --tcp did not start");
    const double direct = OverNetwork(QStringLiteral("tcp://127.0.0.1:%1").arg(tcpPort));
    Bench::Report("exchange, calsim --tcp (median of 30)", direct, "s", 1.05 * local);
    Bench::Report("  ratio to the local pty (calsim --tcp)", direct / local, "x", 1.05);
    tcp.terminate();
    tcp.waitForFinished(5000);

    // An address of the documentation range: nothing answers there, or no route leads there.
    NetworkPort dead;
    dead.SetPortName(QStringLiteral("tcp://192.0.2.1:4001"));
    SteadyClock clock;
    const double start = clock.Now();
    dead.Open();
    Bench::Report("open, dead address (gives up)", clock.Now() - start, "s", 5.0);
    std::printf("  (%s)\n", qPrintable(dead.ErrorString()));
    // A server that accepts (the system does it for a listening socket) and never answers the
    // COM port control option: the whole bound is waited.
    QTcpServer mute;
    mute.listen(QHostAddress::LocalHost);
    NetworkPort silent;
    silent.SetPortName(QStringLiteral("rfc2217://127.0.0.1:%1").arg(mute.serverPort()));
    const double silentStart = clock.Now();
    silent.Open();
    Bench::Report("open, mute rfc2217 server (gives up)", clock.Now() - silentStart, "s", 5.0);
    std::printf("  (%s)\n", qPrintable(silent.ErrorString()));
    return 0;
}
