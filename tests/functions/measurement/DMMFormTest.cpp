#include "functions/measurement/DMMForm.h"

#include "tests/support/FindControl.h"
#include "tests/support/LoadedWindow.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"
#include "ui/PollingTimer.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace vk220::measurement;
using namespace vk220::ui;

using Chunk = FakeSerialPort::Chunk;

namespace {

const QString V = QStringLiteral("v");
const QStringList OneVolt{QStringLiteral("p17317888"), QStringLiteral("p0"),
                          QStringLiteral("#Measure : 2V")};
const QStringList ThirtyMilliamps{QStringLiteral("p17858560"), QStringLiteral("p0"),
                                  QStringLiteral("#Measure : 20mA")};

struct Window : LoadedWindow<DMMForm> {
    void Click(QPushButton &button) { QTest::mouseClick(&button, Qt::LeftButton); }
    void ClickRange(int index) { Click(*Find<QPushButton>(form, "DMMBut", index)); }
    void ClickNull() { Click(*Find<QPushButton>(form, "NULLBut")); }
    // One reading cycle on a reply of `counts`.
    void Read(const QByteArray &counts) {
        rig.port.AnswerReading(counts);
        Find<PollingTimer>(form, "ReadTimer")->Tick();
    }
    // Runs `action` inside the reply wait of the next exchange, as a click serviced there would.
    static void DuringNextWait(std::function<void()> action) {
        QTimer::singleShot(0, std::move(action));
    }
    bool NullShown() const {
        return Controls::HasBackColour(*Find<QPushButton>(form, "NULLBut"), Controls::NullColour) &&
               !Find<QLabel>(form, "NullLab")->isHidden();
    }
    bool NullHidden() const {
        return !Controls::HasBackColour(*Find<QPushButton>(form, "NULLBut"),
                                        Controls::NullColour) &&
               Find<QLabel>(form, "NullLab")->isHidden();
    }
};

} // namespace

class DMMFormTest : public QObject {
    Q_OBJECT
private slots:
    void OpeningSelectsOneVoltAndReadsHalfASecondLater();
    void RangeSelection_data();
    void RangeSelection();
    void SelectingTheSelectedRangeRepeatsEverything();
    void Readings_data();
    void Readings();
    void ReplySplitOverSeveralReads();
    void NullCapturesOffsetsAndReleasesThem();
    void NullJudgesOverRangeOnTheRawReading();
    void NullRetriesCaptureAfterZeroOrOverRange();
    void RangeChangeSwitchesNullOff();
    void CloseWaitsForTheNextTickAndReleasesNothing();
    void CloseDuringAReadingClosesAfterIt();
    void RangeChosenDuringAReadingWaitsForIt();
    void NullSwitchedOnDuringAReadingAppliesAfterIt();
    void TickDuringAReadingIsSkipped();
    void RangeChosenDuringARangeChangeFollowsIt();
    void LostPortStopsPollingWithOneError();
};

void DMMFormTest::OpeningSelectsOneVoltAndReadsHalfASecondLater() {
    Window w;
    QCOMPARE(w.rig.host.placed, 1);
    QCOMPARE(w.form->windowTitle(), QStringLiteral("mA & mV MEASUREMENT"));
    QCOMPARE(w.rig.TakeWritten(), OneVolt);
    QCOMPARE(Find<ButtonArray>(w.form, "DMMBut")->Selected(), 2);
    for (int i : {0, 1, 3})
        QVERIFY(!Controls::IsSelected(*Find<QPushButton>(w.form, "DMMBut", i)));
    QCOMPARE(Find<QLabel>(w.form, "DispInfoLab")->text(),
             QStringLiteral("VOLTAGE MEASUREMENT - 1V RANGE"));
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.0000V"));
    QVERIFY(w.NullHidden());
    QCOMPARE(Find<QLabel>(w.form, "NullLab")->text(), QStringLiteral("NULL ON"));
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());
    QCOMPARE(Find<PollingTimer>(w.form, "ReadTimer")->objectName(), QStringLiteral("ReadTimer"));
    QVERIFY(Find<PollingTimer>(w.form, "ReadTimer")->IsActive());
    QCOMPARE(Find<PollingTimer>(w.form, "ReadTimer")->Interval(), 500);
    QCOMPARE(w.form->NullOffset(), 0.0);

    w.Read("-5000000");
    QCOMPARE(w.rig.TakeWritten(), QStringList{V});
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("-0.5500V"));
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());
}

