#include "functions/continuity/ContForm.h"

#include "tests/support/FindControl.h"
#include "tests/support/LoadedWindow.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"
#include "ui/PollingTimer.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace vk220::continuity;
using namespace vk220::ui;

using Chunk = FakeSerialPort::Chunk;

namespace {

const QString OneOhm = QStringLiteral("p21028923/#Cont.: 1 Ohm");
const QString OneNinetyOhms = QStringLiteral("p20971567/#Cont.: 190 Ohms");
const QString P0 = QStringLiteral("p0");
const QString V = QStringLiteral("v");

struct Window : LoadedWindow<ContForm> {
    void Click(QPushButton &button) { QTest::mouseClick(&button, Qt::LeftButton); }
    void ClickResistance(int index) { Click(*Find<QPushButton>(form, "ContBut", index)); }
    // Runs `action` inside the reply wait of the next exchange, as a click serviced there would.
    static void DuringNextWait(std::function<void()> action) {
        QTimer::singleShot(0, std::move(action));
    }
    bool CurrentDisplayShown() const {
        return !Find<QLabel>(form, "ContCurLab")->isHidden() &&
               !Find<QLabel>(form, "ContCurLab2")->isHidden() &&
               !Find<QFrame>(form, "CurLine1")->isHidden() &&
               !Find<QFrame>(form, "CurLine2")->isHidden();
    }
    bool CurrentDisplayHidden() const {
        return Find<QLabel>(form, "ContCurLab")->isHidden() &&
               Find<QLabel>(form, "ContCurLab2")->isHidden() &&
               Find<QFrame>(form, "CurLine1")->isHidden() &&
               Find<QFrame>(form, "CurLine2")->isHidden();
    }
};

QStringList Released(QStringList lines) {
    return lines + FunctionHost::ReleaseCommands;
}

} // namespace

class ContFormTest : public QObject {
    Q_OBJECT
private slots:
    void OpeningSelectsOneOhmAndPollsHalfASecondLater();
    void ResistanceSelection_data();
    void ResistanceSelection();
    void SelectingTheSelectedResistanceRepeatsEverything();
    void Readings_data();
    void Readings();
    void ReplySplitOverSeveralReads();
    void SampleIndicatorShowsOnlyWhileReading();
    void CloseOnOneOhmWaitsForTheNextTick();
    void CloseOnOtherResistancesClosesAtOnce();
    void CloseDuringAReadingClosesAfterIt();
    void ResistanceChosenDuringAReading();
    void OneOhmChosenDuringAReadingKeepsPolling();
    void ClicksAfterCloseRequestAreRefused();
    void TickDuringAReadingIsSkipped();
    void ResistanceChosenDuringAChangeFollowsIt();
    void LostPortStopsPollingWithOneError();
};

void ContFormTest::OpeningSelectsOneOhmAndPollsHalfASecondLater() {
    Window w;
    QCOMPARE(w.rig.host.placed, 1);
    QCOMPARE(w.form->windowTitle(), QStringLiteral("CONTINUITY RESISTANCE & CURRENT"));
    QCOMPARE(w.rig.TakeWritten(), (QStringList{OneOhm, P0}));
    QCOMPARE(Find<ButtonArray>(w.form, "ContBut")->Selected(), 0);
    for (int i = 1; i < 6; ++i)
        QVERIFY(!Controls::IsSelected(*Find<QPushButton>(w.form, "ContBut", i)));
    QCOMPARE(Find<QLabel>(w.form, "ContLab")->text(), QStringLiteral("1.000\u03A9"));
    QVERIFY(w.CurrentDisplayShown());
    QCOMPARE(Find<QLabel>(w.form, "ContCurLab")->text(), QStringLiteral("0.0mA"));
    QCOMPARE(Find<QLabel>(w.form, "ContCurLab2")->text(),
             QStringLiteral("CONTINUITY CURRENT @ 1 Ohm"));
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());
    QCOMPARE(Find<PollingTimer>(w.form, "ContTimer")->objectName(), QStringLiteral("ContTimer"));
    QVERIFY(Find<PollingTimer>(w.form, "ContTimer")->IsActive());
    QCOMPARE(Find<PollingTimer>(w.form, "ContTimer")->Interval(), 500);
    QCOMPARE(w.form->CloseButton().text(), QStringLiteral("Close"));

    w.rig.port.AnswerReading("231428");
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QCOMPARE(w.rig.TakeWritten(), QStringList{V});
    QCOMPARE(Find<QLabel>(w.form, "ContCurLab")->text(), QStringLiteral("10.0mA"));
}

