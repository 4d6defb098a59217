#include "tests/functions/insulation/InsRig.h"

#include "ui/ButtonArray.h"
#include "ui/Controls.h"
#include "ui/PollingTimer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vk220::insulation;
using namespace vk220::ui;

using Box = RecordingMessageBoxes::Box;
using Answer = MessageBoxes::Answer;

Q_DECLARE_METATYPE(RecordingMessageBoxes::Box)
Q_DECLARE_METATYPE(MessageBoxes::Answer)

namespace {

const QString Preset = QStringLiteral("p18874368");
const QString InvalidTitle = QStringLiteral("Invalid Resistance Value");
const Box GuardBox = RecordingMessageBoxes::Information(
    QStringLiteral("Voltage On Input"),
    QStringLiteral("WARNING >50V Detected On Input\r\rPlease remove voltage from outputs before "
                   "changing range"));

QStringList RangeLines(const QString &mask, const QString &caption) {
    return {Preset, QStringLiteral("p") + mask, QStringLiteral("#Ins.: ") + caption};
}

// Brings the digits to `display` ("0019.99") through the entry box and forgets the lines sent.
void Reach(InsRig &rig, const QString &display) {
    rig.Res().InsManText().setText(display);
    QTest::mouseClick(Find<QPushButton>(&rig.Res(), "SetBut"), Qt::LeftButton);
    QCOMPARE(rig.Res().Display(), display);
    rig.TakeWritten();
}

// Opens the voltage page (50 V range) and forgets the lines sent so far.
void ToVoltagePage(InsRig &rig) {
    rig.TakeWritten();
    rig.ClickTab(1);
    QCOMPARE(rig.TakeWritten(), RangeLines(QStringLiteral("1048583"), QStringLiteral("50V Range")));
}

// One polling tick answered with `reply`.
void Read(InsRig &rig, const QByteArray &reply) {
    rig.port.AnswerReading(reply);
    Find<PollingTimer>(rig.window, "InsVTimer")->Tick();
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")});
}

} // namespace

class InsFormTest : public QObject {
    Q_OBJECT
private slots:
    void OpeningSendsTheLabelAndTenMegohms();
    void OpeningSetsTenMegohmsAfterTheLabel();
    void IncrementCarries_data();
    void IncrementCarries();
    void DecrementWrapsWithoutBorrow_data();
    void DecrementWrapsWithoutBorrow();
    void ManualEntry_data();
    void ManualEntry();
    void TypingKeepsOnlyTheNumber();
    void PastedLinesAreFiltered();
    void FullScaleAndZeroAskFirst_data();
    void FullScaleAndZeroAskFirst();
    void TabsSwitchPagesAndPolling();
    void RangeSelection_data();
    void RangeSelection();
    void Readings_data();
    void Readings();
    void GuardRefusesRangeChange_data();
    void GuardRefusesRangeChange();
    void EnteringTheVoltagePageUnderVoltageIsRefused();
    void CloseOnTheResistancePageIsImmediate();
    void CloseOnTheVoltagePageWaitsForTheTick();
    void TabAfterCloseRequestStays();
    void EnterOnTheVoltagePageSetsNothing();
    void SpinClickDuringASendIsSentAfterIt();
    void TabChosenDuringASendLeavesTheOldPageIdle();
    void RangeChangeDuringAReadingWaitsForIt();
    void ResistancePageChosenDuringRangeSelection();
    void CloseDuringRangeSelectionWaitsForTheFirstReading();
};

