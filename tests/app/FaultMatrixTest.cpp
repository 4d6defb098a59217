#include "app/FunctionTable.h"
#include "app/MainForm.h"
#include "link/CalibratorLink.h"
#include "link/QtSerialPort.h"
#include "link/SteadyClock.h"
#include "tests/support/CalsimProcess.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionChoice.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "ui/Controls.h"
#include "ui/FunctionHost.h"
#include "ui/FunctionWindow.h"
#include "ui/logic/ProgramState.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <ctime>
#include <functional>
#include <memory>

using namespace vk220::app;
using namespace vk220::link;
using namespace vk220::ui;

// Every function window against every way the calibrator's line can misbehave, with the real
// serial port over a pseudo-terminal and calsim behind it: open the window, act once, let it
// poll, close it, leave the program. Nothing may crash or hang, at most one box may be on screen
// at a time, the boxes are the ones the fault calls for, and calsim must have received the
// lines in their order.
class FaultMatrixTest : public QObject {
    Q_OBJECT
private slots:
    void PromptReplies_data();
    void PromptReplies();
    void GarbledReplies_data();
    void GarbledReplies();
    void SilentDevice_data();
    void SilentDevice();
    void EndlessReplies_data();
    void EndlessReplies();
    void LostPort_data();
    void LostPort();
    void ClicksDuringAReplyWait_data();
    void ClicksDuringAReplyWait();
    void PortLostThenBack_data();
    void PortLostThenBack();

private:
    void RunScenario(int portNumber);
};

