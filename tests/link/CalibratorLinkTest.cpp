#include "link/CalibratorLink.h"
#include "link/ExchangeReport.h"
#include "link/Interlock.h"
#include "tests/support/FakeSerialPort.h"
#include "tests/support/RecordingObserver.h"
#include "tests/support/VirtualClock.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace vk220::link;

using Chunk = FakeSerialPort::Chunk;

namespace {

struct Rig {
    Rig() {
        link.SetObserver(&observer);
        port.Open();
    }
    double Elapsed(double since) const { return clock.Now() - since; }

    VirtualClock clock;
    FakeSerialPort port{clock};
    CalibratorLink link{port, clock};
    RecordingObserver observer;
};

} // namespace

class CalibratorLinkTest : public QObject {
    Q_OBJECT
private slots:
    void PromptReplyIsReturnedWholeWithinTwoPolls();
    void SilentCalibratorReturnsEmptyAfterTwoSeconds();
    void DialogHeldOpenDuringTheWaitIsNotTheDevicesTime();
    void TricklingReplyIsCollectedUntilTheMarker();
    void StreamWithoutMarkerLastsAsLongAsTheStream();
    void CharactersAfterTheMarkerEndBySilence();
    void StaleInputIsDiscarded();
    void OfflineModeSendsNothing();
    void ConsoleGetsCommandAndReplyOnlyWhileShown();
    void ClosedPortReportsOnceAndLogsNothing();
    void FaultDuringTheWaitEndsTheExchange();
    void LostPortIsReportedOnceThenReopenedQuietly();
    void PortLostWhileIdleIsReportedAtTheNextCommand();
    void EndlessReplyEndsAtTheBound();
    void LateReplyIsNeverReadAsTheNextOne();
    void NestedExchangeNeverSharesAReply();
    void ErrorsWhileTheBoxIsOpenAreNotStacked();
    void FakePortRefereesTheLinesSent();
    void ObserverHearsEachLineAndHowEachExchangeEnded();
};

void CalibratorLinkTest::PromptReplyIsReturnedWholeWithinTwoPolls() {
    Rig rig;
    rig.port.AnswerAll("1.2345");
    const double start = rig.clock.Now();
    const QString reply = rig.link.SendCommand(QStringLiteral("v"));
    QCOMPARE(reply, QStringLiteral("1.2345*0\r\n"));
    QCOMPARE(rig.port.written, QStringList{QStringLiteral("v")});
    QVERIFY(rig.Elapsed(start) >= 0.1 && rig.Elapsed(start) <= 0.21);
    QVERIFY(rig.observer.errors.isEmpty());
}

void CalibratorLinkTest::SilentCalibratorReturnsEmptyAfterTwoSeconds() {
    Rig rig;
    rig.observer.consoleShown = true;
    rig.port.responder = [](const QString &) {
        return QList<Chunk>{};
    };
    const double start = rig.clock.Now();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("T")), QString());
    QVERIFY(rig.Elapsed(start) > 2.0 && rig.Elapsed(start) < 2.25);
    QCOMPARE(rig.observer.console, (QStringList{QStringLiteral("T"), QString()}));
    QVERIFY(rig.observer.errors.isEmpty());
}

void CalibratorLinkTest::DialogHeldOpenDuringTheWaitIsNotTheDevicesTime() {
    // A reply that arrived while a dialog held the wait for 30 s is the exchange's reply, not an
    // endless one; with no reply, silence is judged after the dialog.
    for (const bool answers : {true, false}) {
        Rig rig;
        rig.port.AnswerAll("1.2345");
        if (!answers)
            rig.port.responder = [](const QString &) {
                return QList<Chunk>{};
            };
        rig.observer.duringWait = [&rig] {
            rig.clock.Advance(30);
        };
        const double start = rig.clock.Now();
        QCOMPARE(rig.link.SendCommand(QStringLiteral("v")),
                 answers ? QStringLiteral("1.2345*0\r\n") : QString());
        QVERIFY(rig.observer.errors.isEmpty());
        if (!answers)
            QVERIFY(rig.Elapsed(start) > 32.0 && rig.Elapsed(start) < 32.25);
    }
}

