#include "ui/FunctionWindow.h"
#include "link/Reading.h"
#include "tests/support/FunctionRig.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"
#include "ui/PollingTimer.h"
#include "ui/ReadingMarks.h"
#include "ui/logic/ActionQueue.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace vk220::link;
using namespace vk220::ui;

namespace {

// A polling window reduced to what the shared machinery does: it records the counts it is given.
class PollingWindow final : public FunctionWindow {
public:
    explicit PollingWindow(FunctionContext &context)
        : FunctionWindow(context, QStringLiteral("POLLING"), 3000, 3000), reading(new QLabel(this)),
          marks(new ReadingMarks(*reading, this)), sample(&marks->SampleLab()),
          entry(new QLineEdit(this)),
          timer(QStringLiteral("ReadTimer"), *this, *marks, [this](double counts) {
              sampleShownDuringCycle = !sample->isHidden();
              readings.append(counts);
          }) {}

    QLabel *reading;
    ReadingMarks *marks;
    QLabel *sample;
    QLineEdit *entry;
    PollingTimer timer;
    QList<double> readings;
    bool sampleShownDuringCycle = false;
    int enterPresses = 0;
    bool releases = true;

protected:
    void OnLoad() override {
        Send(QStringLiteral("p1"));
        timer.Start();
    }
    void OnUnload() override { timer.Stop(); }
    bool ReleasesOnUnload() const override { return releases; }
    bool Polling() const override { return timer.IsActive(); }
    bool OnEnterKey() override {
        ++enterPresses;
        return true;
    }
};

} // namespace

class FunctionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void LoadPlacesThenSetsUp();
    void UnloadRunsOnceAndReleases();
    void NothingIsSentAfterTheUnload();
    void NothingIsSentWhileTheReleaseWaits();
    void FrameCloseAsksAsTheCloseButtonDoes();
    void TickReadsCountsAndShowsTheSample();
    void DeferredCloseHappensAfterTheTicksExchange();
    void TickDueDuringAReadingIsSkipped();
    void EnterAnywhereInTheWindow();
    void ButtonArraySelectsOneAndReadsItBack();
    void ActionsArrivingDuringAnActionWaitForIt();
    void QueuedAndRefusedClicksAreTold();
    void FixedReadings_data();
    void FixedReadings();
};

void FunctionWindowTest::LoadPlacesThenSetsUp() {
    FunctionRig rig;
    PollingWindow window(rig.context);
    QCOMPARE(window.windowTitle(), QStringLiteral("POLLING"));
    QCOMPARE(window.DesignSize(), QSize(200, 200));
    window.Load();
    QCOMPARE(rig.host.placed, 1);
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("p1")});
    QVERIFY(window.timer.IsActive());
    QCOMPARE(window.timer.Interval(), 500);
    QCOMPARE(window.CloseButton().objectName(), QStringLiteral("CloseBut"));
    QCOMPARE(window.CloseButton().accessibleDescription(), QStringLiteral("CloseBut"));
}

void FunctionWindowTest::UnloadRunsOnceAndReleases() {
    FunctionRig rig;
    PollingWindow window(rig.context);
    window.Load();
    rig.TakeWritten();
    QSignalSpy unloaded(&window, &FunctionWindow::Unloaded);
    window.Unload();
    window.Unload();
    QVERIFY(window.IsUnloaded());
    QVERIFY(!window.timer.IsActive());
    QCOMPARE(unloaded.size(), 1);
    QCOMPARE(rig.TakeWritten(), FunctionHost::ReleaseCommands);
    QCOMPARE(rig.host.enabledCalls, QList<bool>{true});

    PollingWindow quiet(rig.context);
    quiet.releases = false;
    quiet.Load();
    rig.TakeWritten();
    quiet.Unload();
    QVERIFY(rig.TakeWritten().isEmpty());
    QCOMPARE(rig.host.enabledCalls, (QList<bool>{true, true}));
}

void FunctionWindowTest::NothingIsSentAfterTheUnload() {
    FunctionRig rig;
    PollingWindow window(rig.context);
    window.Load();
    window.Unload();
    rig.TakeWritten();
    window.timer.Tick();
    QCOMPARE(window.Sender().ReadMeasurement(), QString());
    QVERIFY(rig.TakeWritten().isEmpty());
    QVERIFY(window.readings.isEmpty());
}

void FunctionWindowTest::NothingIsSentWhileTheReleaseWaits() {
    FunctionRig rig;
    PollingWindow window(rig.context);
    window.Load();
    rig.TakeWritten();
    // A tick and a click of the window's own, serviced during the release's reply waits.
    QTimer::singleShot(0, &window, [&window] {
        window.timer.Tick();
        window.Sender().ReadMeasurement();
    });
    window.Unload();
    QCOMPARE(rig.TakeWritten(), FunctionHost::ReleaseCommands);
    QVERIFY(window.readings.isEmpty());
}