namespace {

using Box = RecordingMessageBoxes::Box;

const QString Init = QStringLiteral("R0/O0/S1/# Computer Control");
const QStringList Exit{QStringLiteral("S1"), QStringLiteral("R1"), QStringLiteral("O0")};
const QString Marker = QStringLiteral("*0\r\n");
// Pattern tokens for the polling readings, whose number depends on timing.
const QString AnyReadings = QStringLiteral("v*");
const QString SomeReadings = QStringLiteral("v+");

const QString SerialErrorTitle = QStringLiteral("Serial Communication Error");
const QString SerialErrorLead = QStringLiteral("Serial communication error :\r\r");

Box EndlessReply(const QString &portName) {
    return RecordingMessageBoxes::Exclamation(
        SerialErrorTitle,
        SerialErrorLead + portName +
            QStringLiteral(": the device kept sending and never finished its reply"));
}

Box NotInStandby(const QString &portName) {
    return RecordingMessageBoxes::Exclamation(
        QStringLiteral("Calibrator Not In Standby"),
        QStringLiteral("The calibrator could not be put into standby: the port ") + portName +
            QStringLiteral(" is lost.\r\rSwitch the calibrator's output to standby at its front "
                           "panel, then check the cable and the port."));
}

bool IsLineFault(const Box &box) {
    return box.icon == MessageBoxes::Icon::Exclamation &&
           box.buttons == MessageBoxes::Buttons::Ok && box.title == SerialErrorTitle &&
           box.text.startsWith(SerialErrorLead) && box.text.size() > SerialErrorLead.size();
}

QString Describe(const QList<Box> &boxes) {
    QStringList texts;
    for (const Box &box : boxes) {
        char *text = toString(box);
        texts.append(QString::fromUtf8(text));
        delete[] text;
    }
    return texts.join(u'\n');
}

// Whether `lines` follow `pattern`, in which AnyReadings and SomeReadings stand for runs of "v".
bool Follows(const QStringList &lines, const QStringList &pattern) {
    QString expression;
    for (const QString &token : pattern) {
        if (token == AnyReadings)
            expression += QStringLiteral("(v\\n)*");
        else if (token == SomeReadings)
            expression += QStringLiteral("(v\\n)+");
        else
            expression += QRegularExpression::escape(token) + QStringLiteral("\\n");
    }
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    return QRegularExpression(QRegularExpression::anchoredPattern(expression))
        .match(text)
        .hasMatch();
}

void Click(QWidget &window, const QString &name) {
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QTest::mouseClick(control, Qt::LeftButton);
}

void Type(QWidget &window, const QString &box, const QString &text) {
    auto *entry = window.findChild<QLineEdit *>(box);
    QVERIFY2(entry, qPrintable(box));
    entry->clear();
    QTest::keyClicks(entry, text);
}

void ClickTab(QWidget &window, const QString &name, int index) {
    auto *tabs = window.findChild<QTabBar *>(name);
    QVERIFY2(tabs, qPrintable(name));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

QString LabelText(QWidget &window, const QString &name) {
    auto *label = window.findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("no label ") + name;
}

// One operator action: the clicks that make it and the lines it sends.
struct Action {
    std::function<void(QWidget &)> click;
    QStringList lines;
};

Action SetWith(const QString &box, const QString &text, const QStringList &lines) {
    return {[box, text](QWidget &w) {
                Type(w, box, text);
                Click(w, QStringLiteral("SetBut"));
            },
            lines};
}

Action Press(const QStringList &controls, const QStringList &lines) {
    return {[controls](QWidget &w) {
                for (const QString &control : controls)
                    Click(w, control);
            },
            lines};
}

struct WindowCase {
    const char *name;
    const char *code; // the function's code in the function table
    QStringList setUp;
    QList<Action> actions;
    // Reads the calibrator every 500 ms after its last action; its close waits for a reading.
    bool polls;
    // The lines of its close: the release, after a standby where its output is live.
    QStringList release;
};

const QString InsPreset = QStringLiteral("p18874368");

const QList<WindowCase> &Windows() {
    static const QList<WindowCase> windows{
        {"thermocouple",
         "THERM",
         {"p25206784", "p0", "R60/S0"},
         {SetWith("TempManText", "100", {"K1/L1/O100"})},
         false,
         FunctionHost::ReleaseCommands},
        {"tachometer",
         "TACHO",
         {"p16777344", "p0", "R64", "F600", "S0"},
         {SetWith("RPMText", "1234", {"R64", "F1230"})},
         false,
         FunctionHost::ReleaseCommands},
        {"insulation",
         "INS",
         {"#Insulation Res.", InsPreset, "p1064960"},
         {SetWith("InsManText", "123.45", {InsPreset, "p1123175"}),
          {[](QWidget &w) { ClickTab(w, "InsTab", 1); },
           {InsPreset, "p1048583", "#Ins.: 50V Range"}}},
         true,
         FunctionHost::ReleaseCommands},
        {"continuity",
         "CONT",
         {"p21028923/#Cont.: 1 Ohm", "p0"},
         {Press({"ContBut_0"}, {"p21028923/#Cont.: 1 Ohm", "p0"})},
         true,
         FunctionHost::ReleaseCommands},
        {"measurement",
         "DMM",
         {"p17317888", "p0", "#Measure : 2V"},
         {Press({"DMMBut_0"}, {"p17858560", "p0", "#Measure : 20mA"})},
         true,
         {}},
        {"terminal",
         "TERM",
         {"p17039360", "#Volts Terminals", "p0", "R1", "O0", "S0"},
         // The keys "5", "V" and ENTER.
         {Press({"Command1_4", "Command1_19", "Command1_16"}, {"R3", "O5", "S0"})},
         false,
         QStringList{"S1"} + FunctionHost::ReleaseCommands},
    };
    return windows;
}

enum class Expected { NoBox, BoxEachExchange, LostPort };

struct Mode {
    const char *name;
    QStringList arguments;
    // Short where a reply stops or never ends, so that such an exchange costs a fraction of a
    // second; the usual ones where the reply is complete.
    CalibratorLink::Limits limits;
    Expected boxes;
    // What the initialisation line's exchange gives back, and the limit that ends it.
    std::function<bool(const QString &)> firstReply;
    double firstSeconds;
};

bool Complete(const QString &reply) {
    return reply.endsWith(Marker);
}

const CalibratorLink::Limits Usual;
const CalibratorLink::Limits Silence{.silenceSeconds = 0.15, .lateReplySeconds = 0.15};
// The bound comes first: a stream that pauses under load must not end by silence.
const CalibratorLink::Limits Bound{.silenceSeconds = 1.0, .exchangeSeconds = 0.25};

const QList<Mode> &Modes() {
    static const QList<Mode> modes{
        {"slow", {"--slow", "150"}, Usual, Expected::NoBox, Complete, 0.15},
        {"trickle", {"--trickle"}, Usual, Expected::NoBox, Complete, 0},
        {"garbage",
         {"--garbage"},
         Silence,
         Expected::NoBox,
         [](const QString &reply) { return !reply.isEmpty() && !reply.contains(Marker); },
         Silence.silenceSeconds},
        {"extra",
         {"--extra"},
         Silence,
         Expected::NoBox,
         [](const QString &reply) { return reply.contains(Marker) && !Complete(reply); },
         Silence.silenceSeconds},
        {"silent",
         {"--silent"},
         Silence,
         Expected::NoBox,
         [](const QString &reply) { return reply.isEmpty(); },
         Silence.silenceSeconds},
        {"stream",
         {"--stream"},
         Bound,
         Expected::BoxEachExchange,
         [](const QString &reply) { return reply.isEmpty(); },
         Bound.exchangeSeconds},
        {"hang-up", {}, Usual, Expected::LostPort, Complete, 0},
    };
    return modes;
}

void AddRows(const QStringList &modeNames) {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("window");
    for (int m = 0; m < Modes().size(); ++m) {
        if (!modeNames.contains(QLatin1String(Modes()[m].name)))
            continue;
        for (int w = 0; w < Windows().size(); ++w)
            QTest::addRow("%s %s", Modes()[m].name, Windows()[w].name) << m << w;
    }
}

QString TitleOf(const char *code) {
    return FunctionTable::Entries().at(FunctionRow(code))->title;
}

// The panel against calsim in a fresh current folder: the real serial port, the link and the
// main window with recorded boxes.
struct Bench {
    Bench(int portNumber, const QStringList &arguments)
        : previous(QDir::currentPath()), number(portNumber) {
        QDir::setCurrent(folder.path());
        StartCalsim(arguments);
        port.SetPortNumber(number);
        main = std::make_unique<MainForm>(state, boxes);
        main->show();
    }
    ~Bench() {
        main.reset();
        calsim.reset();
        QDir::setCurrent(previous);
    }

    // A calsim of its own, logging to a log of its own, on the same port number.
    void StartCalsim(const QStringList &arguments) {
        calsim.reset();
        log = folder.filePath(QStringLiteral("calsim%1.log").arg(++started));
        calsim = std::make_unique<CalsimProcess>(
            folder.path(), number, arguments + QStringList{QStringLiteral("--log"), log});
    }
    QStringList Logged() const { return CalsimProcess::LoggedLines(log); }

    QTemporaryDir folder;
    QString previous;
    int number;
    int started = 0;
    QString log;
    std::unique_ptr<CalsimProcess> calsim;
    SteadyClock clock;
    QtSerialPort port;
    CalibratorLink link{port, clock};
    ProgramState state{link};
    RecordingMessageBoxes boxes;
    std::unique_ptr<MainForm> main;
};

} // namespace

void FaultMatrixTest::RunScenario(int portNumber) {
    QFETCH(int, mode);
    QFETCH(int, window);
    const Mode &m = Modes()[mode];
    const WindowCase &w = Windows()[window];
    const QString title = TitleOf(w.code);
    QStringList arguments = m.arguments;
    const bool hangsUp = m.boxes == Expected::LostPort;
    if (hangsUp) {
        // The line after the window's set-up, its action's first, is the last one calsim takes.
        arguments << QStringLiteral("--hangup-after") << QString::number(1 + w.setUp.size());
    }
    Bench bench(portNumber, arguments);
    QVERIFY(bench.calsim->IsReady());
    bench.link.SetLimits(m.limits);
    // Each box stays up a while, servicing events as a modal box does.
    bench.boxes.holdMs = 100;
    QVERIFY(bench.port.Open());
    const double start = bench.clock.Now();
    const QString reply = bench.link.SendCommand(Init);
    const double took = bench.clock.Now() - start;
    QVERIFY2(m.firstReply(reply), qPrintable(reply));
    QVERIFY2(took >= m.firstSeconds && took < m.firstSeconds + 1.0,
             qPrintable(QString::number(took)));

    const double opened = bench.clock.Now();
    bench.main->OpenFunction(FunctionRow(w.code));
    const double opening = bench.clock.Now() - opened;
    // Each set-up exchange, too, ends at the limit that ends it, a poll step or so later.
    QVERIFY2(opening < static_cast<double>(w.setUp.size()) * (m.firstSeconds + 0.4) + 0.5,
             qPrintable(QStringLiteral("%1 s for %2 lines").arg(opening).arg(w.setUp.size())));
    QPointer<FunctionWindow> form =
        Find<FunctionArea>(bench.main.get(), "WorkArea")->FindFunctionWindow(title);
    QVERIFY(form);
    QStringList expected = QStringList{Init} + w.setUp;
    for (const Action &action : w.actions) {
        action.click(*form);
        expected += action.lines;
    }
    if (hangsUp) {
        expected = expected.mid(0, 2 + w.setUp.size());
        QTRY_VERIFY(!bench.calsim->IsRunning());
        // A dead line left open keeps its read notifier firing: the panel must stay idle.
        const std::clock_t before = std::clock();
        QTest::qWait(1000);
        const double busy = double(std::clock() - before) / CLOCKS_PER_SEC;
        QVERIFY2(busy < 0.25, qPrintable(QStringLiteral("%1 s of CPU in 1 s").arg(busy)));
    } else if (w.polls) {
        const qsizetype sent = bench.Logged().size();
        QTRY_VERIFY_WITH_TIMEOUT(bench.Logged().size() > sent, 5000);
        expected << SomeReadings;
    }
    QVERIFY(form);
    QTest::mouseClick(&form->CloseButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!Find<FunctionArea>(bench.main.get(), "WorkArea")->IsWindowOpen(title),
                             10000);
    if (!hangsUp)
        expected += w.release;
    bench.main->close();
    QVERIFY(!bench.main->isVisible());
    if (!hangsUp)
        expected += Exit;

    QTRY_VERIFY2_WITH_TIMEOUT(Follows(bench.Logged(), expected),
                              qPrintable(bench.Logged().join(QStringLiteral(" | "))), 3000);
    QVERIFY2(bench.boxes.deepest <= 1, qPrintable(Describe(bench.boxes.shown)));
    const QString portName = bench.link.PortName();
    switch (m.boxes) {
    case Expected::NoBox:
        QCOMPARE(bench.boxes.shown, QList<Box>{});
        break;
    case Expected::BoxEachExchange:
        QCOMPARE(bench.boxes.shown, QList<Box>(bench.Logged().size(), EndlessReply(portName)));
        break;
    case Expected::LostPort: {
        QVERIFY2(!bench.boxes.shown.isEmpty() && IsLineFault(bench.boxes.shown.first()),
                 qPrintable(Describe(bench.boxes.shown)));
        // Whichever of the window's release and the exit meets the lost port first tells the
        // operator, once for this loss, that the calibrator is not in standby.
        QCOMPARE(bench.boxes.shown.mid(1), QList<Box>{NotInStandby(portName)});
        break;
    }
    }
}

void FaultMatrixTest::PromptReplies_data() {
    AddRows({QStringLiteral("slow"), QStringLiteral("trickle")});
}

void FaultMatrixTest::PromptReplies() {
    RunScenario(11);
}

void FaultMatrixTest::GarbledReplies_data() {
    AddRows({QStringLiteral("garbage"), QStringLiteral("extra")});
}

void FaultMatrixTest::GarbledReplies() {
    RunScenario(12);
}

void FaultMatrixTest::SilentDevice_data() {
    AddRows({QStringLiteral("silent")});
}

void FaultMatrixTest::SilentDevice() {
    RunScenario(13);
}

void FaultMatrixTest::EndlessReplies_data() {
    AddRows({QStringLiteral("stream")});
}

void FaultMatrixTest::EndlessReplies() {
    RunScenario(14);
}

void FaultMatrixTest::LostPort_data() {
    AddRows({QStringLiteral("hang-up")});
}

void FaultMatrixTest::LostPort() {
    RunScenario(15);
}

namespace {

// A second action clicked while the first one waits for its reply.
struct DoubleClick {
    const char *name;
    int window; // row of Windows()
    Action first;
    Action second;
    // Reads the calibrator after the second action.
    bool polls;
    // What the window shows when both have run; null once it has closed.
    std::function<QString(FunctionWindow *)> shown;
    QString shows;
};

std::function<QString(FunctionWindow *)> Label(const QString &name) {
    return [name](FunctionWindow *w) {
        return w ? LabelText(*w, name) : QStringLiteral("closed");
    };
}

QString OutputState(FunctionWindow *w) {
    auto *standby = w ? w->findChild<QWidget *>(QStringLiteral("OffBut")) : nullptr;
    if (!standby)
        return QStringLiteral("closed");
    return Controls::HasBackColour(*standby, Controls::StandbyColour) ? QStringLiteral("standby")
                                                                      : QStringLiteral("on");
}

const QList<DoubleClick> &DoubleClicks() {
    // STAND BY pressed while 5 V is being set is final: the setting's own "S0" is not sent.
    const Action setFiveOvertaken =
        Press({"Command1_4", "Command1_19", "Command1_16"}, {"R3", "O5"});
    static const QList<DoubleClick> clicks{
        {"thermocouple", 0, SetWith("TempManText", "100", {"K1/L1/O100"}),
         SetWith("TempManText", "200", {"K1/L1/O200"}), false, Label("TempLab"),
         QStringLiteral("200.0\u00B0C")},
        {"tachometer", 1, SetWith("RPMText", "1234", {"R64", "F1230"}),
         SetWith("RPMText", "2000", {"R64", "F1998"}), false, Label("RPMLab"), "1998RPM"},
        {"insulation", 2, SetWith("InsManText", "123.45", {InsPreset, "p1123175"}),
         SetWith("InsManText", "200", {InsPreset, "p1179648"}), false, Label("MaskLab"),
         InsPreset + "\np1179648"},
        {"continuity", 3, Press({"ContBut_0"}, {"p21028923/#Cont.: 1 Ohm", "p0"}),
         Press({"ContBut_1"}, {"p20971581/#Cont.: 10 Ohms", "p0"}), false, Label("ContLab"),
         QStringLiteral("10.00\u03A9")},
        {"measurement", 4, Press({"DMMBut_0"}, {"p17858560", "p0", "#Measure : 20mA"}),
         Press({"DMMBut_3"}, {"p17309696", "p0", "#Measure : 20V"}), true, Label("DispInfoLab"),
         "VOLTAGE MEASUREMENT - 30V RANGE"},
        {"terminal", 5, setFiveOvertaken, Press({"OffBut"}, {"S1"}), false, OutputState, "standby"},
        // STAND BY runs ahead of an OUTPUT ON still waiting, which must not undo it.
        {"terminal on then stand by", 5, setFiveOvertaken, Press({"ONBut", "OffBut"}, {"S1"}),
         false, OutputState, "standby"},
        {"tachometer close", 1, SetWith("RPMText", "1234", {"R64", "F1230"}),
         Press({"CloseBut"}, FunctionHost::ReleaseCommands), false, Label("RPMLab"), "closed"},
        // Leaving the program unloads the window at once: the rest of its Set is not sent.
        {"tachometer exit",
         1,
         SetWith("RPMText", "1234", {"R64"}),
         {[](QWidget &w) { w.window()->close(); }, FunctionHost::ReleaseCommands + Exit},
         false,
         Label("RPMLab"),
         "closed"},
    };
    return clicks;
}

} // namespace

void FaultMatrixTest::ClicksDuringAReplyWait_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < DoubleClicks().size(); ++i)
        QTest::addRow("%s", DoubleClicks()[i].name) << i;
}