void InsFormTest::OpeningSendsTheLabelAndTenMegohms() {
    InsRig rig;
    QCOMPARE(rig.host.placed, 1);
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("#Insulation Res.")} + Masks(1064960));
    QCOMPARE(rig.Res().Display(), QStringLiteral("0010.00"));
    QCOMPARE(rig.Res().Caption(), QStringLiteral("p18874368\np1064960"));
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("INSULATION RESISTANCE & TEST VOLTAGE"));
    QCOMPARE(Find<QTabBar>(rig.window, "InsTab")->currentIndex(), 0);
    QCOMPARE(Find<QTabBar>(rig.window, "InsTab")->tabText(0),
             QStringLiteral("0 to 1Gohm Resistance Output"));
    QCOMPARE(Find<QTabBar>(rig.window, "InsTab")->tabText(1),
             QStringLiteral("Test Voltage Measurement"));
    QVERIFY(rig.Res().isVisible());
    QVERIFY(!rig.Volt().isVisible());
    QVERIFY(!Find<PollingTimer>(rig.window, "InsVTimer")->IsActive());
    QCOMPARE(Find<PollingTimer>(rig.window, "InsVTimer")->objectName(),
             QStringLiteral("InsVTimer"));
    QCOMPARE(Find<QLabel>(&rig.Volt(), "InsVLab")->text(), QStringLiteral("0.00V"));
    QVERIFY(Find<QLabel>(&rig.Volt(), "SampleLab")->isHidden());
    QCOMPARE(Find<QLabel>(&rig.Res(), "EntValLab")->text(), QStringLiteral("ENTER VALUE"));
    QCOMPARE(Find<QPushButton>(&rig.Res(), "SetBut")->text(), QStringLiteral("Set "));
    QCOMPARE(Find<QLabel>(&rig.Res(), "DigitLab", 5)->objectName(), QStringLiteral("DigitLab_5"));
    QPushButton *up3 = Find<QPushButton>(&rig.Res(), "AdjUp", 3);
    QCOMPARE(up3->accessibleName(), QStringLiteral("Increase digit 3"));
    QCOMPARE(up3->accessibleDescription(), QStringLiteral("AdjUp_3"));
    QCOMPARE(Find<QPushButton>(&rig.Res(), "AdjDown", 0)->accessibleName(),
             QStringLiteral("Decrease digit 0"));
    // Digit 5 stands leftmost.
    QVERIFY(Find<QLabel>(&rig.Res(), "DigitLab", 5)->x() <
            Find<QLabel>(&rig.Res(), "DigitLab", 0)->x());
}

void InsFormTest::OpeningSetsTenMegohmsAfterTheLabel() {
    FunctionRig rig;
    auto *window = new InsForm(rig.context);
    window->show();
    // A spin click serviced while the label waits for its reply runs after the opening's
    // 10.00 MΩ: the adapter ends on the 20.00 MΩ shown.
    QTimer::singleShot(0, window, [window] {
        Find<QPushButton>(Find<InsResPanel>(window, "InsResPanel"), "AdjUp", 3)->click();
    });
    window->Load();
    QCOMPARE(Find<InsResPanel>(window, "InsResPanel")->Display(), QStringLiteral("0020.00"));
    QCOMPARE(rig.TakeWritten(),
             QStringList{QStringLiteral("#Insulation Res.")} + Masks(1064960) + Masks(1056768));
    delete window;
}

void InsFormTest::IncrementCarries_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("sends");
    // The steps themselves are tested with ResistanceDigits; here the window's part: the digit
    // clicked, the captions and one send per digit stepped.
    QTest::newRow("carry into digit 3") << "0019.99" << 0 << "0020.00" << 1056768 << 4;
}

void InsFormTest::IncrementCarries() {
    QFETCH(QString, from);
    QFETCH(int, digit);
    QFETCH(QString, to);
    QFETCH(int, mask);
    QFETCH(int, sends);
    InsRig rig;
    Reach(rig, from);
    QTest::mouseClick(Find<QPushButton>(&rig.Res(), "AdjUp", digit), Qt::LeftButton);
    QCOMPARE(rig.Res().Display(), to);
    // Every SetIns of the carry sends the final digits.
    QCOMPARE(rig.TakeWritten(), Masks(mask, sends));
}

void InsFormTest::DecrementWrapsWithoutBorrow_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("mask");
    QTest::newRow("wrap, no borrow") << "0010.00" << 0 << "0010.09" << 1064974;
}

void InsFormTest::DecrementWrapsWithoutBorrow() {
    QFETCH(QString, from);
    QFETCH(int, digit);
    QFETCH(QString, to);
    QFETCH(int, mask);
    InsRig rig;
    Reach(rig, from);
    QTest::mouseClick(Find<QPushButton>(&rig.Res(), "AdjDown", digit), Qt::LeftButton);
    QCOMPARE(rig.Res().Display(), to);
    QCOMPARE(rig.TakeWritten(), Masks(mask));
}

