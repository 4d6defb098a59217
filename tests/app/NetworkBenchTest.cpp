#include "app/CommPortForm.h"
#include "app/DetectCalibrator.h"
#include "app/MainForm.h"
#include "link/CalibratorLink.h"
#include "link/SelectedPort.h"
#include "link/SteadyClock.h"
#include "tests/support/CalsimProcess.h"
#include "tests/support/FindControl.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/Ser2netProcess.h"
#include "ui/logic/ProgramState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::app;
using namespace vk220::link;
using namespace vk220::ui;

// The whole panel on a bench behind the real device server ser2net, which bridges to calsim's
// pseudo-terminal: the operator enters the server's address in the port dialog, the start-up
// probe finds the calibrator through it, and the lines of a session and of the exit reach calsim.
class NetworkBenchTest : public QObject {
    Q_OBJECT
private slots:
    void StartExchangeAndExitOverTheDeviceServer_data();
    void StartExchangeAndExitOverTheDeviceServer();
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

QTEST_MAIN(NetworkBenchTest)
#include "NetworkBenchTest.moc"