void ContFormTest::ResistanceSelection_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("display");
    QTest::newRow("10 Ohms") << 1 << "p20971581/#Cont.: 10 Ohms" << QStringLiteral("10.00\u03A9");
    QTest::newRow("19 Ohms") << 2 << "p20971582/#Cont.: 19 Ohms" << QStringLiteral("19.00\u03A9");
    QTest::newRow("100 Ohms") << 3 << "p20971575/#Cont.: 100 Ohms" << QStringLiteral("100.0\u03A9");
    QTest::newRow("190 Ohms") << 4 << "p20971567/#Cont.: 190 Ohms" << QStringLiteral("190.0\u03A9");
    QTest::newRow("1 kOhm") << 5 << "p20971551/#Cont.: 1 kOhm" << QStringLiteral("1.000k\u03A9");
}

void ContFormTest::ResistanceSelection() {
    QFETCH(int, index);
    QFETCH(QString, command);
    QFETCH(QString, display);
    Window w;
    w.rig.TakeWritten();
    w.ClickResistance(index);
    QCOMPARE(w.rig.TakeWritten(), (QStringList{command, P0}));
    QCOMPARE(Find<ButtonArray>(w.form, "ContBut")->Selected(), index);
    QVERIFY(!Controls::IsSelected(*Find<QPushButton>(w.form, "ContBut", 0)));
    QCOMPARE(Find<QLabel>(w.form, "ContLab")->text(), display);
    QVERIFY(w.CurrentDisplayHidden());
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());
    QVERIFY(!Find<PollingTimer>(w.form, "ContTimer")->IsActive());

    // Back to 1 Ω: the current display returns with its last reading and polling restarts.
    w.ClickResistance(0);
    QCOMPARE(w.rig.TakeWritten(), (QStringList{OneOhm, P0}));
    QVERIFY(w.CurrentDisplayShown());
    QCOMPARE(Find<QLabel>(w.form, "ContCurLab")->text(), QStringLiteral("0.0mA"));
    QVERIFY(Find<PollingTimer>(w.form, "ContTimer")->IsActive());
}

void ContFormTest::SelectingTheSelectedResistanceRepeatsEverything() {
    Window w;
    w.ClickResistance(4);
    w.rig.TakeWritten();
    w.ClickResistance(4);
    QCOMPARE(w.rig.TakeWritten(), (QStringList{OneNinetyOhms, P0}));
    QCOMPARE(Find<ButtonArray>(w.form, "ContBut")->Selected(), 4);
    w.ClickResistance(0);
    w.ClickResistance(0);
    QCOMPARE(w.rig.TakeWritten(), (QStringList{OneOhm, P0, OneOhm, P0}));
    QVERIFY(Find<PollingTimer>(w.form, "ContTimer")->IsActive());
}

void ContFormTest::Readings_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shown");
    QTest::newRow("10 mA") << QByteArray("231428") << "10.0mA";
    QTest::newRow("negative") << QByteArray("-46285") << "-2.0mA";
    QTest::newRow("top of the range") << QByteArray("10000000") << "432.1mA";
    QTest::newRow("one count over") << QByteArray("10000001") << "Over Range";
    QTest::newRow("one count under") << QByteArray("-10000001") << "Over Range";
    QTest::newRow("too large for a double") << QByteArray("1e999") << "Over Range";
    QTest::newRow("empty") << QByteArray() << "0.0mA";
    QTest::newRow("garbage") << QByteArray("#?!x") << "0.0mA";
    QTest::newRow("sign alone") << QByteArray("-") << "0.0mA";
    QTest::newRow("blanks and exponent") << QByteArray(" 2314.28 E2") << "10.0mA";
}

