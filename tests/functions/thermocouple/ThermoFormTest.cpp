#include "functions/thermocouple/ThermoForm.h"

#include "tests/support/LoadedWindow.h"
#include "ui/UserToggle.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vk220::thermocouple;
using namespace vk220::ui;

namespace {

const QStringList Opening{"p25206784", "p0", "R60/S0"};
const QStringList Release{"p16777216", "p0", "R1/O0/S1/# PC Control"};
const QStringList Entries{"TYPE K [-140°C to 1340°C]", "TYPE J [-180°C to 750°C]",
                          "TYPE B [0°C to 1820°C]",    "TYPE E [0°C to 800°C]",
                          "TYPE N [-270°C to 1300°C]", "TYPE R [-50°C to 1700°C]",
                          "TYPE S [-50°C to 1700°C]",  "TYPE T [-250°C to 400°C]"};
constexpr int K = 0, J = 1, B = 2, E = 3, T = 7;

RecordingMessageBoxes::Box Refusal(const QString &text) {
    return RecordingMessageBoxes::Information(QStringLiteral("Thermocouple Simulation"), text);
}

} // namespace

class ThermoFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void OpeningSelectsTypeKWithoutSetting();
    void SetButton_data();
    void SetButton();
    void EnterKeyNeedsATypedEntry();
    void ColdJunctionOptionsNeedATypedEntry();
    void ColdJunctionOptionsActWhenToggledByAssistiveTechnology();
    void ChoosingATypeAppliesItAtOnce();
    void ChoosingFromTheOpenListTakesEnter();
    void NoTypeSelectedIsRefused();
    void CloseReleasesTheAdapter();
    void ChoicesDuringASettingFollowIt();
    void OutputOnLabelFollowsTheCalibrator();

private:
    QComboBox &ThermoCombo() const { return *window->findChild<QComboBox *>("ThermoCombo"); }
    QLineEdit &TempManText() const { return *window->findChild<QLineEdit *>("TempManText"); }
    QPushButton &SetBut() const { return *window->findChild<QPushButton *>("SetBut"); }
    QRadioButton &CJOpt(int i) const {
        return *window->findChild<QRadioButton *>(QStringLiteral("CJOpt_%1").arg(i));
    }
    QLabel &TempLab() const { return *window->findChild<QLabel *>("TempLab"); }
    QLabel &ThermoTypeLab() const { return *window->findChild<QLabel *>("ThermoTypeLab"); }
    QLabel &OutputOnLab() const { return *window->findChild<QLabel *>("OutputOnLab"); }
    // Chooses the next type down the list with the keyboard, as the operator can.
    void ChooseNextType() { QTest::keyClick(&ThermoCombo(), Qt::Key_Down); }
    // Clicks an option on its indicator: the button takes clicks on its indicator and caption.
    void ClickOption(int i) {
        QTest::mouseClick(&CJOpt(i), Qt::LeftButton, {}, QPoint(6, CJOpt(i).height() / 2));
    }

    std::unique_ptr<LoadedWindow<ThermoForm>> loaded;
    FunctionRig *rig = nullptr;
    QPointer<ThermoForm> window;
};

void ThermoFormTest::init() {
    loaded = std::make_unique<LoadedWindow<ThermoForm>>();
    rig = &loaded->rig;
    window = loaded->form;
}

void ThermoFormTest::cleanup() {
    loaded.reset();
}

void ThermoFormTest::OpeningSelectsTypeKWithoutSetting() {
    QCOMPARE(rig->host.placed, 1);
    QCOMPARE(rig->TakeWritten(), Opening);
    QCOMPARE(window->windowTitle(), QStringLiteral("THERMOCOUPLE SIMULATION FUNCTION"));
    QStringList items;
    for (int i = 0; i < ThermoCombo().count(); ++i)
        items.append(ThermoCombo().itemText(i));
    QCOMPARE(items, Entries);
    QCOMPARE(ThermoCombo().currentIndex(), K);
    QCOMPARE(ThermoCombo().currentText(), Entries.first());
    QCOMPARE(TempManText().text(), QString());
    QCOMPARE(TempLab().text(), QStringLiteral("0°C"));
    QCOMPARE(ThermoTypeLab().text(), QStringLiteral("TYPE K"));
    QCOMPARE(SetBut().text(), QStringLiteral("Set "));
    QCOMPARE(CJOpt(0).text(), QStringLiteral("Manual (0°C)"));
    QCOMPARE(CJOpt(1).text(), QStringLiteral("Auto"));
    QVERIFY(!CJOpt(0).isChecked());
    QVERIFY(CJOpt(1).isChecked());
    QCOMPARE(window->findChild<QGroupBox *>()->title(),
             QStringLiteral("Cold Junction Compensation"));
    QStringList captions;
    for (const QLabel *label : window->findChildren<QLabel *>())
        captions.append(label->text());
    for (const char *caption : {"Thermocouple Type", "THERMOCOUPLE", "SIMULATION",
                                "THERMOCOUPLE SIMULATION", "ENTER VALUE"})
        QVERIFY2(captions.contains(caption), caption);
    QVERIFY(rig->boxes.shown.isEmpty());
}