void FunctionWindowTest::FrameCloseAsksAsTheCloseButtonDoes() {
    FunctionRig rig;
    PollingWindow window(rig.context);
    window.show();
    window.Load();
    rig.TakeWritten();
    QVERIFY(!window.close());
    QVERIFY(!window.IsUnloaded());
    QTRY_VERIFY(window.Actions().ClosePending());
    QVERIFY(!window.IsUnloaded());
    QVERIFY(rig.TakeWritten().isEmpty());
    window.timer.Tick();
    QVERIFY(window.IsUnloaded());
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")} + FunctionHost::ReleaseCommands);
}

void FunctionWindowTest::TickReadsCountsAndShowsTheSample() {
    FunctionRig rig;
    PollingWindow window(rig.context);
    window.Load();
    rig.TakeWritten();
    rig.port.AnswerReading(" 7275400");
    window.timer.Tick();
    rig.port.AnswerReading("garbage");
    window.timer.Tick();
    QCOMPARE(rig.TakeWritten(), (QStringList{QStringLiteral("v"), QStringLiteral("v")}));
    QCOMPARE(window.readings, (QList<double>{7275400.0, 0.0}));
    QVERIFY(window.sampleShownDuringCycle);
    QVERIFY(window.sample->isHidden());
}

void FunctionWindowTest::DeferredCloseHappensAfterTheTicksExchange() {
    FunctionRig rig;
    PollingWindow window(rig.context);
    window.Load();
    rig.TakeWritten();
    QTest::mouseClick(&window.CloseButton(), Qt::LeftButton);
    QCOMPARE(window.CloseButton().text(), QStringLiteral("Closing..."));
    QVERIFY(window.Actions().ClosePending());
    QVERIFY(!window.IsUnloaded());
    window.timer.Tick();
    QVERIFY(window.IsUnloaded());
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")} + FunctionHost::ReleaseCommands);
}

void FunctionWindowTest::TickDueDuringAReadingIsSkipped() {
    FunctionRig rig;
    PollingWindow window(rig.context);
    window.Load();
    rig.TakeWritten();
    rig.port.responder = [](const QString &) {
        return QList<FakeSerialPort::Chunk>{{0.35, "42*0\r\n"}};
    };
    // The reply wait services events: a tick falling due then finds the reading still waiting.
    bool nested = false;
    QTimer::singleShot(0, &window, [&] {
        nested = window.Actions().Acting();
        window.timer.Tick();
    });
    window.timer.Tick();
    QVERIFY(nested);
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")});
    QCOMPARE(window.readings, QList<double>{42.0});
}

void FunctionWindowTest::EnterAnywhereInTheWindow() {
    FunctionRig rig;
    PollingWindow window(rig.context);
    window.show();
    auto *late = new QPushButton(QStringLiteral("added later"), &window);
    QTest::keyClick(window.entry, Qt::Key_Return);
    QTest::keyClick(late, Qt::Key_Enter);
    QTest::keyClick(window.entry, Qt::Key_A);
    QCOMPARE(window.enterPresses, 2);
    QCOMPARE(window.entry->text(), QStringLiteral("a"));
}

void FunctionWindowTest::ButtonArraySelectsOneAndReadsItBack() {
    QWidget parent;
    ButtonArray array(QStringLiteral("InsVBut"),
                      {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, &parent);
    QCOMPARE(array.At(2)->objectName(), QStringLiteral("InsVBut_2"));
    QCOMPARE(array.Selected(), -1);
    array.Select(1);
    QCOMPARE(array.Selected(), 1);
    QCOMPARE(Controls::BackColour(*array.At(1)), QColor(128, 255, 128));
    QCOMPARE(array.At(1)->palette().color(QPalette::Button), QColor(128, 255, 128));
    array.Select(2);
    QCOMPARE(array.Selected(), 2);
    QVERIFY(!Controls::IsSelected(*array.At(1)));
    QVERIFY(!Controls::BackColour(*array.At(1)).isValid());
    QSignalSpy clicked(&array, &ButtonArray::Clicked);
    QTest::mouseClick(array.At(0), Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().first().toInt(), 0);
}

void FunctionWindowTest::FixedReadings_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("two decimals") << 50.0 << 2 << "50.00V";
    QTest::newRow("rounded") << 68.724 << 2 << "68.72V";
    QTest::newRow("negative") << -1.0 << 2 << "-1.00V";
    QTest::newRow("tiny negative keeps its sign") << -0.004 << 2 << "-0.00V";
    QTest::newRow("negative zero") << -0.0 << 2 << "0.00V";
    QTest::newRow("rounds away from zero") << -0.0085 << 3 << "-0.009V";
    QTest::newRow("no thousands separator") << 1000.0 << 1 << "1000.0V";
}

