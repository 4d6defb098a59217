#include "link/Interlock.h"
#include "link/CalibratorLink.h"
#include "tests/support/FakeSerialPort.h"
#include "tests/support/RecordingObserver.h"
#include "tests/support/VirtualClock.h"

#include <QTest>

using namespace vk220::link;

using Chunk = FakeSerialPort::Chunk;

namespace {

struct Rig {
    Rig() {
        link.SetObserver(&observer);
        observer.consoleShown = true;
        port.Open();
    }
    // Sends each line for `sender`, then gives the lines written and the interlock's notes.
    QStringList Send(Interlock::SenderId sender, const QStringList &lines) {
        for (const QString &line : lines)
            interlock.Send(sender, line);
        return Taken();
    }
    QStringList Taken() { return std::exchange(port.written, {}); }
    QStringList Notes() const { return observer.console.filter(QStringLiteral("Interlock: ")); }

    VirtualClock clock;
    FakeSerialPort port{clock};
    CalibratorLink link{port, clock};
    Interlock interlock{link};
    RecordingObserver observer;
};

const QString Release = QStringLiteral("p16777216");

} // namespace

class InterlockTest : public QObject {
    Q_OBJECT
private slots:
    void StandbyGoesBeforeSwitchingUnderALiveOutput();
    void ARevokedSenderAndTheExitSendNothingMore();
    void StandbyIsFinalOverActionsAskedBeforeIt();
    void NoLiveOutputWithoutAValueForItsRangeAndMask();
    void LinesAreJudgedWhenTheyAreWrittenNotWhenAsked();
};

void InterlockTest::StandbyGoesBeforeSwitchingUnderALiveOutput() {
    Rig rig;
    const Interlock::SenderId window = rig.interlock.OpenSender();
    QCOMPARE(rig.Send(window, {"R3", "O10", "S0", "p17039360"}),
             (QStringList{"R3", "O10", "S0", "S1", "p17039360"}));
    QCOMPARE(rig.Notes(), QStringList{"Interlock: \"S1\" first: the output may be live and "
                                      "\"p17039360\" switches the adapter"});
    // In standby, and for the tachometer's signal, the lines go as asked.
    QCOMPARE(rig.Send(window, {"p0", "R64", "F600", "S0", Release}),
             (QStringList{"p0", "R64", "F600", "S0", Release}));
    // A standby in the same line, before the mask, is enough; a line lost with the port leaves
    // the output unknown, so standby goes first again.
    QCOMPARE(rig.Send(window, {"R11", "O25", "S0", "S1/p16778240", "O25", "S0"}),
             (QStringList{"R11", "O25", "S0", "S1/p16778240", "O25", "S0"}));
    rig.port.ioError = QStringLiteral("gone");
    QCOMPARE(rig.Send(window, {"S1"}), QStringList{});
    rig.port.Open();
    QCOMPARE(rig.Send(Interlock::Shell, {Release}), (QStringList{"S1", Release}));
}

void InterlockTest::ARevokedSenderAndTheExitSendNothingMore() {
    Rig rig;
    const Interlock::SenderId first = rig.interlock.OpenSender();
    const Interlock::SenderId second = rig.interlock.OpenSender();
    rig.interlock.Revoke(first);
    QCOMPARE(rig.Send(first, {"p1"}), QStringList{});
    QCOMPARE(rig.Send(second, {"p2"}), QStringList{"p2"});
    rig.interlock.Shutdown();
    QCOMPARE(rig.Send(second, {"p3"}), QStringList{});
    QCOMPARE(rig.Send(Interlock::Shell, {"S1"}), QStringList{});
    QCOMPARE(rig.Notes(),
             (QStringList{"Interlock: \"p1\" not sent: its window has been closed",
                          "Interlock: \"p3\" not sent: the calibrator was released at exit",
                          "Interlock: \"S1\" not sent: the calibrator was released at exit"}));
}

void InterlockTest::StandbyIsFinalOverActionsAskedBeforeIt() {
    Rig rig;
    const Interlock::SenderId window = rig.interlock.OpenSender();
    const int asked = rig.interlock.Standbys();
    rig.interlock.OperatorStandby();
    // Asked before STAND BY: its value goes, its "S0" does not; STAND BY's own "S1" goes.
    rig.interlock.Send(window, QStringLiteral("R3"), asked);
    rig.interlock.Send(window, QStringLiteral("O10/S0"), asked);
    rig.interlock.Send(window, QStringLiteral("S1"), asked);
    QCOMPARE(rig.Taken(), (QStringList{"R3", "S1"}));
    QCOMPARE(rig.Notes(), QStringList{"Interlock: \"O10/S0\" not sent: STAND BY was pressed after "
                                      "it was asked for"});
    // OUTPUT ON or ENTER asked for after it switches the output on again.
    QCOMPARE(rig.Send(window, {"O10", "S0"}), (QStringList{"O10", "S0"}));
}

void InterlockTest::NoLiveOutputWithoutAValueForItsRangeAndMask() {
    Rig rig;
    const Interlock::SenderId window = rig.interlock.OpenSender();
    // A new range, then a new mask, each want a value of their own before "S0".
    QCOMPARE(rig.Send(window, {"R3", "S0", "O5", "p17039360", "p0", "S0", "F50", "S0"}),
             (QStringList{"R3", "O5", "p17039360", "p0", "F50", "S0"}));
    QCOMPARE(rig.Notes().size(), 2);
    QCOMPARE(rig.Notes().first(), QStringLiteral("Interlock: \"S0\" not sent: no output value is "
                                                 "set for this range and output"));
    // The thermocouple's signal comes on at its opening before its temperature, as it always has.
    QCOMPARE(rig.Send(window, {"S1", "p25206784", "p0", "R60/S0"}),
             (QStringList{"S1", "p25206784", "p0", "R60/S0"}));
}

void InterlockTest::LinesAreJudgedWhenTheyAreWrittenNotWhenAsked() {
    Rig rig;
    rig.link.SetLimits({.silenceSeconds = 0.3, .lateReplySeconds = 0.5});
    const Interlock::SenderId window = rig.interlock.OpenSender();
    rig.Send(window, {"R3", "O10"});
    // "F50" hears nothing in time, so the window's "S0" first waits for the late reply; the exit
    // is chosen during that wait.
    rig.port.responder = [](const QString &line) {
        return QList<Chunk>{{line == QLatin1String("F50") ? 0.6 : 0.05, FakeSerialPort::Marker}};
    };
    rig.interlock.Send(window, QStringLiteral("F50"));
    rig.observer.duringWait = [&rig, window] {
        rig.interlock.Revoke(window);
        for (const char *line : {"S1", "R1", "O0"})
            rig.interlock.Send(Interlock::Shell, QString::fromLatin1(line));
        rig.interlock.Shutdown();
    };
    rig.interlock.Send(window, QStringLiteral("S0"));
    QCOMPARE(rig.Taken(), (QStringList{"F50", "S1", "R1", "O0"}));
    QCOMPARE(rig.interlock.Model().OutputState(), CalibratorModel::Output::Standby);
}

QTEST_GUILESS_MAIN(InterlockTest)
#include "InterlockTest.moc"