void DMMFormTest::RangeSelection_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("information");
    QTest::addColumn<QString>("reading");
    QTest::newRow("30mA") << 0 << ThirtyMilliamps << "CURRENT MEASUREMENT - 30mA RANGE"
                          << "3.413mA";
    QTest::newRow("100mV") << 1
                           << QStringList{QStringLiteral("p17326080"), QStringLiteral("p0"),
                                          QStringLiteral("#Measure : 200mV")}
                           << "VOLTAGE MEASUREMENT - 100mV RANGE"
                           << "11.00mV";
    QTest::newRow("1V") << 2 << OneVolt << "VOLTAGE MEASUREMENT - 1V RANGE"
                        << "0.1100V";
    QTest::newRow("30V") << 3
                         << QStringList{QStringLiteral("p17309696"), QStringLiteral("p0"),
                                        QStringLiteral("#Measure : 20V")}
                         << "VOLTAGE MEASUREMENT - 30V RANGE"
                         << "3.304V";
}

void DMMFormTest::RangeSelection() {
    QFETCH(int, index);
    QFETCH(QStringList, commands);
    QFETCH(QString, information);
    QFETCH(QString, reading);
    Window w;
    w.rig.TakeWritten();
    // Polling is stopped while the range's lines go out and restarted after them.
    QList<bool> pollingAtWrite;
    w.rig.port.responder = [&w, &pollingAtWrite](const QString &) {
        pollingAtWrite.append(Find<PollingTimer>(w.form, "ReadTimer")->IsActive());
        return QList<Chunk>{{0.05, FakeSerialPort::Marker}};
    };
    w.ClickRange(index);
    QCOMPARE(w.rig.TakeWritten(), commands);
    QCOMPARE(pollingAtWrite, (QList<bool>{false, false, false}));
    QVERIFY(Find<PollingTimer>(w.form, "ReadTimer")->IsActive());
    QCOMPARE(Find<ButtonArray>(w.form, "DMMBut")->Selected(), index);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(Controls::IsSelected(*Find<QPushButton>(w.form, "DMMBut", i)), i == index);
    QCOMPARE(Find<QLabel>(w.form, "DispInfoLab")->text(), information);

    w.Read("1000000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), reading);
}

void DMMFormTest::SelectingTheSelectedRangeRepeatsEverything() {
    Window w;
    w.rig.TakeWritten();
    w.ClickRange(2);
    w.ClickRange(2);
    QCOMPARE(w.rig.TakeWritten(), OneVolt + OneVolt);
    QCOMPARE(Find<ButtonArray>(w.form, "DMMBut")->Selected(), 2);
}

void DMMFormTest::Readings_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shown");
    QTest::newRow("top of the range") << QByteArray("10000000") << "1.1000V";
    QTest::newRow("bottom of the range") << QByteArray("-10000000") << "-1.1000V";
    QTest::newRow("one count over") << QByteArray("10000001") << "Overrange";
    QTest::newRow("one count under") << QByteArray("-10000001") << "Overrange";
    QTest::newRow("too large for a double") << QByteArray("1e999") << "Overrange";
    QTest::newRow("empty") << QByteArray() << "0.0000V";
    QTest::newRow("garbage") << QByteArray("ERR?") << "0.0000V";
    QTest::newRow("sign alone") << QByteArray("-") << "0.0000V";
    QTest::newRow("fraction and exponent") << QByteArray("\t1.5D6") << "0.1650V";
}

void DMMFormTest::Readings() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, shown);
    Window w;
    w.Read("3000000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.3300V"));
    w.Read(reply);
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), shown);
    // The next reading within the range is shown again.
    w.Read("3000000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.3300V"));
    QVERIFY(Find<PollingTimer>(w.form, "ReadTimer")->IsActive());
}