void CalibratorLinkTest::TricklingReplyIsCollectedUntilTheMarker() {
    Rig rig;
    rig.port.responder = [](const QString &) {
        return QList<Chunk>{{0.05, "12"}, {0.35, "34"}, {0.65, "*0"}, {0.95, "\r\n"}};
    };
    const double start = rig.clock.Now();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("v")), QStringLiteral("1234*0\r\n"));
    QVERIFY(rig.Elapsed(start) < 1.2);
}

void CalibratorLinkTest::StreamWithoutMarkerLastsAsLongAsTheStream() {
    Rig rig;
    rig.port.responder = [](const QString &) {
        QList<Chunk> stream;
        for (int i = 0; i < 40; ++i)
            stream.append({0.05 + i * 0.1, "x"});
        return stream;
    };
    const double start = rig.clock.Now();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("T")), QString(40, QLatin1Char('x')));
    // The stream lasted four seconds: the silence limit counts only once it has stopped.
    QVERIFY(rig.Elapsed(start) > 3.9 && rig.Elapsed(start) < 4.3);
}

void CalibratorLinkTest::CharactersAfterTheMarkerEndBySilence() {
    Rig rig;
    rig.port.AnswerAll("OK*0\r\nZZ");
    rig.port.responder = [](const QString &) {
        return QList<Chunk>{{0.05, "OK*0\r\nZZ"}};
    };
    const double start = rig.clock.Now();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("T")), QStringLiteral("OK*0\r\nZZ"));
    QVERIFY(rig.Elapsed(start) > 2.0);
}

void CalibratorLinkTest::StaleInputIsDiscarded() {
    Rig rig;
    rig.port.Inject("late reply*0\r\n");
    rig.port.AnswerAll("fresh");
    QCOMPARE(rig.link.SendCommand(QStringLiteral("v")), QStringLiteral("fresh*0\r\n"));
}

void CalibratorLinkTest::OfflineModeSendsNothing() {
    Rig rig;
    rig.link.SetOfflineMode(true);
    QCOMPARE(rig.link.SendCommand(QStringLiteral("v")), QString());
    QVERIFY(rig.port.written.isEmpty());
    QVERIFY(rig.observer.console.isEmpty());

    rig.observer.consoleShown = true;
    const double start = rig.clock.Now();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("R0")), QString());
    QCOMPARE(rig.observer.console, (QStringList{QStringLiteral("R0"), QString()}));
    QCOMPARE(rig.observer.selectedRow, 1);
    QCOMPARE(rig.clock.Now(), start);
    QVERIFY(rig.port.written.isEmpty());
}

void CalibratorLinkTest::ConsoleGetsCommandAndReplyOnlyWhileShown() {
    Rig rig;
    rig.port.AnswerAll("A");
    rig.link.SendCommand(QStringLiteral("hidden"));
    rig.observer.consoleShown = true;
    rig.link.SendCommand(QStringLiteral("p0"));
    rig.link.SendCommand(QStringLiteral("S1"));
    QCOMPARE(rig.observer.console, (QStringList{QStringLiteral("p0"), QStringLiteral("A*0\r\n"),
                                                QStringLiteral("S1"), QStringLiteral("A*0\r\n")}));
    QCOMPARE(rig.observer.selectedRow, 3);
}

void CalibratorLinkTest::ClosedPortReportsOnceAndLogsNothing() {
    Rig rig;
    rig.observer.consoleShown = true;
    rig.port.Close();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("T")), QString());
    QCOMPARE(rig.observer.errors,
             QStringList{rig.link.PortName() + QStringLiteral(": Port not open")});
    QVERIFY(rig.observer.console.isEmpty());
    QVERIFY(rig.port.written.isEmpty());
}