void FunctionWindowTest::FixedReadings() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(Reading::Fixed(value, decimals, QStringLiteral("V")), text);
    QVERIFY(!Reading::IsOverRange(10000000.0));
    QVERIFY(Reading::IsOverRange(-10000001.0));
    QVERIFY(Reading::IsOverRange(std::numeric_limits<double>::infinity()));
    QVERIFY(Reading::IsOverRange(std::numeric_limits<double>::quiet_NaN()));
}

void FunctionWindowTest::ActionsArrivingDuringAnActionWaitForIt() {
    ActionQueue queue;
    QStringList ran;
    int drained = 0;
    queue.SetDrained([&] { ++drained; });
    // Each change of the count of actions still to run, the running one included.
    QList<int> pending;
    queue.SetChanged([&] {
        if (pending.isEmpty() || pending.last() != queue.Pending())
            pending.append(queue.Pending());
    });
    const auto record = [&ran](const char *name) {
        return [&ran, name] {
            ran.append(name);
        };
    };
    queue.Run([&] {
        ran.append("first");
        // Serviced while the first action waits for a reply.
        queue.Run(record("range 1"), QStringLiteral("range"));
        queue.Run(record("output on"), QStringLiteral("output"));
        queue.Run(record("null"));
        queue.Run(record("range 2"), QStringLiteral("range"));
        queue.RunNext(record("stand by"), QStringLiteral("output"));
        QVERIFY(!queue.RunIfIdle(record("tick")));
        QVERIFY(queue.Busy());
    });
    // STAND BY runs next and drops the OUTPUT ON it overtakes; a repeated click on one control
    // takes the first one's place.
    QCOMPARE(ran, (QStringList{"first", "stand by", "range 2", "null"}));
    QCOMPARE(drained, 1);
    QCOMPARE(pending, (QList<int>{1, 2, 3, 4, 3, 2, 1, 0}));
    QVERIFY(!queue.Busy());
    QVERIFY(queue.RunIfIdle(record("tick")));
    QCOMPARE(ran.last(), QStringLiteral("tick"));
    QCOMPARE(drained, 2);
    // A tick alone is nobody's request; a click waiting behind it counts both.
    QCOMPARE(pending.last(), 0);
    QVERIFY(queue.RunIfIdle([&] {
        QCOMPARE(queue.Pending(), 0);
        queue.Run(record("click"));
    }));
    QCOMPARE(pending, (QList<int>{1, 2, 3, 4, 3, 2, 1, 0, 2, 1, 0}));
}

void FunctionWindowTest::QueuedAndRefusedClicksAreTold() {
    FunctionRig rig;
    PollingWindow window(rig.context);
    window.Load();
    const RecordingNotices &notices = rig.host.notices;
    QCOMPARE(notices.pending, (QList<int>{1, 0}));
    const auto sending = [&window](const char *line) {
        return [&window, line] {
            window.Send(QString::fromLatin1(line));
        };
    };
    rig.DuringReplyTo(QStringLiteral("p2"), [&] {
        window.Act(sending("p3"));
        window.Act(sending("p4"));
    });
    window.Act(sending("p2"));
    QCOMPARE(notices.pending, (QList<int>{1, 0, 1, 2, 3, 2, 1, 0}));
    window.timer.Tick();
    QCOMPARE(notices.pending.size(), 8);
    QVERIFY(notices.refused.isEmpty());

    // Close asked for during an action: the clicks waiting are dropped, later ones not taken.
    rig.DuringReplyTo(QStringLiteral("p5"), [&] {
        window.Act(sending("p6"));
        window.Act(sending("p7"));
        window.CloseButton().click();
        window.Act(sending("p8"));
    });
    window.Act(sending("p5"));
    QCOMPARE(notices.refused,
             (QStringList{QStringLiteral("Closing: 2 waiting clicks were not taken"),
                          QStringLiteral("Closing: the click was not taken")}));
    QCOMPARE(WindowActions::DroppedRefusal(2), notices.refused.first());
    QCOMPARE(WindowActions::ClosingRefusal, notices.refused.last());
    QCOMPARE(notices.pending.last(), 0);
    QVERIFY(!rig.TakeWritten().contains(QStringLiteral("p6")));
}

QTEST_MAIN(FunctionWindowTest)
#include "FunctionWindowTest.moc"