void ContFormTest::Readings() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, shown);
    Window w;
    w.rig.port.AnswerReading("-231428");
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    w.rig.port.AnswerReading(reply);
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QCOMPARE(Find<QLabel>(w.form, "ContCurLab")->text(), shown);
    // Over range or not, polling goes on.
    QVERIFY(Find<PollingTimer>(w.form, "ContTimer")->IsActive());
}

void ContFormTest::ReplySplitOverSeveralReads() {
    Window w;
    w.rig.port.responder = [](const QString &) {
        return QList<Chunk>{{0.05, "-4"}, {0.25, "6285"}, {0.45, "*0"}, {0.65, "\r\n"}};
    };
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QCOMPARE(Find<QLabel>(w.form, "ContCurLab")->text(), QStringLiteral("-2.0mA"));
}

void ContFormTest::SampleIndicatorShowsOnlyWhileReading() {
    Window w;
    QList<bool> shownAtWrite;
    w.rig.port.responder = [&w, &shownAtWrite](const QString &) {
        shownAtWrite.append(!Find<QLabel>(w.form, "SampleLab")->isHidden());
        return QList<Chunk>{{0.05, "0*0\r\n"}};
    };
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QCOMPARE(shownAtWrite, (QList<bool>{true, true}));
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());
    QCOMPARE(Find<QLabel>(w.form, "SampleLab")->text(), QStringLiteral("SMPL"));
}

void ContFormTest::CloseOnOneOhmWaitsForTheNextTick() {
    Window w;
    w.rig.TakeWritten();
    w.Click(w.form->CloseButton());
    QCOMPARE(w.form->CloseButton().text(), QStringLiteral("Closing..."));
    QVERIFY(!w.form->IsUnloaded());
    QVERIFY(w.rig.TakeWritten().isEmpty());
    QVERIFY(w.rig.host.enabledCalls.isEmpty());

    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QVERIFY(w.form->IsUnloaded());
    QCOMPARE(w.rig.TakeWritten(), Released({V}));
    QCOMPARE(w.rig.host.enabledCalls, QList<bool>{true});
    QVERIFY(!Find<PollingTimer>(w.form, "ContTimer")->IsActive());
}

void ContFormTest::CloseOnOtherResistancesClosesAtOnce() {
    Window w;
    w.ClickResistance(5);
    w.rig.TakeWritten();
    w.Click(w.form->CloseButton());
    QVERIFY(w.form->IsUnloaded());
    QCOMPARE(w.form->CloseButton().text(), QStringLiteral("Close"));
    QCOMPARE(w.rig.TakeWritten(), FunctionHost::ReleaseCommands);
    QCOMPARE(w.rig.host.enabledCalls, QList<bool>{true});
}

void ContFormTest::CloseDuringAReadingClosesAfterIt() {
    Window w;
    w.rig.TakeWritten();
    w.rig.port.AnswerReading("231428");
    Window::DuringNextWait([&w] { w.Click(w.form->CloseButton()); });
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QVERIFY(w.form->IsUnloaded());
    QCOMPARE(Find<QLabel>(w.form, "ContCurLab")->text(), QStringLiteral("10.0mA"));
    QCOMPARE(w.rig.TakeWritten(), Released({V}));
    QCOMPARE(w.rig.host.enabledCalls, QList<bool>{true});
}

void ContFormTest::ResistanceChosenDuringAReading() {
    Window w;
    w.rig.TakeWritten();
    w.rig.port.AnswerReading("231428");
    Window::DuringNextWait([&w] { w.ClickResistance(4); });
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    // The reading is collected before the switching lines go out.
    QCOMPARE(w.rig.TakeWritten(), (QStringList{V, OneNinetyOhms, P0}));
    QVERIFY(!Find<PollingTimer>(w.form, "ContTimer")->IsActive());
    QVERIFY(w.CurrentDisplayHidden());
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());
    QVERIFY(!w.form->IsUnloaded());
}

