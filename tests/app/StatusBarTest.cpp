#include "tests/app/AppRig.h"

#include "app/OutputSummary.h"
#include "app/StatusField.h"
#include "functions/diagram/DiagForm.h"
#include "link/CalibratorModel.h"
#include "tests/support/FunctionChoice.h"
#include "ui/ButtonArray.h"
#include "ui/FunctionWindow.h"

#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vk220::app;
using namespace vk220::diagram;
using namespace vk220::link;
using namespace vk220::ui;

using Box = RecordingMessageBoxes::Box;
using Chunk = FakeSerialPort::Chunk;

namespace {

const QString Tacho = QStringLiteral("TACHOMETER CALIBRATION FUNCTION");
// The terminal window's VOLTAGE and 2 TURN COIL masks.
const QString VoltsMask = QStringLiteral("p17039360");
const QString Coil2Mask = QStringLiteral("p16778240");

QString Send(AppRig &rig, const QString &line) {
    return rig.state.interlock.Send(Interlock::Shell, line);
}

// The texts of the function buttons that the operator can point at (those not hidden).
QStringList ButtonTips(const MainForm &main) {
    QStringList tips;
    const auto &entries = FunctionTable::Entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (!entries[i]->hidden)
            tips.append(Find<QPushButton>(&main, "FuncBut", i)->toolTip());
    }
    return tips;
}

} // namespace

class StatusBarTest : public QObject {
    Q_OBJECT
private slots:
    void OutputIsToldFromTheModel_data();
    void OutputIsToldFromTheModel();
    void StatusFollowsSlowSilentAndVanishingCalibrators();
    void QueuedWorkAndClicksNotTakenAreShown();
    void GreyFunctionButtonsNameTheWindowToClose();
};

void StatusBarTest::OutputIsToldFromTheModel_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("lost");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, const QStringList &lines, const char *text,
                        bool lost = false) {
        QTest::newRow(name) << lines << lost << QString::fromUtf8(text);
    };
    row("nothing sent yet", {}, "STANDBY");
    row("computer control", {"R0/O0/S1/# Computer Control"}, "STANDBY · O0 · R0");
    row("10 V on the voltage terminals", {VoltsMask, "p0", "R3", "O10", "S0"},
        "OPERATE · 10 V · R3 · Volts Terminals");
    row("switched since its value", {"R3/O10", Coil2Mask, "p0"},
        "STANDBY · no value · R3 · 2 Turn Coil");
    row("AC millivolts", {VoltsMask, "R12/O150/F50"},
        "STANDBY · 150 mV 50 Hz · R12 · Volts Terminals");
    row("25 A a turn through the coil", {Coil2Mask, "R11/O25", "S0"},
        "OPERATE · 25 A · R11 · 2 Turn Coil");
    row("tachometer", {"p16777344", "p0", "R64", "F600", "S0"},
        "OPERATE · 600 RPM · R64 · p16777344");
    row("thermocouple", {"p25206784", "p0", "R60/S0", "K1/L1/O100"},
        "OPERATE · 100 °C · R60 · p25206784");
    row("released", {"p16777216", "p0", "R1/O0/S1/# PC Control"}, "STANDBY · 0 mV · R1");
    row("lines lost with the port", {VoltsMask, "R3/O10", "S0"},
        "OUTPUT UNKNOWN · 10 V · R3 · Volts Terminals", true);
}

void StatusBarTest::OutputIsToldFromTheModel() {
    QFETCH(QStringList, lines);
    QFETCH(bool, lost);
    QFETCH(QString, text);
    CalibratorModel model;
    for (const QString &line : lines)
        model.Apply(line);
    if (lost)
        model.Lose();
    QCOMPARE(OutputSummary::Text(model), text);
}

void StatusBarTest::StatusFollowsSlowSilentAndVanishingCalibrators() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    const MainStatusBar &status = *Find<MainStatusBar>(&main, "MainStatusBar");
    const QString port = rig.link.PortName() + QStringLiteral(": ");
    QCOMPARE(status.LinkLab().Text(), port + QStringLiteral("no exchange yet"));
    QCOMPARE(status.FunctionLab().Text(), QStringLiteral("No function open"));
    QCOMPARE(status.OutputLab().Text(), QStringLiteral("STANDBY"));
    QCOMPARE(status.SentLab().Text(), QStringLiteral("Nothing sent yet"));

    // A prompt calibrator: the line and the output show while its reply is awaited.
    Send(rig, VoltsMask);
    Send(rig, QStringLiteral("R3/O10"));
    QStringList during;
    rig.DuringReplyTo(QStringLiteral("S0"), [&] {
        during = {status.SentLab().Text(), status.OutputLab().Text()};
    });
    Send(rig, QStringLiteral("S0"));
    const QString operate = QStringLiteral("OPERATE · 10 V · R3 · Volts Terminals");
    QCOMPARE(during, (QStringList{QStringLiteral("Sent: S0"), operate}));
    QCOMPARE(status.LinkLab().Text(), port + QStringLiteral("OK"));
    QCOMPARE(status.OutputLab().Text(), operate);

    // Slow, prompt again, silent.
    for (const auto &[seconds, health] : {std::pair(0.6, "slow"), {0.05, "OK"}, {-1.0, "slow"}}) {
        rig.port.responder = [seconds](const QString &) {
            return seconds < 0 ? QList<Chunk>{} : QList<Chunk>{{seconds, FakeSerialPort::Marker}};
        };
        Send(rig, QStringLiteral("v"));
        QCOMPARE(status.LinkLab().Text(), port + QLatin1String(health));
    }
    rig.port.AnswerAll({});

    // The calibrator vanishes: "lost" shows with the error box, and the output is unknown.
    rig.port.HangUp(QStringLiteral("Device hung up"));
    rig.port.openError = QStringLiteral("No such file or directory");
    QString whileBoxShown;
    rig.boxes.whileShown = [&] {
        whileBoxShown = status.LinkLab().Text();
    };
    Send(rig, QStringLiteral("S1"));
    QCOMPARE(rig.boxes.shown, QList<Box>{RecordingMessageBoxes::Exclamation(
                                  QStringLiteral("Serial Communication Error"),
                                  QStringLiteral("Serial communication error :\r\r") +
                                      rig.link.PortName() + QStringLiteral(": Device hung up"))});
    QCOMPARE(whileBoxShown, port + QStringLiteral("lost"));
    QCOMPARE(status.LinkLab().Text(), port + QStringLiteral("lost"));
    QCOMPARE(status.OutputLab().Text(),
             QStringLiteral("OUTPUT UNKNOWN · 10 V · R3 · Volts Terminals"));
    QCOMPARE(status.SentLab().Text(), QStringLiteral("Sent: v"));

    // Back: the calibrator is put under computer control again first.
    rig.port.openError.clear();
    Send(rig, QStringLiteral("S1"));
    QCOMPARE(status.LinkLab().Text(), port + QStringLiteral("OK"));
    QCOMPARE(status.OutputLab().Text(), QStringLiteral("STANDBY · O0 · R0 · Volts Terminals"));
    QCOMPARE(status.SentLab().Text(), QStringLiteral("Sent: S1"));

    rig.link.SetOfflineMode(true);
    Send(rig, QStringLiteral("p0"));
    QCOMPARE(status.LinkLab().Text(), port + QStringLiteral("offline"));
    QCOMPARE(status.SentLab().Text(), QStringLiteral("Sent: p0"));
}