void ThermoFormTest::SetButton_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<QString>("entry");
    // Empty when the setting is refused; then `display` is the refusal message.
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("display");

    const QString typeK = "Type K : Min = -140°C : Max = 1340°C";
    QTest::newRow("K whole") << K << false << "100"
                             << "K1/L1/O100"
                             << "100.0°C";
    QTest::newRow("K upper limit") << K << false << "1340"
                                   << "K1/L1/O1340"
                                   << "1340.0°C";
    QTest::newRow("K above limit") << K << false << "1340.0001"
                                   << "" << typeK;
    QTest::newRow("K lower limit") << K << false << "-140"
                                   << "K1/L1/O-140"
                                   << "-140.0°C";
    QTest::newRow("B zero") << B << false << "0"
                            << "K1/L8/O0"
                            << "0.0°C";
    QTest::newRow("B negative") << B << false << "-0.001"
                                << ""
                                << "Type B : Min = 0°C : Max = 1820°C";
    QTest::newRow("E zero") << E << false << "0"
                            << "K1/L6/O0"
                            << "0.0°C";
    QTest::newRow("E negative") << E << false << "-1"
                                << ""
                                << "Min = 0°C : Max = 800°C";
    QTest::newRow("T manual negative") << T << true << "-12.5"
                                       << "K0/L3/O-12.5"
                                       << "-12.5°C";
    QTest::newRow("pure fraction") << K << false << "0.5"
                                   << "K1/L1/O0.5"
                                   << "0.5°C";
    QTest::newRow("all digits sent") << K << false << "25.1236"
                                     << "K1/L1/O25.1236"
                                     << "25.124°C";
    QTest::newRow("empty reads as zero") << K << false << ""
                                         << "K1/L1/O0"
                                         << "0.0°C";
    QTest::newRow("blanks") << K << false << "  "
                            << "K1/L1/O0"
                            << "0.0°C";
    QTest::newRow("letters") << K << false << "abc"
                             << "K1/L1/O0"
                             << "0.0°C";
    QTest::newRow("comma") << K << false << "25,5"
                           << "K1/L1/O25"
                           << "25.0°C";
    QTest::newRow("blank inside") << K << false << "2 5"
                                  << "K1/L1/O25"
                                  << "25.0°C";
    QTest::newRow("exponent") << K << false << "1e3"
                              << "K1/L1/O1000"
                              << "1000.0°C";
    QTest::newRow("overflow") << K << false << "1e999"
                              << "" << typeK;
    QTest::newRow("minus zero") << B << false << "-0"
                                << "K1/L8/O0"
                                << "0.0°C";
    QTest::newRow("minus alone") << E << false << "-"
                                 << "K1/L6/O0"
                                 << "0.0°C";
    QTest::newRow("very long") << K << false << QString(20000, QLatin1Char('7')) << "" << typeK;
}

void ThermoFormTest::SetButton() {
    QFETCH(int, type);
    QFETCH(bool, manual);
    QFETCH(QString, entry);
    QFETCH(QString, command);
    QFETCH(QString, display);
    rig->TakeWritten();
    // Set up without sending: the selection and option are read back at the click.
    ThermoCombo().setCurrentIndex(type);
    CJOpt(manual ? 0 : 1).setChecked(true);
    TempManText().setText(entry);
    QCOMPARE(rig->TakeWritten(), QStringList());

    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    if (command.isEmpty()) {
        QCOMPARE(rig->TakeWritten(), QStringList());
        QCOMPARE(rig->boxes.shown, QList{Refusal(display)});
        QCOMPARE(TempLab().text(), QStringLiteral("0°C"));
        QCOMPARE(ThermoTypeLab().text(), QStringLiteral("TYPE K"));
    } else {
        QCOMPARE(rig->TakeWritten(), QStringList{command});
        QVERIFY(rig->boxes.shown.isEmpty());
        QCOMPARE(TempLab().text(), display);
        QCOMPARE(ThermoTypeLab().text(), Entries.at(type).left(6));
    }
    QCOMPARE(TempManText().text(), entry);
}

