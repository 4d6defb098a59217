#include "app/CommPortForm.h"
#include "app/DetectCalibrator.h"
#include "app/FunctionArea.h"
#include "app/MainForm.h"
#include "functions/measurement/DMMForm.h"
#include "link/CalibratorLink.h"
#include "link/SelectedPort.h"
#include "link/SteadyClock.h"
#include "tests/support/CalsimProcess.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/Ser2netProcess.h"
#include "ui/PollingTimer.h"
#include "ui/ReadingMarks.h"
#include "ui/logic/ProgramState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::app;
using namespace vk220::link;
using namespace vk220::measurement;
using namespace vk220::ui;

// The whole panel on a bench behind the real device server ser2net, which bridges to calsim's
// pseudo-terminal: the operator enters the server's address in the port dialog, the start-up
// probe finds the calibrator through it, and the lines of a session and of the exit reach calsim;
// and a polling function window opened from the main window, over a raw connection.
class NetworkBenchTest : public QObject {
    Q_OBJECT
private slots:
    void StartExchangeAndExitOverTheDeviceServer_data();
    void StartExchangeAndExitOverTheDeviceServer();
    void MeasurementWindowOverTheDeviceServer();
};

void NetworkBenchTest::StartExchangeAndExitOverTheDeviceServer_data() {
    QTest::addColumn<Ser2netProcess::Mode>("mode");
    QTest::newRow("raw") << Ser2netProcess::Mode::Raw;
    QTest::newRow("rfc2217") << Ser2netProcess::Mode::Telnet;
}

void NetworkBenchTest::StartExchangeAndExitOverTheDeviceServer() {
    QFETCH(Ser2netProcess::Mode, mode);
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QString log = folder.filePath(QStringLiteral("calsim.log"));
    CalsimProcess calsim(folder.path(), 6, {QStringLiteral("--log"), log});
    QVERIFY(calsim.IsReady());
    Ser2netProcess server(QFileInfo(QStringLiteral("COM6")).symLinkTarget(), mode);
    QVERIFY(server.Start());

    SteadyClock clock;
    SelectedPort port;
    CalibratorLink link(port, clock);
    ProgramState state(link);
    RecordingMessageBoxes boxes;
    {
        MainForm main(state, boxes);
        QVERIFY(DetectCalibrator(link, main, [&](const QString &) {
            CommPortForm dialog(link, boxes);
            Find<QLineEdit>(&dialog, "NetText")->setText(server.Address());
            QTest::mouseClick(Find<QPushButton>(&dialog, "CommBut"), Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        }));
        QVERIFY(port.IsOpen());
        QCOMPARE(main.windowTitle(),
                 MainForm::Title + QStringLiteral(" [%1]").arg(server.Address()));
        link.SendCommand(QStringLiteral("p17317888"));
        const QString reply = link.SendCommand(QStringLiteral("v"));
        QVERIFY2(reply.endsWith(QStringLiteral("*0\r\n")), qPrintable(reply));
        main.close();
    }
    QVERIFY(boxes.shown.isEmpty());
    QFile settings(QStringLiteral("Settings.txt"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QCOMPARE(settings.readAll(), server.Address().toLatin1() + "\r\n");
    QTRY_COMPARE(CalsimProcess::LoggedLines(log),
                 (QStringList{QStringLiteral("T"), QStringLiteral("R0/O0/S1/# Computer Control"),
                              QStringLiteral("p17317888"), QStringLiteral("v"),
                              QStringLiteral("S1"), QStringLiteral("R1"), QStringLiteral("O0")}));
    server.Stop();
    calsim.Stop();
    QDir::setCurrent(previous);
}

// The port stored in "Settings.txt"; the measurement window opened by its button reads once (its
// timer held, so that the readings can be counted), changes range, and goes with the exit, which
// sends nothing of its own for it.
void NetworkBenchTest::MeasurementWindowOverTheDeviceServer() {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QString log = folder.filePath(QStringLiteral("calsim.log"));
    CalsimProcess calsim(folder.path(), 7, {QStringLiteral("--log"), log});
    QVERIFY(calsim.IsReady());
    Ser2netProcess server(QFileInfo(QStringLiteral("COM7")).symLinkTarget(),
                          Ser2netProcess::Mode::Raw);
    QVERIFY(server.Start());
    {
        QFile settings(QStringLiteral("Settings.txt"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(server.Address().toLatin1() + "\r\n");
    }

    SteadyClock clock;
    SelectedPort port;
    CalibratorLink link(port, clock);
    ProgramState state(link);
    RecordingMessageBoxes boxes;
    {
        MainForm main(state, boxes);
        QVERIFY(DetectCalibrator(link, main, [](const QString &) { return false; }));
        main.show();
        QTest::mouseClick(FunctionButton(main, QStringLiteral("DMM")), Qt::LeftButton);
        auto *dmm = qobject_cast<DMMForm *>(
            Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(DMMForm::Title));
        QVERIFY(dmm);
        Find<PollingTimer>(dmm, "ReadTimer")->Stop();
        Find<PollingTimer>(dmm, "ReadTimer")->Tick();
        QVERIFY(!dmm->Polls().Marks().NoReply());
        const QString reading = Find<QLabel>(dmm, "ReadLab")->text();
        QVERIFY2(reading.endsWith(QLatin1Char('V')) && reading != QStringLiteral("0.0000V"),
                 qPrintable(reading));
        QTest::mouseClick(Find<QPushButton>(dmm, "DMMBut", 0), Qt::LeftButton);
        main.close();
    }
    QVERIFY(boxes.shown.isEmpty());
    QTRY_COMPARE(CalsimProcess::LoggedLines(log),
                 (QStringList{QStringLiteral("T"), QStringLiteral("R0/O0/S1/# Computer Control"),
                              QStringLiteral("p17317888"), QStringLiteral("p0"),
                              QStringLiteral("#Measure : 2V"), QStringLiteral("v"),
                              QStringLiteral("p17858560"), QStringLiteral("p0"),
                              QStringLiteral("#Measure : 20mA"), QStringLiteral("S1"),
                              QStringLiteral("R1"), QStringLiteral("O0")}));
    server.Stop();
    calsim.Stop();
    QDir::setCurrent(previous);
}

QTEST_MAIN(NetworkBenchTest)
#include "NetworkBenchTest.moc"