void DMMFormTest::ReplySplitOverSeveralReads() {
    Window w;
    w.rig.port.responder = [](const QString &) {
        return QList<Chunk>{{0.05, "30"}, {0.25, "00"}, {0.45, "000*"}, {0.65, "0\r\n"}};
    };
    Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.3300V"));
}

void DMMFormTest::NullCapturesOffsetsAndReleasesThem() {
    Window w;
    w.Read("5000000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.5500V"));
    w.rig.TakeWritten();

    w.ClickNull();
    QVERIFY(w.NullShown());
    QVERIFY(w.rig.TakeWritten().isEmpty());
    // The toggle itself leaves the offset to the next cycle.
    QCOMPARE(w.form->NullOffset(), 0.0);
    w.Read("5000000");
    QCOMPARE(w.form->NullOffset(), 5000000.0);
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.0000V"));
    w.Read("5000000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.0000V"));
    w.Read("6000000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.1100V"));
    w.Read("4000000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("-0.1100V"));

    w.ClickNull();
    QVERIFY(w.NullHidden());
    QCOMPARE(w.form->NullOffset(), 5000000.0);
    w.Read("6000000");
    QCOMPARE(w.form->NullOffset(), 0.0);
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.6600V"));
    QCOMPARE(w.rig.TakeWritten(), QStringList(5, V));
}

void DMMFormTest::NullJudgesOverRangeOnTheRawReading() {
    Window w;
    w.ClickNull();
    w.Read("9999999");
    w.Read("10000001");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("Overrange"));
    w.Read("10000000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.0000V"));
    w.Read("-9000000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("-2.0900V"));
}

void DMMFormTest::NullRetriesCaptureAfterZeroOrOverRange() {
    Window w;
    w.ClickNull();
    w.Read("0");
    QCOMPARE(w.form->NullOffset(), 0.0);
    w.Read("1e999");
    QCOMPARE(w.form->NullOffset(), 0.0);
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("Overrange"));
    w.Read("-1000");
    QCOMPARE(w.form->NullOffset(), -1000.0);
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.0000V"));
    w.Read("9000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.0011V"));
}

void DMMFormTest::RangeChangeSwitchesNullOff() {
    Window w;
    w.ClickNull();
    w.Read("2000000");
    QCOMPARE(w.form->NullOffset(), 2000000.0);
    w.rig.TakeWritten();

    w.ClickRange(0);
    QCOMPARE(w.rig.TakeWritten(), ThirtyMilliamps);
    QVERIFY(w.NullHidden());
    w.Read("1000000");
    QCOMPARE(w.form->NullOffset(), 0.0);
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("3.413mA"));
}

void DMMFormTest::CloseWaitsForTheNextTickAndReleasesNothing() {
    Window w;
    w.rig.TakeWritten();
    w.Click(w.form->CloseButton());
    QCOMPARE(w.form->CloseButton().text(), QStringLiteral("Closing..."));
    QVERIFY(!w.form->IsUnloaded());
    QVERIFY(w.form->isVisible());
    QVERIFY(w.rig.TakeWritten().isEmpty());

    w.Read("1000000");
    QVERIFY(w.form->IsUnloaded());
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.1100V"));
    QCOMPARE(w.rig.TakeWritten(), QStringList{V});
    QCOMPARE(w.rig.host.enabledCalls, QList<bool>{true});
    QVERIFY(!Find<PollingTimer>(w.form, "ReadTimer")->IsActive());
}

void DMMFormTest::CloseDuringAReadingClosesAfterIt() {
    Window w;
    w.rig.TakeWritten();
    w.rig.port.AnswerReading("1000000");
    Window::DuringNextWait([&w] { w.Click(w.form->CloseButton()); });
    Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    QVERIFY(w.form->IsUnloaded());
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.1100V"));
    QCOMPARE(w.rig.TakeWritten(), QStringList{V});
    QCOMPARE(w.rig.host.enabledCalls, QList<bool>{true});
}