void ThermoFormTest::EnterKeyNeedsATypedEntry() {
    rig->TakeWritten();
    QTest::keyClick(&TempManText(), Qt::Key_Return);
    QTest::keyClick(&ThermoCombo(), Qt::Key_Enter);
    QCOMPARE(rig->TakeWritten(), QStringList());
    QCOMPARE(TempLab().text(), QStringLiteral("0°C"));

    TempManText().setText("100");
    QTest::keyClick(&TempManText(), Qt::Key_Return);
    QCOMPARE(rig->TakeWritten(), QStringList{"K1/L1/O100"});
    QCOMPARE(TempLab().text(), QStringLiteral("100.0°C"));
    // The entry stays, so Enter anywhere in the window sends the same setting again.
    QTest::keyClick(&SetBut(), Qt::Key_Enter);
    QCOMPARE(rig->TakeWritten(), QStringList{"K1/L1/O100"});

    TempManText().setText("1400");
    QTest::keyClick(&TempManText(), Qt::Key_Return);
    QCOMPARE(rig->TakeWritten(), QStringList());
    QCOMPARE(rig->boxes.shown, QList{Refusal("Type K : Min = -140°C : Max = 1340°C")});
    QCOMPARE(TempLab().text(), QStringLiteral("100.0°C"));
    QCOMPARE(TempManText().text(), QStringLiteral("1400"));
}

void ThermoFormTest::ColdJunctionOptionsNeedATypedEntry() {
    rig->TakeWritten();
    ClickOption(0);
    QVERIFY(CJOpt(0).isChecked());
    QCOMPARE(rig->TakeWritten(), QStringList());
    ClickOption(1);
    QCOMPARE(rig->TakeWritten(), QStringList());

    TempManText().setText("100");
    ChooseNextType();
    QCOMPARE(rig->TakeWritten(), QStringList{"K1/L2/O100"});
    ClickOption(0);
    QCOMPARE(rig->TakeWritten(), QStringList{"K0/L2/O100"});
    // Each click sends the setting again, also on the option already chosen.
    ClickOption(0);
    QCOMPARE(rig->TakeWritten(), QStringList{"K0/L2/O100"});
    ClickOption(1);
    QCOMPARE(rig->TakeWritten(), QStringList{"K1/L2/O100"});
    QCOMPARE(ThermoTypeLab().text(), QStringLiteral("TYPE J"));
    QCOMPARE(TempLab().text(), QStringLiteral("100.0°C"));
    QVERIFY(rig->boxes.shown.isEmpty());
}