void InsFormTest::ManualEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<Box>>("boxes");
    const auto refused = [](const char *text) {
        return QList<Box>{RecordingMessageBoxes::Information(InvalidTitle, QLatin1String(text))};
    };
    QTest::newRow("one step") << "0.01" << false << "0000.01" << Masks(1048577) << QList<Box>{};
    QTest::newRow("by Enter") << "1234.56" << true << "1234.56" << Masks(157305) << QList<Box>{};
    QTest::newRow("trailing point") << "5." << true << "0005.00" << Masks(1050368) << QList<Box>{};
    QTest::newRow("leading point") << ".5" << false << "0000.50" << Masks(1048688) << QList<Box>{};
    QTest::newRow("leading zeros")
        << "00001" << true << "0001.00" << Masks(1048832) << QList<Box>{};
    QTest::newRow("third decimal dropped")
        << "1999.999" << false << "1999.99" << Masks(966382) << QList<Box>{};
    QTest::newRow("zero") << "0" << false << "0000.00" << Masks(1048576) << QList<Box>{};
    QTest::newRow("empty") << "" << true << "0010.00" << QStringList{} << QList<Box>{};
    QTest::newRow("10000") << "10000" << false << "0010.00" << QStringList{}
                           << refused("Resistance out of range - maximum value is 1999.99MR");
    QTest::newRow("thousand characters")
        << QString(1000, u'7') << true << "0010.00" << QStringList{}
        << refused("Resistance out of range - maximum value is 1999.99MR");
    QTest::newRow("9999.99") << "9999.99" << false << "0010.00" << QStringList{}
                             << refused("Resistance out of range - maximum value is 1999.99MR");
    QTest::newRow("2000") << "2000" << true << "0010.00" << QStringList{}
                          << refused("Resistance out of range - maximum value is 1999.99MR");
    QTest::newRow("0.009") << "0.009" << false << "0010.00" << QStringList{}
                           << refused("Resistance out of range - minimum value is 10kR");
}

void InsFormTest::ManualEntry() {
    QFETCH(QString, entry);
    QFETCH(bool, byEnter);
    QFETCH(QString, display);
    QFETCH(QStringList, lines);
    QFETCH(QList<Box>, boxes);
    InsRig rig;
    rig.TakeWritten();
    QLineEdit &box = rig.Res().InsManText();
    box.setText(entry);
    if (byEnter)
        QTest::keyClick(&box, Qt::Key_Return);
    else
        QTest::mouseClick(Find<QPushButton>(&rig.Res(), "SetBut"), Qt::LeftButton);
    QCOMPARE(rig.Res().Display(), display);
    QCOMPARE(rig.TakeWritten(), lines);
    QCOMPARE(rig.boxes.shown, boxes);
    QCOMPARE(box.text(), entry);
}

void InsFormTest::TypingKeepsOnlyTheNumber() {
    InsRig rig;
    QLineEdit &box = rig.Res().InsManText();
    QTest::keyClicks(&box, QStringLiteral("12.5"));
    QCOMPARE(Find<QLabel>(&rig.Res(), "EntValLab")->text(), QStringLiteral("ENTER VALUE"));
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("1a2.3.4"));
    QCOMPARE(box.text(), QStringLiteral("12.34"));
    QCOMPARE(Find<QLabel>(&rig.Res(), "EntValLab")->text(),
             QStringLiteral("ENTER VALUE (NUMERIC)"));
    // A key typed in the middle leaves the caret at the end.
    box.setCursorPosition(1);
    QTest::keyClicks(&box, QStringLiteral("9"));
    QCOMPARE(box.text(), QStringLiteral("192.34"));
    QCOMPARE(box.cursorPosition(), 6);
    // The label keeps its warning once shown.
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("7"));
    QCOMPARE(Find<QLabel>(&rig.Res(), "EntValLab")->text(),
             QStringLiteral("ENTER VALUE (NUMERIC)"));
}

void InsFormTest::PastedLinesAreFiltered() {
    InsRig rig;
    rig.TakeWritten();
    QLineEdit &box = rig.Res().InsManText();
    QGuiApplication::clipboard()->setText(QStringLiteral("12\n.5\r\n.7 MR"));
    box.paste();
    QCOMPARE(box.text(), QStringLiteral("12.57"));
    QCOMPARE(box.cursorPosition(), 5);
    QCOMPARE(Find<QLabel>(&rig.Res(), "EntValLab")->text(),
             QStringLiteral("ENTER VALUE (NUMERIC)"));
    QTest::keyClick(&box, Qt::Key_Enter);
    QCOMPARE(rig.Res().Display(), QStringLiteral("0012.57"));
    QCOMPARE(rig.TakeWritten(), Masks(1065594));
}

