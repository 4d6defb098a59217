#include "tests/app/AppRig.h"

#include "app/ConsoleSide.h"
#include "app/DetectCalibrator.h"
#include "functions/measurement/DMMForm.h"
#include "functions/tachometer/TachoForm.h"
#include "functions/terminal/logic/TerminalMemory.h"
#include "functions/terminal/widgets/TerminalForm.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "ui/FunctionWindow.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vk220::app;
using namespace vk220::measurement;
using namespace vk220::terminal;
using namespace vk220::ui;

using Chunk = FakeSerialPort::Chunk;

namespace {

const QStringList Exit{"S1", "R1", "O0"};

// Every line answered `delay` seconds after it was written.
FakeSerialPort::Responder Slow(double delay) {
    return [delay](const QString &) {
        return QList<Chunk>{{delay, FakeSerialPort::Marker}};
    };
}

// Runs `action` at the first event serviced once the virtual clock has passed `at`.
void AtVirtualTime(AppRig &rig, double at, std::function<void()> action) {
    auto *timer = new QTimer(&rig.Main());
    QObject::connect(timer, &QTimer::timeout, timer, [&rig, at, timer, action] {
        if (rig.clock.Now() < at)
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start(0);
}

} // namespace

class WindowSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void WindowClosedDuringItsSetUpOutlivesTheWait();
    void ExitDuringALateReplyWaitLeavesNothingAfterIt();
    void AnIdleLossDoesNotCloseAWindowOpenedAfterIt();
};

void WindowSafetyTest::WindowClosedDuringItsSetUpOutlivesTheWait() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    rig.port.responder = Slow(0.3);
    QPointer<FunctionWindow> window;
    bool aliveAfterClose = false;
    rig.DuringReplyTo(QStringLiteral("p17317888"), [&] {
        window = Find<FunctionArea>(&main, "WorkArea")->FindFunctionWindow(DMMForm::Title);
        QTest::mouseClick(&window->CloseButton(), Qt::LeftButton);
        // Deleted here, the rest of the set-up would run on a freed window.
        QCoreApplication::processEvents();
        QTest::qWait(50);
        aliveAfterClose = !window.isNull();
    });
    main.OpenFunction(FunctionRow("DMM"));
    QVERIFY(aliveAfterClose);
    QCOMPARE(rig.TakeWritten(), QStringList{"p17317888"});
    QVERIFY(FunctionChoiceEnabled(main));
    QTRY_VERIFY(window.isNull());
    QVERIFY(rig.TakeWritten().isEmpty());
}

void WindowSafetyTest::ExitDuringALateReplyWaitLeavesNothingAfterIt() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    rig.link.SetLimits({.silenceSeconds = 0.3, .lateReplySeconds = 1.0});
    // "F600" is answered late: the window's "S0" first waits for that reply, and the operator
    // leaves the program during that wait.
    rig.port.responder = [&rig](const QString &line) {
        if (line == QLatin1String("F600"))
            AtVirtualTime(rig, rig.clock.Now() + 0.45, [&rig] { rig.Main().close(); });
        return QList<Chunk>{{line == QLatin1String("F600") ? 0.8 : 0.05, FakeSerialPort::Marker}};
    };
    main.OpenFunction(FunctionRow("TACHO"));
    QCOMPARE(rig.TakeWritten(), QStringList({"p16777344", "p0", "R64", "F600"}) +
                                    FunctionHost::ReleaseCommands + Exit);
}

void WindowSafetyTest::AnIdleLossDoesNotCloseAWindowOpenedAfterIt() {
    AppRig rig;
    MainForm &main = rig.Main();
    main.show();
    main.OpenFunction(FunctionRow("TERM"));
    Find<FunctionArea>(&main, "WorkArea")
        ->FindFunctionWindow(TerminalForm::Title)
        ->Actions()
        .CloseOnRequest();
    rig.TakeWritten();
    QCOMPARE(rig.state.Kept<TerminalMemory>().LastRangeCommand, QStringLiteral("R1"));

    // Lost while no window was open, found back by the next window's first line: that window
    // has missed nothing and stays, and the range the initialisation changed is sent again.
    rig.port.HangUp(QStringLiteral("Device hung up"));
    main.OpenFunction(FunctionRow("TERM"));
    QCOMPARE(rig.TakeWritten(), (QStringList{InitialisationCommand, "p17039360", "#Volts Terminals",
                                             "p0", "R1", "O0", "S0"}));
    QVERIFY(Find<FunctionArea>(&main, "WorkArea")->IsWindowOpen(TerminalForm::Title));
    QCOMPARE(rig.boxes.shown, QList<RecordingMessageBoxes::Box>{RecordingMessageBoxes::Exclamation(
                                  QStringLiteral("Serial Communication Error"),
                                  QStringLiteral("Serial communication error :\r\r") +
                                      rig.link.PortName() + QStringLiteral(": Device hung up"))});
}

QTEST_MAIN(WindowSafetyTest)
#include "WindowSafetyTest.moc"