void ThermoFormTest::ColdJunctionOptionsActWhenToggledByAssistiveTechnology() {
    const auto toggle = [this](int i) {
        QAccessibleInterface *option = QAccessible::queryAccessibleInterface(&CJOpt(i));
        QVERIFY(option && option->actionInterface());
        option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    TempManText().setText("100");
    rig->TakeWritten();
    toggle(0);
    QVERIFY(CJOpt(0).isChecked());
    QCOMPARE(rig->TakeWritten(), QStringList{"K0/L1/O100"});
    toggle(1);
    QCOMPARE(rig->TakeWritten(), QStringList{"K1/L1/O100"});
    // The program's own change of the option sends nothing.
    UserToggle::SetChecked(CJOpt(0), true);
    QVERIFY(CJOpt(0).isChecked());
    QCOMPARE(rig->TakeWritten(), QStringList());
    QVERIFY(rig->boxes.shown.isEmpty());
}

void ThermoFormTest::ChoosingATypeAppliesItAtOnce() {
    rig->TakeWritten();
    // An empty entry reads as 0 °C.
    ChooseNextType();
    QCOMPARE(ThermoCombo().currentIndex(), J);
    QCOMPARE(rig->TakeWritten(), QStringList{"K1/L2/O0"});
    QCOMPARE(ThermoTypeLab().text(), QStringLiteral("TYPE J"));
    QCOMPARE(TempLab().text(), QStringLiteral("0.0°C"));

    TempManText().setText("-5");
    ChooseNextType();
    QCOMPARE(ThermoCombo().currentIndex(), B);
    QCOMPARE(rig->TakeWritten(), QStringList());
    QCOMPARE(rig->boxes.shown, QList{Refusal("Type B : Min = 0°C : Max = 1820°C")});
    QCOMPARE(ThermoTypeLab().text(), QStringLiteral("TYPE J"));
    QCOMPARE(TempLab().text(), QStringLiteral("0.0°C"));
}

void ThermoFormTest::ChoosingFromTheOpenListTakesEnter() {
    rig->TakeWritten();
    TempManText().setText("250");
    // The entry already shown, chosen again from the open list, is applied again; Enter belongs
    // to the list while it is open and sets nothing more.
    for (int round = 0; round < 2; ++round) {
        ThermoCombo().showPopup();
        QAbstractItemView *list = ThermoCombo().view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(rig->TakeWritten(), QStringList{"K1/L1/O250"});
    }
    QCOMPARE(ThermoCombo().currentIndex(), K);
    QCOMPARE(TempLab().text(), QStringLiteral("250.0°C"));
}

void ThermoFormTest::NoTypeSelectedIsRefused() {
    rig->TakeWritten();
    ThermoCombo().setCurrentIndex(-1);
    TempManText().setText("100");
    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    QCOMPARE(rig->TakeWritten(), QStringList());
    QCOMPARE(rig->boxes.shown, QList{Refusal("Invalid thermocouple type selected")});
    QCOMPARE(ThermoTypeLab().text(), QStringLiteral("TYPE K"));
    QCOMPARE(TempLab().text(), QStringLiteral("0°C"));
}

void ThermoFormTest::CloseReleasesTheAdapter() {
    rig->TakeWritten();
    QTest::mouseClick(&window->CloseButton(), Qt::LeftButton);
    QCOMPARE(rig->TakeWritten(), Release);
    QCOMPARE(rig->host.enabledCalls, QList<bool>{true});
    QVERIFY(window->IsUnloaded());
    QVERIFY(!window->isVisible());
}

void ThermoFormTest::ChoicesDuringASettingFollowIt() {
    rig->TakeWritten();
    TempManText().setText("1000");
    // Type J, chosen while type K is being set, is judged after it: refused, it changes nothing.
    rig->DuringReplyTo(QStringLiteral("K1/L1/O1000"), [this] { ChooseNextType(); });
    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    QCOMPARE(rig->TakeWritten(), QStringList{"K1/L1/O1000"});
    QCOMPARE(rig->boxes.shown, QList{Refusal("Type J : Min = -180°C : Max = 750°C")});
    QCOMPARE(ThermoTypeLab().text(), QStringLiteral("TYPE K"));
    QCOMPARE(TempLab().text(), QStringLiteral("1000.0°C"));

    // A second Set during the first runs after it: the display ends on what was sent last.
    TempManText().setText("200");
    rig->DuringReplyTo(QStringLiteral("K1/L2/O200"), [this] {
        TempManText().setText("300");
        QTest::mouseClick(&SetBut(), Qt::LeftButton);
    });
    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    QCOMPARE(rig->TakeWritten(), (QStringList{"K1/L2/O200", "K1/L2/O300"}));
    QCOMPARE(ThermoTypeLab().text(), QStringLiteral("TYPE J"));
    QCOMPARE(TempLab().text(), QStringLiteral("300.0°C"));
}

void ThermoFormTest::OutputOnLabelFollowsTheCalibrator() {
    // The opening switched the output on ("R60/S0").
    QCOMPARE(OutputOnLab().text(), QStringLiteral("Output on"));
    QVERIFY(!OutputOnLab().isHidden());
    TempManText().setText("100");
    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    QVERIFY(!OutputOnLab().isHidden());

    // With the port lost on the way, whether the output is on is no longer known.
    rig->port.ioError = QStringLiteral("Device unplugged");
    TempManText().setText("200");
    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    QVERIFY(OutputOnLab().isHidden());
}

QTEST_MAIN(ThermoFormTest)
#include "ThermoFormTest.moc"