void DMMFormTest::RangeChosenDuringAReadingWaitsForIt() {
    Window w;
    w.Read("2000000");
    w.rig.TakeWritten();
    w.rig.port.AnswerReading("5000000");
    Window::DuringNextWait([&w] { w.ClickRange(0); });
    Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    // The reading is shown on the 1 V range it was taken on before the switching lines go out;
    // it is never shown as milliamperes.
    QCOMPARE(w.rig.TakeWritten(), QStringList{V} + ThirtyMilliamps);
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.5500V"));
    QCOMPARE(Find<QLabel>(w.form, "DispInfoLab")->text(),
             QStringLiteral("CURRENT MEASUREMENT - 30mA RANGE"));
    QVERIFY(Find<PollingTimer>(w.form, "ReadTimer")->IsActive());
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());
    w.Read("1000000");
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("3.413mA"));
}

void DMMFormTest::NullSwitchedOnDuringAReadingAppliesAfterIt() {
    Window w;
    w.rig.TakeWritten();
    w.rig.port.AnswerReading("3000000");
    Window::DuringNextWait([&w] { w.ClickNull(); });
    Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    // The reading under way is shown as taken; NULL comes on after it and captures the next one.
    QVERIFY(w.NullShown());
    QCOMPARE(w.form->NullOffset(), 0.0);
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.3300V"));
    Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    QCOMPARE(w.form->NullOffset(), 3000000.0);
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.0000V"));
    QCOMPARE(w.rig.TakeWritten(), (QStringList{V, V}));
}

void DMMFormTest::TickDuringAReadingIsSkipped() {
    Window w;
    w.rig.TakeWritten();
    w.rig.port.responder = [](const QString &) {
        return QList<Chunk>{{0.05, "10"}, {0.6, "00000*0\r\n"}};
    };
    Window::DuringNextWait([&w] { Find<PollingTimer>(w.form, "ReadTimer")->Tick(); });
    Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    QCOMPARE(w.rig.TakeWritten(), QStringList{V});
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.1100V"));
    QVERIFY(Find<QLabel>(w.form, "SampleLab")->isHidden());
}

void DMMFormTest::LostPortStopsPollingWithOneError() {
    Window w;
    w.rig.TakeWritten();
    w.rig.port.ioError = QStringLiteral("Device unplugged");
    Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    QCOMPARE(w.rig.observer.errors,
             QStringList{w.rig.link.PortName() + QStringLiteral(": Device unplugged")});
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("0.0000V"));

    // While the device stays away: no more boxes, whatever the operator does.
    w.rig.port.openError = QStringLiteral("No such device");
    Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    w.ClickRange(3);
    Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    QCOMPARE(w.rig.observer.errors.size(), 1);
    QVERIFY(w.rig.TakeWritten().isEmpty());

    // The adapter is plugged in again: the next tick reopens the port and reads on.
    w.rig.port.openError.clear();
    w.rig.port.AnswerReading("1000000");
    Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    QCOMPARE(w.rig.TakeWritten(), QStringList{QStringLiteral("v")});
    QCOMPARE(Find<QLabel>(w.form, "ReadLab")->text(), QStringLiteral("3.304V"));
    QCOMPARE(w.rig.observer.errors.size(), 1);
}

void DMMFormTest::RangeChosenDuringARangeChangeFollowsIt() {
    Window w;
    w.rig.TakeWritten();
    w.rig.DuringReplyTo(ThirtyMilliamps.first(), [&w] {
        w.ClickRange(3);
        // Ticks falling due meanwhile are skipped: no reading between the switching lines.
        Find<PollingTimer>(w.form, "ReadTimer")->Tick();
    });
    w.ClickRange(0);
    const QStringList thirtyVolts{QStringLiteral("p17309696"), QStringLiteral("p0"),
                                  QStringLiteral("#Measure : 20V")};
    QCOMPARE(w.rig.TakeWritten(), ThirtyMilliamps + thirtyVolts);
    QCOMPARE(Find<ButtonArray>(w.form, "DMMBut")->Selected(), 3);
    QCOMPARE(Find<QLabel>(w.form, "DispInfoLab")->text(),
             QStringLiteral("VOLTAGE MEASUREMENT - 30V RANGE"));
    QVERIFY(Find<PollingTimer>(w.form, "ReadTimer")->IsActive());
}

QTEST_MAIN(DMMFormTest)
#include "DMMFormTest.moc"
