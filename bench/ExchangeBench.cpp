// One exchange with a prompt simulated calibrator over a pseudo-terminal (median of 50), and
// exchanges with a silent one.
#include "bench/BenchSupport.h"

#include "link/CalibratorLink.h"
#include "link/QtSerialPort.h"
#include "link/SteadyClock.h"
#include "tests/support/CalsimProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

using namespace vk220::link;

namespace {

QList<double> Exchanges(int port, int count) {
    SteadyClock clock;
    QtSerialPort serial;
    CalibratorLink link(serial, clock);
    serial.SetPortNumber(port);
    if (!serial.Open())
        qFatal("cannot open COM%d: %s", port, qPrintable(serial.ErrorString()));
    QList<double> times;
    for (int i = 0; i < count; ++i) {
        const double start = clock.Now();
        link.SendCommand(QStringLiteral("v"));
        times.append(clock.Now() - start);
    }
    return times;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());

    CalsimProcess prompt(folder.path(), 1);
    CalsimProcess silent(folder.path(), 2, {QStringLiteral("--silent")});
    if (!prompt.IsReady() || !silent.IsReady())
        qFatal("calsim did not start");

    const QList<double> quick = Exchanges(1, 50);
    Bench::Report("exchange, prompt device (median of 50)", Bench::Median(quick), "s", 0.21);
    Bench::Report("exchange, prompt device (slowest of 50)",
                  *std::max_element(quick.begin(), quick.end()), "s", 0.21);
    const QList<double> quiet = Exchanges(2, 5);
    Bench::Report("exchange, silent device (median of 5)", Bench::Median(quiet), "s", 2.25);
    return 0;
}
