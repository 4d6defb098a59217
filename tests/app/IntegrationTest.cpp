#include "app/DetectCalibrator.h"
#include "app/MainForm.h"
#include "link/CalibratorLink.h"
#include "link/QtSerialPort.h"
#include "link/SteadyClock.h"
#include "tests/support/CalsimProcess.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "ui/logic/ProgramState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::app;
using namespace vk220::link;
using namespace vk220::ui;

// Start-up, exchanges and exit with the real serial port, over a pseudo-terminal, against the
// simulated calibrator.
class IntegrationTest : public QObject {
    Q_OBJECT
private slots:
    void StartExchangeAndExitAgainstCalsim();
};

void IntegrationTest::StartExchangeAndExitAgainstCalsim() {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    {
        QFile settings(QStringLiteral("Settings.txt"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("2\r\n");
    }
    const QString log = folder.filePath(QStringLiteral("calsim.log"));
    CalsimProcess calsim(folder.path(), 2, {QStringLiteral("--log"), log});
    QVERIFY(calsim.IsReady());

    SteadyClock clock;
    QtSerialPort port;
    CalibratorLink link(port, clock);
    ProgramState state(link);
    RecordingMessageBoxes boxes;
    {
        MainForm main(state, boxes);
        main.ToggleConsole();
        QVERIFY(DetectCalibrator(link, main, [](const QString &message) {
            qWarning() << "port dialog:" << message;
            return false;
        }));
        QVERIFY(port.IsOpen());
        QCOMPARE(main.windowTitle(), MainForm::Title + QStringLiteral(" [COM 2]"));

        link.SendCommand(QStringLiteral("p17317888"));
        const double start = clock.Now();
        const QString reply = link.SendCommand(QStringLiteral("v"));
        const double took = clock.Now() - start;
        QVERIFY2(reply.endsWith(QStringLiteral("*0\r\n")), qPrintable(reply));
        QVERIFY2(took >= 0.1 && took <= 0.25, qPrintable(QString::number(took)));
        main.close();
    }
    QVERIFY(boxes.shown.isEmpty());
    QTRY_COMPARE(CalsimProcess::LoggedLines(log),
                 (QStringList{QStringLiteral("T"), QStringLiteral("R0/O0/S1/# Computer Control"),
                              QStringLiteral("p17317888"), QStringLiteral("v"),
                              QStringLiteral("S1"), QStringLiteral("R1"), QStringLiteral("O0")}));
    calsim.Stop();
    QVERIFY(!QFile::exists(QStringLiteral("COM2")));
    QDir::setCurrent(previous);
}

QTEST_MAIN(IntegrationTest)
#include "IntegrationTest.moc"
