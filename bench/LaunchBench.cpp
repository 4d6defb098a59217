// Launch to main window: the real program against a prompt simulated calibrator with a stored
// port (no dialog), offscreen. The main window shows right after the initialisation command, which
// calsim logs with its arrival time; the panel's resident memory is read once it is up.
#include "bench/BenchSupport.h"

#include "tests/support/CalsimProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char *argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QFile settings(QStringLiteral("Settings.txt"));
    if (!settings.open(QIODevice::WriteOnly))
        qFatal("cannot write Settings.txt");
    settings.write("1\r\n");
    settings.close();
    const QString log = folder.filePath(QStringLiteral("calsim.log"));
    CalsimProcess calsim(folder.path(), 1, {QStringLiteral("--log"), log});
    if (!calsim.IsReady())
        qFatal("calsim did not start");

    QProcess panel;
    panel.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    panel.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    panel.start(QStringLiteral(PANEL_PATH), {});
    const auto initialised = [&] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("Computer Control");
    };
    if (!QTest::qWaitFor(initialised, 20000))
        qFatal("the panel did not initialise the calibrator");
    // The reply to the initialisation arrives within 0.2 s; the window shows right after it.
    const double launch = timer.nsecsElapsed() / 1e9 + 0.2;
    QTest::qWait(1500);
    const long resident = Bench::ResidentKb(panel.processId());
    panel.kill();
    panel.waitForFinished();

    Bench::Report("launch to main window (splash 2 s included)", launch, "s", 2.6);
    Bench::Report("resident memory after start", resident / 1024.0, "MB", 80);
    return 0;
}