void InsFormTest::FullScaleAndZeroAskFirst_data() {
    QTest::addColumn<bool>("fullScale");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("F.S. yes") << true << Answer::Yes << "1999.99" << Masks(966382);
    QTest::newRow("F.S. no") << true << Answer::No << "0010.00" << QStringList{};
    QTest::newRow("ZERO yes") << false << Answer::Yes << "0000.00" << Masks(1048576);
    QTest::newRow("ZERO no") << false << Answer::No << "0010.00" << QStringList{};
}

void InsFormTest::FullScaleAndZeroAskFirst() {
    QFETCH(bool, fullScale);
    QFETCH(Answer, answer);
    QFETCH(QString, display);
    QFETCH(QStringList, lines);
    InsRig rig;
    rig.TakeWritten();
    rig.boxes.answers = {answer};
    QPushButton &button = fullScale ? *Find<QPushButton>(&rig.Res(), "FSBut")
                                    : *Find<QPushButton>(&rig.Res(), "ZeroBut");
    QCOMPARE(button.text(), fullScale ? QStringLiteral("F.S.") : QStringLiteral("ZERO"));
    QTest::mouseClick(&button, Qt::LeftButton);
    const Box asked =
        fullScale ? RecordingMessageBoxes::Question(QStringLiteral("Set Full Scale"),
                                                    QStringLiteral("Set FULL SCALE Output?"))
                  : RecordingMessageBoxes::Question(QStringLiteral("Set Zero"),
                                                    QStringLiteral("Set ZERO Output?"));
    QCOMPARE(rig.boxes.shown, QList<Box>{asked});
    QCOMPARE(rig.Res().Display(), display);
    QCOMPARE(rig.TakeWritten(), lines);
}

void InsFormTest::TabsSwitchPagesAndPolling() {
    InsRig rig;
    Reach(rig, QStringLiteral("1234.56"));
    ToVoltagePage(rig);
    QVERIFY(rig.Volt().isVisible());
    QVERIFY(!rig.Res().isVisible());
    // The voltage page lies over the resistance page's area.
    QCOMPARE(rig.Volt().geometry().top(), rig.Res().geometry().top());
    QCOMPARE(Find<ButtonArray>(&rig.Volt(), "InsVBut")->Selected(), 0);
    QVERIFY(Find<PollingTimer>(rig.window, "InsVTimer")->IsActive());
    QCOMPARE(Find<PollingTimer>(rig.window, "InsVTimer")->Interval(), 500);

    rig.ClickTab(0);
    QVERIFY(!Find<PollingTimer>(rig.window, "InsVTimer")->IsActive());
    QVERIFY(rig.Res().isVisible());
    QVERIFY(!rig.Volt().isVisible());
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("#Insulation Res.")} + Masks(157305));
    QCOMPARE(rig.Res().Display(), QStringLiteral("1234.56"));
    QVERIFY(rig.boxes.shown.isEmpty());
}

void InsFormTest::RangeSelection_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("caption");
    QTest::newRow("50V") << 0 << "1048583"
                         << "50V Range";
    QTest::newRow("100V") << 1 << "1048591"
                          << "100V Range";
    QTest::newRow("250V") << 2 << "1048615"
                          << "250V Range";
    QTest::newRow("500V") << 3 << "1048687"
                          << "500V Range";
    QTest::newRow("1kV") << 4 << "1048815"
                         << "1kV Range";
}

void InsFormTest::RangeSelection() {
    QFETCH(int, range);
    QFETCH(QString, mask);
    QFETCH(QString, caption);
    InsRig rig;
    ToVoltagePage(rig);
    QPushButton *button = Find<QPushButton>(&rig.Volt(), "InsVBut", range);
    QCOMPARE(button->text(), caption);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(rig.TakeWritten(), RangeLines(mask, caption));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(Controls::IsSelected(*Find<QPushButton>(&rig.Volt(), "InsVBut", i)), i == range);
    QVERIFY(Find<PollingTimer>(rig.window, "InsVTimer")->IsActive());
}

