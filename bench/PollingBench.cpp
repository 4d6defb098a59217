// CPU used while the measurement window polls a prompt simulated calibrator for a minute
// (the whole panel process: event loop, link and window).
#include "bench/BenchSupport.h"

#include "app/MainForm.h"
#include "link/CalibratorLink.h"
#include "link/QtSerialPort.h"
#include "link/SteadyClock.h"
#include "tests/support/CalsimProcess.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "ui/QtMessageBoxes.h"
#include "ui/logic/ProgramState.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::app;
using namespace vk220::link;
using namespace vk220::ui;

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 60;
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    CalsimProcess calsim(folder.path(), 1);
    if (!calsim.IsReady())
        qFatal("calsim did not start");

    SteadyClock clock;
    QtSerialPort port;
    CalibratorLink link(port, clock);
    ProgramState state(link);
    QtMessageBoxes boxes;
    MainForm main(state, boxes);
    main.show();
    if (!port.Open())
        qFatal("cannot open COM1");
    main.OpenFunction(FunctionRow("DMM"));
    if (!Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(QStringLiteral("mA & mV MEASUREMENT")))
        qFatal("the measurement window did not open");

    const double cpuBefore = Bench::CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(seconds * 1000);
    const double share = (Bench::CpuSeconds() - cpuBefore) / (wall.nsecsElapsed() / 1e9);
    Bench::Report("CPU while polling the measurement window", share * 100, "%", 2);
    return 0;
}