void StatusBarTest::QueuedWorkAndClicksNotTakenAreShown() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    const MainStatusBar &status = *Find<MainStatusBar>(&main, "MainStatusBar");
    const StatusField &notice = status.NoticeLab();

    // A function chosen while the tachometer window loads: a busy pointer, and the choice is
    // refused where the operator sees it.
    Qt::CursorShape pointer = Qt::ArrowCursor;
    QString loading;
    QTimer::singleShot(0, &main, [&] {
        pointer = main.cursor().shape();
        loading = status.FunctionLab().Text();
        FunctionButton(main, "THERM")->click();
    });
    main.OpenFunction(FunctionRow("TACHO"));
    QCOMPARE(pointer, Qt::WaitCursor);
    QCOMPARE(loading, Tacho);
    QCOMPARE(main.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")
                 ->IsWindowOpen(QStringLiteral("THERMOCOUPLE SIMULATION FUNCTION")));
    QCOMPARE(notice.Text(), QStringLiteral("Still opening TACHOMETER CALIBRATION FUNCTION: wait "
                                           "for it to finish"));
    QCOMPARE(status.FunctionLab().Text(), Tacho);
    auto *timer = status.findChild<QTimer *>(QStringLiteral("RefusalTimer"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    timer->start(0);
    QTRY_COMPARE(notice.Text(), QString());

    // Clicks during a reply wait queue up in the window, and the count shows until they drain; a
    // click on a window that is closing is not taken, and says so.
    FunctionWindow *window = Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(Tacho);
    const auto sending = [window](const char *line) {
        return [window, line] {
            window->Send(QString::fromLatin1(line));
        };
    };
    QStringList seen;
    rig.DuringReplyTo(QStringLiteral("p5"), [&] {
        window->Act(sending("p6"));
        window->Act(sending("p7"));
        seen.append(notice.Text());
    });
    rig.DuringReplyTo(QStringLiteral("p7"), [&] {
        window->CloseButton().click();
        window->Act(sending("p8"));
        seen.append(notice.Text());
    });
    window->Act(sending("p5"));
    QCOMPARE(seen, (QStringList{QStringLiteral("Sending… (3 queued)"),
                                QStringLiteral("Closing: the click was not taken")}));
    QVERIFY(!Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(Tacho));
    QCOMPARE(status.FunctionLab().Text(), QStringLiteral("No function open"));
    timer->start(0);
    QTRY_COMPARE(notice.Text(), QString());
}

void StatusBarTest::GreyFunctionButtonsNameTheWindowToClose() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    const QStringList none(8, QString());
    QCOMPARE(ButtonTips(main), none);
    main.OpenFunction(FunctionRow("TACHO"));
    QCOMPARE(ButtonTips(main),
             QStringList(8, QStringLiteral("Close TACHOMETER CALIBRATION FUNCTION first")));
    Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(Tacho)->CloseButton().click();
    QCOMPARE(ButtonTips(main), none);

    QTest::mouseClick(FunctionButton(main, "DIAG"), Qt::LeftButton);
    QCOMPARE(ButtonTips(main),
             QStringList(8, QStringLiteral("Close VK220 WORKSTATION CONNECTION DIAGRAM first")));
    QCOMPARE(Find<MainStatusBar>(&main, "MainStatusBar")->FunctionLab().Text(), DiagForm::Title);
    auto *close = Find<FunctionArea>(&main, "WorkArea")
                      ->subWindowList()
                      .last()
                      ->widget()
                      ->findChild<QPushButton *>(QStringLiteral("CloseBut"));
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(ButtonTips(main), none);
    QCOMPARE(Find<MainStatusBar>(&main, "MainStatusBar")->FunctionLab().Text(),
             QStringLiteral("No function open"));
    QVERIFY(!FunctionButton(main, "ENV")->isVisible());
}

QTEST_MAIN(StatusBarTest)
#include "StatusBarTest.moc"