void InsFormTest::Readings_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shown");
    QTest::newRow("50V full scale") << 0 << QByteArray("7275400") << "50.00V";
    QTest::newRow("50V negative") << 0 << QByteArray("-145508") << "-1.00V";
    QTest::newRow("50V at the limit") << 0 << QByteArray("10000000") << "68.72V";
    QTest::newRow("50V past the limit") << 0 << QByteArray("10000001") << "Over Range";
    QTest::newRow("1kV") << 4 << QByteArray("7275410") << "1000.0V";
    QTest::newRow("1kV at the limit") << 4 << QByteArray("10000000") << "1374.5V";
    QTest::newRow("1kV past the limit") << 4 << QByteArray("-10000001") << "Over Range";
    QTest::newRow("empty") << 0 << QByteArray() << "0.00V";
    QTest::newRow("garbage") << 0 << QByteArray("\x01?x#") << "0.00V";
    QTest::newRow("sign alone") << 2 << QByteArray("-") << "0.0V";
    QTest::newRow("too large for a number") << 0 << QByteArray("1e999") << "Over Range";
    QTest::newRow("number then text") << 0 << QByteArray(" 145508xyz") << "1.00V";
}

void InsFormTest::Readings() {
    QFETCH(int, range);
    QFETCH(QByteArray, reply);
    QFETCH(QString, shown);
    InsRig rig;
    ToVoltagePage(rig);
    QTest::mouseClick(Find<QPushButton>(&rig.Volt(), "InsVBut", range), Qt::LeftButton);
    rig.TakeWritten();
    // The sample indicator shows while the reading is fetched.
    bool sampling = false;
    rig.port.responder = [&](const QString &line) {
        sampling = Find<QLabel>(&rig.Volt(), "SampleLab")->isVisible();
        return QList<FakeSerialPort::Chunk>{
            {0.05, (line == QLatin1String("v") ? reply : QByteArray()) + FakeSerialPort::Marker}};
    };
    Find<PollingTimer>(rig.window, "InsVTimer")->Tick();
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")});
    QVERIFY(sampling);
    QVERIFY(Find<QLabel>(&rig.Volt(), "SampleLab")->isHidden());
    QCOMPARE(Find<QLabel>(&rig.Volt(), "InsVLab")->text(), shown);
    QVERIFY(Find<PollingTimer>(rig.window, "InsVTimer")->IsActive());
}

void InsFormTest::GuardRefusesRangeChange_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");
    QTest::newRow("50.00V") << QByteArray("7275400") << "50.00V" << true;
    QTest::newRow("49.99V") << QByteArray("7273945") << "49.99V" << false;
    QTest::newRow("-49.99V") << QByteArray("-7273945") << "-49.99V" << false;
    QTest::newRow("-50.00V") << QByteArray("-7275400") << "-50.00V" << true;
    QTest::newRow("Over Range") << QByteArray("10000001") << "Over Range" << true;
}

void InsFormTest::GuardRefusesRangeChange() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, shown);
    QFETCH(bool, refused);
    InsRig rig;
    ToVoltagePage(rig);
    Read(rig, reply);
    QCOMPARE(Find<QLabel>(&rig.Volt(), "InsVLab")->text(), shown);
    // The box is part of the range click's action: a tick falling due under it takes no reading,
    // so a serial error can never come up over it.
    rig.boxes.whileShown = [&rig] {
        Find<PollingTimer>(rig.window, "InsVTimer")->Tick();
    };
    QTest::mouseClick(Find<QPushButton>(&rig.Volt(), "InsVBut", 3), Qt::LeftButton);
    if (refused) {
        QCOMPARE(rig.boxes.shown, QList<Box>{GuardBox});
        QVERIFY(rig.TakeWritten().isEmpty());
        QCOMPARE(Find<ButtonArray>(&rig.Volt(), "InsVBut")->Selected(), 0);
        QVERIFY(!Controls::IsSelected(*Find<QPushButton>(&rig.Volt(), "InsVBut", 3)));
    } else {
        QVERIFY(rig.boxes.shown.isEmpty());
        QCOMPARE(rig.TakeWritten(), RangeLines(QStringLiteral("1048687"), "500V Range"));
        QCOMPARE(Find<ButtonArray>(&rig.Volt(), "InsVBut")->Selected(), 3);
    }
    QVERIFY(Find<PollingTimer>(rig.window, "InsVTimer")->IsActive());
}