void CalibratorLinkTest::FaultDuringTheWaitEndsTheExchange() {
    Rig rig;
    rig.port.responder = [](const QString &) {
        return QList<Chunk>{{0.05, "12"}, {1.0, "*0\r\n"}};
    };
    rig.observer.duringWait = [&rig] {
        rig.port.ioError = QStringLiteral("Device vanished");
    };
    const double start = rig.clock.Now();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("v")), QString());
    QCOMPARE(rig.observer.errors,
             QStringList{rig.link.PortName() + QStringLiteral(": Device vanished")});
    QVERIFY(rig.Elapsed(start) < 0.5);
    QVERIFY(!rig.port.IsOpen());
}

void CalibratorLinkTest::LostPortIsReportedOnceThenReopenedQuietly() {
    Rig rig;
    rig.port.ioError = QStringLiteral("Device vanished");
    rig.link.SendCommand(QStringLiteral("v"));
    QCOMPARE(rig.observer.errors.size(), 1);
    QVERIFY(!rig.port.IsOpen());

    // While the device stays away: no box, nothing written, an empty reply.
    rig.port.openError = QStringLiteral("No such file or directory");
    for (int tick = 0; tick < 5; ++tick)
        QCOMPARE(rig.link.SendCommand(QStringLiteral("v")), QString());
    QCOMPARE(rig.observer.errors.size(), 1);
    QVERIFY(rig.port.written.isEmpty());

    // Back again: the next exchange reopens the port and goes ahead.
    rig.port.openError.clear();
    rig.port.AnswerAll("5");
    QCOMPARE(rig.link.SendCommand(QStringLiteral("v")), QStringLiteral("5*0\r\n"));
    QVERIFY(rig.port.IsOpen());
    QCOMPARE(rig.port.written, QStringList{QStringLiteral("v")});
    QCOMPARE(rig.observer.restored, 1);
    QCOMPARE(rig.link.Losses(), 1);

    // A port that was never open is reported every time, as at start-up.
    rig.port.Close();
    rig.link.SendCommand(QStringLiteral("T"));
    rig.link.SendCommand(QStringLiteral("T"));
    QCOMPARE(rig.observer.errors.size(), 3);
}

void CalibratorLinkTest::PortLostWhileIdleIsReportedAtTheNextCommand() {
    Rig rig;
    rig.port.HangUp(QStringLiteral("Device hung up"));
    rig.port.openError = QStringLiteral("No such file or directory");
    QCOMPARE(rig.link.SendCommand(QStringLiteral("R64")), QString());
    QCOMPARE(rig.observer.errors,
             QStringList{rig.link.PortName() + QStringLiteral(": Device hung up")});
    QVERIFY(rig.link.PortLost());
    QCOMPARE(rig.link.Losses(), 1);

    // Back again: the observer hears of it before anything is sent, and holds the command back.
    rig.port.openError.clear();
    rig.observer.passAfterRestore = false;
    QCOMPARE(rig.link.SendCommand(QStringLiteral("F1230")), QString());
    QCOMPARE(rig.observer.restored, 1);
    QVERIFY(!rig.link.PortLost());
    QVERIFY(rig.port.written.isEmpty());
    rig.link.SendCommand(QStringLiteral("v"));
    QCOMPARE(rig.port.written, QStringList{QStringLiteral("v")});
    QCOMPARE(rig.observer.restored, 1);
    QCOMPARE(rig.observer.errors.size(), 1);
}

void CalibratorLinkTest::EndlessReplyEndsAtTheBound() {
    Rig rig;
    rig.observer.consoleShown = true;
    rig.port.responder = [](const QString &) {
        QList<Chunk> stream;
        for (int i = 0; i < 300; ++i)
            stream.append({0.05 + i * 0.1, "+1234567 STREAM\r\n"});
        return stream;
    };
    double start = rig.clock.Now();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("v")), QString());
    QVERIFY(rig.Elapsed(start) > 10.0 && rig.Elapsed(start) < 10.3);
    const QString endless =
        rig.link.PortName() +
        QStringLiteral(": the device kept sending and never finished its reply");
    QCOMPARE(rig.observer.errors, QStringList{endless});
    QVERIFY(rig.observer.console.isEmpty());

    // A flood ends at the bound of characters first.
    rig.link.SetLimits({2.0, 10.0, 100});
    start = rig.clock.Now();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("v")), QString());
    QVERIFY(rig.Elapsed(start) < 1.0);
    QCOMPARE(rig.observer.errors, (QStringList{endless, endless}));
    QVERIFY(!rig.link.PortLost());
}