void FaultMatrixTest::ClicksDuringAReplyWait() {
    QFETCH(int, row);
    const DoubleClick &d = DoubleClicks()[row];
    const WindowCase &w = Windows()[d.window];
    const QString title = TitleOf(w.code);
    Bench bench(16, {QStringLiteral("--slow"), QStringLiteral("150")});
    QVERIFY(bench.calsim->IsReady());
    QVERIFY(bench.port.Open());
    bench.link.SendCommand(Init);
    bench.main->OpenFunction(FunctionRow(w.code));
    QPointer<FunctionWindow> form =
        Find<FunctionArea>(bench.main.get(), "WorkArea")->FindFunctionWindow(title);
    QVERIFY(form);

    // The second click comes as soon as the first action's first line is out, while it waits.
    const qsizetype before = bench.Logged().size();
    bool firstEnded = false;
    bool clicked = false;
    bool duringFirst = false;
    QTimer watch;
    watch.setInterval(20);
    connect(&watch, &QTimer::timeout, this, [&] {
        if (bench.Logged().size() == before || !form)
            return;
        watch.stop();
        clicked = true;
        duringFirst = !firstEnded;
        d.second.click(*form);
    });
    watch.start();
    d.first.click(*form);
    firstEnded = true;
    QTRY_VERIFY_WITH_TIMEOUT(clicked, 5000);
    QVERIFY(duringFirst);
    QTRY_COMPARE_WITH_TIMEOUT(
        d.shown(Find<FunctionArea>(bench.main.get(), "WorkArea")->FindFunctionWindow(title)),
        d.shows, 5000);
    // A polling window: time for readings, which must not come once it is off the polled choice.
    if (w.polls)
        QTest::qWait(700);

    QStringList expected = QStringList{Init} + w.setUp + d.first.lines + d.second.lines;
    if (d.polls)
        expected << AnyReadings;
    QTRY_VERIFY2_WITH_TIMEOUT(Follows(bench.Logged(), expected),
                              qPrintable(bench.Logged().join(QStringLiteral(" | "))), 3000);
    QCOMPARE(bench.boxes.shown, QList<Box>{});
}