void InsFormTest::EnteringTheVoltagePageUnderVoltageIsRefused() {
    InsRig rig;
    ToVoltagePage(rig);
    Read(rig, "7275400");
    rig.ClickTab(0);
    rig.TakeWritten();
    rig.ClickTab(1);
    QCOMPARE(rig.boxes.shown, QList<Box>{GuardBox});
    QVERIFY(rig.TakeWritten().isEmpty());
    QVERIFY(!Find<PollingTimer>(rig.window, "InsVTimer")->IsActive());
    QCOMPARE(Find<QLabel>(&rig.Volt(), "InsVLab")->text(), QStringLiteral("50.00V"));
    QVERIFY(rig.Volt().isVisible());
    // No tick will come to carry out a deferred close: Close closes at once.
    QTest::mouseClick(&rig.window->CloseButton(), Qt::LeftButton);
    QVERIFY(rig.window->IsUnloaded());
    QCOMPARE(rig.TakeWritten(), FunctionHost::ReleaseCommands);
    QCOMPARE(rig.host.enabledCalls, QList<bool>{true});
}

void InsFormTest::CloseOnTheResistancePageIsImmediate() {
    InsRig rig;
    rig.TakeWritten();
    QTest::mouseClick(&rig.window->CloseButton(), Qt::LeftButton);
    QVERIFY(rig.window->IsUnloaded());
    QVERIFY(!rig.window->isVisible());
    QCOMPARE(rig.TakeWritten(), FunctionHost::ReleaseCommands);
    QCOMPARE(rig.host.enabledCalls, QList<bool>{true});
}

void InsFormTest::CloseOnTheVoltagePageWaitsForTheTick() {
    InsRig rig;
    ToVoltagePage(rig);
    QTest::mouseClick(&rig.window->CloseButton(), Qt::LeftButton);
    QCOMPARE(rig.window->CloseButton().text(), QStringLiteral("Closing..."));
    QVERIFY(!rig.window->IsUnloaded());
    QVERIFY(rig.TakeWritten().isEmpty());
    QVERIFY(rig.host.enabledCalls.isEmpty());

    Find<PollingTimer>(rig.window, "InsVTimer")->Tick();
    QVERIFY(rig.window->IsUnloaded());
    QVERIFY(!Find<PollingTimer>(rig.window, "InsVTimer")->IsActive());
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")} + FunctionHost::ReleaseCommands);
    QCOMPARE(rig.host.enabledCalls, QList<bool>{true});
}

void InsFormTest::TabAfterCloseRequestStays() {
    InsRig rig;
    ToVoltagePage(rig);
    QTest::mouseClick(&rig.window->CloseButton(), Qt::LeftButton);
    // A closing window keeps its page: the tab goes back, and the next reading closes it.
    rig.ClickTab(0);
    QCOMPARE(Find<QTabBar>(rig.window, "InsTab")->currentIndex(), 1);
    QVERIFY(rig.TakeWritten().isEmpty());
    Find<PollingTimer>(rig.window, "InsVTimer")->Tick();
    QVERIFY(rig.window->IsUnloaded());
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")} + FunctionHost::ReleaseCommands);
}

void InsFormTest::EnterOnTheVoltagePageSetsNothing() {
    InsRig rig;
    rig.Res().InsManText().setText(QStringLiteral("5"));
    ToVoltagePage(rig);
    QTest::keyClick(Find<QPushButton>(&rig.Volt(), "InsVBut", 1), Qt::Key_Return);
    QVERIFY(rig.TakeWritten().isEmpty());
    QCOMPARE(rig.Res().Display(), QStringLiteral("0010.00"));
}

void InsFormTest::SpinClickDuringASendIsSentAfterIt() {
    InsRig rig;
    rig.TakeWritten();
    rig.DuringReplyTo(Preset, [&] {
        QTest::mouseClick(Find<QPushButton>(&rig.Res(), "AdjUp", 0), Qt::LeftButton);
    });
    bool greyWhileSent = false;
    rig.DuringReplyTo(QStringLiteral("p1064976"), [&] {
        greyWhileSent =
            Find<QLabel>(&rig.Res(), "DigitLab", 1)->palette().color(QPalette::WindowText) ==
            Qt::gray;
    });
    QTest::mouseClick(Find<QPushButton>(&rig.Res(), "AdjUp", 1), Qt::LeftButton);
    QCOMPARE(rig.Res().Display(), QStringLiteral("0010.11"));
    // Digits not yet sent are grey; once their masks are out they are drawn as usual.
    QVERIFY(greyWhileSent);
    QCOMPARE(Find<QLabel>(&rig.Res(), "DigitLab", 1)->palette().color(QPalette::WindowText),
             rig.Res().palette().color(QPalette::WindowText));
    // The later click's masks follow the running SetIns, so the adapter ends on the digits shown.
    QCOMPARE(rig.TakeWritten(), Masks(1064976) + Masks(1064977));
    QCOMPARE(rig.Res().Caption(), QStringLiteral("p18874368\np1064977"));
}