void CalibratorLinkTest::LateReplyIsNeverReadAsTheNextOne() {
    Rig rig;
    // Each line is answered with its own name 2.5 s after it was written, past the silence rule.
    rig.port.responder = [](const QString &line) {
        return QList<Chunk>{{2.5, line.toLatin1() + FakeSerialPort::Marker}};
    };
    QCOMPARE(rig.link.SendCommand(QStringLiteral("A")), QString());
    rig.port.responder = [](const QString &line) {
        return QList<Chunk>{{0.5, line.toLatin1() + FakeSerialPort::Marker}};
    };
    double start = rig.clock.Now();
    // The late "A" would arrive first in the next exchange: it is drained before "B" goes out.
    QCOMPARE(rig.link.SendCommand(QStringLiteral("B")), QStringLiteral("B*0\r\n"));
    QVERIFY(rig.Elapsed(start) < 1.5);

    // After an exchange that got its reply nothing is awaited.
    start = rig.clock.Now();
    rig.link.SendCommand(QStringLiteral("C"));
    QVERIFY(rig.Elapsed(start) <= 0.71);

    // A reply without its marker was heard: nothing more is awaited.
    rig.port.responder = [](const QString &) {
        return QList<Chunk>{{0.05, "garbage"}};
    };
    rig.link.SendCommand(QStringLiteral("D"));
    rig.port.AnswerAll("E");
    start = rig.clock.Now();
    QCOMPARE(rig.link.SendCommand(QStringLiteral("E")), QStringLiteral("E*0\r\n"));
    QVERIFY(rig.Elapsed(start) <= 0.21);

    // A device that stays silent costs the drain's bound once, then is not waited for again.
    rig.port.responder = [](const QString &) {
        return QList<Chunk>{};
    };
    rig.link.SendCommand(QStringLiteral("F"));
    start = rig.clock.Now();
    rig.link.SendCommand(QStringLiteral("G"));
    QVERIFY(rig.Elapsed(start) > 3.0 && rig.Elapsed(start) < 3.4);
    start = rig.clock.Now();
    rig.link.SendCommand(QStringLiteral("H"));
    QVERIFY(rig.Elapsed(start) > 2.0 && rig.Elapsed(start) < 2.25);
    QCOMPARE(rig.port.written, (QStringList{"A", "B", "C", "D", "E", "F", "G", "H"}));
    QVERIFY(rig.observer.errors.isEmpty());
}

void CalibratorLinkTest::NestedExchangeNeverSharesAReply() {
    Rig rig;
    rig.observer.consoleShown = true;
    rig.port.responder = [](const QString &line) {
        return QList<Chunk>{{0.05, line.toLatin1() + "-"}, {0.4, "done*0\r\n"}};
    };
    QString inner;
    rig.observer.duringWait = [&] {
        inner = rig.link.SendCommand(QStringLiteral("v"));
    };
    const QString outer = rig.link.SendCommand(QStringLiteral("p0"));
    QCOMPARE(outer, QStringLiteral("p0-done*0\r\n"));
    QCOMPARE(inner, QStringLiteral("v-done*0\r\n"));
    QCOMPARE(rig.port.written, (QStringList{QStringLiteral("p0"), QStringLiteral("v")}));
    // The console keeps each command beside its own reply, in the order they were sent.
    QCOMPARE(rig.observer.console,
             (QStringList{QStringLiteral("p0"), outer, QStringLiteral("v"), inner}));
}