void ContFormTest::OneOhmChosenDuringAReadingKeepsPolling() {
    Window w;
    w.rig.TakeWritten();
    Window::DuringNextWait([&w] { w.ClickResistance(0); });
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QCOMPARE(w.rig.TakeWritten(), (QStringList{V, OneOhm, P0}));
    QVERIFY(Find<PollingTimer>(w.form, "ContTimer")->IsActive());
    QVERIFY(w.CurrentDisplayShown());
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());
}

void ContFormTest::ClicksAfterCloseRequestAreRefused() {
    Window w;
    w.rig.TakeWritten();
    w.Click(w.form->CloseButton());
    // A closing window takes no more clicks: the resistance stays, and the next reading closes it.
    w.ClickResistance(4);
    QVERIFY(w.rig.TakeWritten().isEmpty());
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QVERIFY(w.form->IsUnloaded());
    QCOMPARE(w.rig.TakeWritten(), Released({V}));
    QCOMPARE(w.rig.host.enabledCalls, QList<bool>{true});
}

void ContFormTest::TickDuringAReadingIsSkipped() {
    Window w;
    w.rig.TakeWritten();
    w.rig.port.responder = [](const QString &) {
        return QList<Chunk>{{0.05, "23"}, {0.6, "1428*0\r\n"}};
    };
    Window::DuringNextWait([&w] { Find<PollingTimer>(w.form, "ContTimer")->Tick(); });
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QCOMPARE(w.rig.TakeWritten(), QStringList{V});
    QCOMPARE(Find<QLabel>(w.form, "ContCurLab")->text(), QStringLiteral("10.0mA"));
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());
}

void ContFormTest::LostPortStopsPollingWithOneError() {
    Window w;
    w.rig.TakeWritten();
    w.rig.port.ioError = QStringLiteral("Device unplugged");
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QCOMPARE(w.rig.observer.errors,
             QStringList{w.rig.link.PortName() + QStringLiteral(": Device unplugged")});
    QCOMPARE(Find<QLabel>(w.form, "ContCurLab")->text(), QStringLiteral("0.0mA"));
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());

    // While the device stays away the ticks go on quietly: no more boxes, nothing written.
    w.rig.port.openError = QStringLiteral("No such device");
    for (int tick = 0; tick < 4; ++tick)
        Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QVERIFY(Find<PollingTimer>(w.form, "ContTimer")->IsActive());
    QCOMPARE(w.rig.observer.errors.size(), 1);

    // Close on 1 Ω still waits for the tick, which closes the window; the release is tried.
    w.Click(w.form->CloseButton());
    QVERIFY(!w.form->IsUnloaded());
    Find<PollingTimer>(w.form, "ContTimer")->Tick();
    QVERIFY(w.form->IsUnloaded());
    QCOMPARE(w.rig.observer.errors.size(), 1);
    QCOMPARE(w.rig.host.enabledCalls, QList<bool>{true});
    QVERIFY(w.rig.TakeWritten().isEmpty());
}

void ContFormTest::ResistanceChosenDuringAChangeFollowsIt() {
    Window w;
    w.ClickResistance(1);
    w.rig.TakeWritten();
    w.rig.DuringReplyTo(OneOhm, [&w] { w.ClickResistance(1); });
    w.ClickResistance(0);
    // Polling runs exactly while 1 Ω is selected: it stops with the later choice.
    QCOMPARE(w.rig.TakeWritten(),
             (QStringList{OneOhm, P0, QStringLiteral("p20971581/#Cont.: 10 Ohms"), P0}));
    QCOMPARE(Find<ButtonArray>(w.form, "ContBut")->Selected(), 1);
    QVERIFY(!Find<PollingTimer>(w.form, "ContTimer")->IsActive());
    QVERIFY(w.CurrentDisplayHidden());
}

QTEST_MAIN(ContFormTest)
#include "ContFormTest.moc"