void InsFormTest::TabChosenDuringASendLeavesTheOldPageIdle() {
    InsRig rig;
    rig.TakeWritten();
    // The tab is chosen while a spin click's masks wait: the resistance page takes no more
    // clicks, so no digit changes between that setting and the range selection.
    bool pageIdle = false;
    rig.DuringReplyTo(Preset, [&] {
        rig.ClickTab(1);
        QTest::mouseClick(Find<QPushButton>(&rig.Res(), "AdjUp", 0), Qt::LeftButton);
        pageIdle = !rig.Res().isEnabled();
    });
    QTest::mouseClick(Find<QPushButton>(&rig.Res(), "AdjUp", 1), Qt::LeftButton);
    QVERIFY(pageIdle);
    QCOMPARE(rig.TakeWritten(),
             Masks(1064976) + RangeLines(QStringLiteral("1048583"), "50V Range"));
    QCOMPARE(rig.Res().Display(), QStringLiteral("0010.10"));
    QVERIFY(rig.Res().isEnabled());
}

void InsFormTest::RangeChangeDuringAReadingWaitsForIt() {
    InsRig rig;
    ToVoltagePage(rig);
    rig.port.AnswerReading("145508");
    rig.DuringReplyTo(QStringLiteral("v"), [&] {
        QTest::mouseClick(Find<QPushButton>(&rig.Volt(), "InsVBut", 4), Qt::LeftButton);
    });
    Find<PollingTimer>(rig.window, "InsVTimer")->Tick();
    QCOMPARE(rig.TakeWritten(),
             QStringList{QStringLiteral("v")} + RangeLines(QStringLiteral("1048815"), "1kV Range"));
    // The reading is shown on the 50 V range it was taken on, before the range changes: read on
    // the 1 kV range it would show as 20.0 V.
    QCOMPARE(Find<QLabel>(&rig.Volt(), "InsVLab")->text(), QStringLiteral("1.00V"));
    QVERIFY(Find<PollingTimer>(rig.window, "InsVTimer")->IsActive());
    Find<PollingTimer>(rig.window, "InsVTimer")->Tick();
    QCOMPARE(Find<QLabel>(&rig.Volt(), "InsVLab")->text(), QStringLiteral("20.0V"));
}

void InsFormTest::ResistancePageChosenDuringRangeSelection() {
    InsRig rig;
    rig.TakeWritten();
    rig.DuringReplyTo(QStringLiteral("p1048583"), [&] { rig.ClickTab(0); });
    rig.ClickTab(1);
    QCOMPARE(rig.TakeWritten(), RangeLines(QStringLiteral("1048583"), "50V Range") +
                                    QStringList{QStringLiteral("#Insulation Res.")} +
                                    Masks(1064960));
    QVERIFY(!Find<PollingTimer>(rig.window, "InsVTimer")->IsActive());
    QVERIFY(rig.Res().isVisible());
}

void InsFormTest::CloseDuringRangeSelectionWaitsForTheFirstReading() {
    InsRig rig;
    rig.TakeWritten();
    rig.DuringReplyTo(QStringLiteral("p1048583"),
                      [&] { QTest::mouseClick(&rig.window->CloseButton(), Qt::LeftButton); });
    rig.ClickTab(1);
    QCOMPARE(rig.TakeWritten(), RangeLines(QStringLiteral("1048583"), "50V Range"));
    QCOMPARE(rig.window->CloseButton().text(), QStringLiteral("Closing..."));
    QVERIFY(!rig.window->IsUnloaded());
    Find<PollingTimer>(rig.window, "InsVTimer")->Tick();
    QVERIFY(rig.window->IsUnloaded());
    QCOMPARE(rig.TakeWritten(), QStringList{QStringLiteral("v")} + FunctionHost::ReleaseCommands);
}

QTEST_MAIN(InsFormTest)
#include "InsFormTest.moc"