void FaultMatrixTest::PortLostThenBack_data() {
    QTest::addColumn<int>("window");
    // Found back by the operator's next action; by the window's own next reading.
    QTest::addRow("tachometer") << 1;
    QTest::addRow("continuity") << 3;
}

void FaultMatrixTest::PortLostThenBack() {
    QFETCH(int, window);
    const WindowCase &w = Windows()[window];
    const QString title = TitleOf(w.code);
    Bench bench(17, {});
    QVERIFY(bench.calsim->IsReady());
    bench.boxes.holdMs = 100;
    QVERIFY(bench.port.Open());
    bench.link.SendCommand(Init);
    bench.main->OpenFunction(FunctionRow(w.code));
    QPointer<FunctionWindow> form =
        Find<FunctionArea>(bench.main.get(), "WorkArea")->FindFunctionWindow(title);
    QVERIFY(form);
    const auto nextCommand = [&] {
        if (!w.polls && form)
            w.actions.first().click(*form);
    };

    // The line hangs up between exchanges, as when a USB adapter is pulled: a dead line left
    // open keeps its read notifier firing.
    bench.calsim->Stop();
    const std::clock_t before = std::clock();
    QTest::qWait(1000);
    const double busy = double(std::clock() - before) / CLOCKS_PER_SEC;
    QVERIFY2(busy < 0.25, qPrintable(QStringLiteral("%1 s of CPU in 1 s").arg(busy)));
    nextCommand();
    QTRY_COMPARE(bench.boxes.shown.size(), 1);
    QVERIFY2(IsLineFault(bench.boxes.shown.first()), qPrintable(Describe(bench.boxes.shown)));
    QVERIFY2(Follows(bench.Logged(), QStringList{Init} + w.setUp + QStringList{AnyReadings}),
             qPrintable(bench.Logged().join(QStringLiteral(" | "))));

    // The calibrator is back on the same port but missed what was sent meanwhile: it is set up
    // again and the window that no longer matches it is closed, never sent a bare line.
    bench.StartCalsim({});
    QVERIFY(bench.calsim->IsReady());
    nextCommand();
    QTRY_VERIFY_WITH_TIMEOUT(!Find<FunctionArea>(bench.main.get(), "WorkArea")->IsWindowOpen(title),
                             10000);
    bench.main->close();
    QTRY_COMPARE(bench.Logged(), QStringList{Init} + FunctionHost::ReleaseCommands + Exit);
    QCOMPARE(bench.boxes.shown.size(), 2);
    const Box &reconnected = bench.boxes.shown.last();
    QCOMPARE(reconnected.icon, MessageBoxes::Icon::Information);
    QCOMPARE(reconnected.buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(reconnected.title, QStringLiteral("Calibrator Reconnected"));
    QCOMPARE(bench.boxes.deepest, 1);
}

QTEST_MAIN(FaultMatrixTest)
#include "FaultMatrixTest.moc"