void CalibratorLinkTest::ErrorsWhileTheBoxIsOpenAreNotStacked() {
    Rig rig;
    rig.port.Close();
    rig.observer.duringError = [&rig] {
        // A polling tick serviced while the operator reads the box.
        rig.link.SendCommand(QStringLiteral("v"));
        rig.link.SendCommand(QStringLiteral("v"));
    };
    rig.link.SendCommand(QStringLiteral("v"));
    QCOMPARE(rig.observer.errors.size(), 1);
    // Once the box is gone, the next fault is reported again.
    rig.link.SendCommand(QStringLiteral("v"));
    QCOMPARE(rig.observer.errors.size(), 2);
}

void CalibratorLinkTest::FakePortRefereesTheLinesSent() {
    Rig rig;
    for (const char *line : {"p17039360", "p0", "R1", "S0", "S1"})
        rig.link.SendCommand(QLatin1String(line));
    const QStringList hazard{QStringLiteral("output on with no value set: S0")};
    QCOMPARE(rig.port.Hazards(), hazard);
    QCOMPARE(rig.port.TakeHazards(), hazard);
    QVERIFY(rig.port.Hazards().isEmpty());
}

void CalibratorLinkTest::ObserverHearsEachLineAndHowEachExchangeEnded() {
    using End = ExchangeReport::End;
    Rig rig;
    Interlock interlock(rig.link);
    // Prompt, slow and silent devices; a line is heard as it is written, before its reply.
    rig.observer.duringWait = [&rig] {
        QCOMPARE(rig.observer.linesWritten, QStringList{QStringLiteral("v")});
        QVERIFY(rig.observer.reports.isEmpty());
    };
    for (const auto &[delay, end, from, to] : {std::tuple(0.05, End::Replied, 0.1, 0.21),
                                               {0.6, End::Replied, 0.6, 0.75},
                                               {-1.0, End::Silence, 2.0, 2.25}}) {
        rig.port.responder = [delay](const QString &) {
            return delay < 0 ? QList<Chunk>{} : QList<Chunk>{{delay, "OK*0\r\n"}};
        };
        rig.link.SendCommand(QStringLiteral("v"));
        const ExchangeReport report = rig.observer.reports.last();
        QCOMPARE(report.end, end);
        QVERIFY(report.seconds > from && report.seconds < to);
    }
    // A line the interlock refuses is neither written nor sent.
    interlock.Shutdown();
    rig.link.SendCommand(QStringLiteral("S0"));
    QCOMPARE(rig.observer.reports.last().end, End::NotSent);
    QCOMPARE(rig.observer.linesWritten.size(), 3);

    // A fault ends the exchange; a lost port takes no line; offline mode logs the line only.
    Rig faulty;
    faulty.port.ioError = QStringLiteral("Device vanished");
    faulty.link.SendCommand(QStringLiteral("v"));
    faulty.port.openError = QStringLiteral("No such file or directory");
    faulty.link.SendCommand(QStringLiteral("v"));
    faulty.link.SetOfflineMode(true);
    faulty.link.SendCommand(QStringLiteral("p0"));
    QCOMPARE(faulty.observer.linesWritten,
             (QStringList{QStringLiteral("v"), QStringLiteral("p0")}));
    QList<End> ends;
    for (const ExchangeReport &report : faulty.observer.reports)
        ends.append(report.end);
    QCOMPARE(ends, (QList<End>{End::Failed, End::NotSent, End::Offline}));

    // A nested exchange collects the running one's reply: each is reported with its own time.
    Rig nested;
    nested.port.responder = [](const QString &line) {
        return QList<Chunk>{{line == QLatin1String("v") ? 0.6 : 0.05, "1*0\r\n"}};
    };
    nested.observer.duringWait = [&nested] {
        nested.link.SendCommand(QStringLiteral("p0"));
    };
    nested.link.SendCommand(QStringLiteral("v"));
    QCOMPARE(nested.observer.reports.size(), 2);
    QVERIFY(nested.observer.reports.first().seconds < 0.21);
    QVERIFY(nested.observer.reports.last().seconds > 0.6);
}

QTEST_GUILESS_MAIN(CalibratorLinkTest)
#include "CalibratorLinkTest.moc"
