#include "functions/terminal/logic/CoilRules.h"
#include "functions/terminal/logic/KeypadEntry.h"
#include "functions/terminal/logic/PanelPlanner.h"
#include "functions/terminal/logic/SetCalibratorOutput.h"
#include "functions/terminal/logic/TerminalButtons.h"

#include <QTest>

using namespace vk220::terminal;

using namespace PanelSteps;

namespace {

// The window as it stands after opening on the voltage terminals with "Autoset Output ON".
PanelState AfterLoad() {
    return PanelPlanner::Load(PanelState{}).after;
}

PanelState Keyed(PanelState state, const QString &entry) {
    state.entry = entry;
    return state;
}

// Keys a current with the keypad and carries out what the "A" key asks for.
PanelPlan KeyCurrent(PanelState state, const QString &digits) {
    KeypadEntry keypad;
    for (const QChar digit : digits)
        keypad.Press(digit == u'm' ? KeypadKey::Milli : KeypadKey::Digit(digit.digitValue()));
    if (keypad.Press(KeypadKey::Ampere) != KeypadEntry::Outcome::Ampere)
        return {};
    state.entry = keypad.Text();
    return PanelPlanner::CurrentEntry(state);
}

QString Last(const PanelPlan &plan, QString (*text)(const PanelStep &)) {
    QString found;
    for (const PanelStep &step : plan.steps) {
        const QString t = text(step);
        if (!t.isNull())
            found = t;
    }
    return found;
}

QString CalOutputOf(const PanelStep &step) {
    const auto *set = std::get_if<SetCalOutput>(&step);
    return set != nullptr ? set->text : QString();
}

const QString autoset = QStringLiteral("Autoset Output ON");
const QString autosetHv = QStringLiteral("Autoset Output ON (Disabled for HV O/P)");

} // namespace

class TerminalPanelTest : public QObject {
    Q_OBJECT
private slots:
    void TerminalButtonsSwitchTheirPair_data();
    void TerminalButtonsSwitchTheirPair();
    void LoadSelectsVoltageAtZero_data();
    void LoadSelectsVoltageAtZero();
    void TenMilliamperesOnTerminals();
    void FiftyAmperesOnTwoTurnCoil();
    void TenMilliamperesThroughTenTurnCoil();
    void HighCurrentClickEndsOnLowCurrent();
    void CoilClickSetsZeroAmperes_data();
    void CoilClickSetsZeroAmperes();
    void AmpereKeyOffersFittingPaths_data();
    void AmpereKeyOffersFittingPaths();
    void CoilLimit_data();
    void CoilLimit();
    void EnterChoosesTerminals_data();
    void EnterChoosesTerminals();
    void RefusedOutputChangesNoReadout();
    void FrequencyLimits_data();
    void FrequencyLimits();
    void HzResetsPresentOutputAtNewFrequency();
    void HzOnCoilSendsLabelWithOldReadout();
    void CoilLabelShowsReadoutBeforeKey_data();
    void CoilLabelShowsReadoutBeforeKey();
    void RefusalRestoresTheLabels();
    void FrequencyKeysSetTheExactAmplitudeAgain();
    void DcResetsMicroamperes();
    void ReadoutOfOtherQuantityIsNoAmplitude_data();
    void ReadoutOfOtherQuantityIsNoAmplitude();
    void HighVoltageStaysInStandby_data();
    void HighVoltageStaysInStandby();
    void HistoryPickSetsOutputAgain();
    void EmptyEnterOnlyEndsWait();
    void UncheckingAutosetPutsOutputInStandby();
};

void TerminalPanelTest::TerminalButtonsSwitchTheirPair_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QList<int>>("shownSelected");
    QTest::newRow("0") << 0 << QStringList{"p16778240", "#2 Turn Coil", "p0"} << QList{0, 6};
    QTest::newRow("1") << 1 << QStringList{"p16777728", "#10 Turn Coil", "p0"} << QList{1, 7};
    QTest::newRow("2") << 2 << QStringList{"p16779264", "#50 Turn Coil", "p0"} << QList{2, 8};
    QTest::newRow("3") << 3 << QStringList{"p17039360", "#Volts Terminals", "p0"} << QList{3, 9};
    QTest::newRow("4") << 4 << QStringList{"p16908288", "#Low I Terminals", "p0"} << QList{4, 10};
    QTest::newRow("5") << 5 << QStringList{"p16843008", "#High I Terminals", "p0"} << QList{5, 10};
    QTest::newRow("6") << 6 << QStringList{"p16778240", "#2 Turn Coil", "p0"} << QList{0, 6};
    QTest::newRow("7") << 7 << QStringList{"p16777728", "#10 Turn Coil", "p0"} << QList{1, 7};
    QTest::newRow("8") << 8 << QStringList{"p16779264", "#50 Turn Coil", "p0"} << QList{2, 8};
    QTest::newRow("9") << 9 << QStringList{"p17039360", "#Volts Terminals", "p0"} << QList{3, 9};
    QTest::newRow("10") << 10 << QStringList{"p16908288", "#Low I Terminals", "p0"} << QList{4, 10};
    QTest::newRow("outside") << 11 << QStringList{"p0"} << QList<int>{};
    QTest::newRow("negative") << -1 << QStringList{"p0"} << QList<int>{};
}

void TerminalPanelTest::TerminalButtonsSwitchTheirPair() {
    QFETCH(int, index);
    QFETCH(QStringList, commands);
    QFETCH(QList<int>, shownSelected);
    QCOMPARE(TerminalButtons::SelectionCommands(index), commands);
    const OutputPoint point = TerminalButtons::PointOf(index);
    QCOMPARE(OutputPoints::Buttons(point), shownSelected);
    // Reading the colours back gives the same point.
    std::array<bool, TerminalButtons::Count> selected{};
    for (const int button : shownSelected)
        selected[static_cast<size_t>(button)] = true;
    QCOMPARE(OutputPoints::FromSelection(selected), point);
}

void TerminalPanelTest::LoadSelectsVoltageAtZero_data() {
    QTest::addColumn<bool>("autosetChecked");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("first opening")
        << true << "" << QStringList{"p17039360", "#Volts Terminals", "p0", "R1", "O0", "S0"};
    QTest::newRow("range 1 already")
        << true << "R1" << QStringList{"p17039360", "#Volts Terminals", "p0", "O0", "S0"};
    QTest::newRow("AutoON.dat present")
        << false << "R1" << QStringList{"S1", "p17039360", "#Volts Terminals", "p0", "O0", "S1"};
}

void TerminalPanelTest::LoadSelectsVoltageAtZero() {
    QFETCH(bool, autosetChecked);
    QFETCH(QString, last);
    QFETCH(QStringList, commands);
    PanelState state;
    state.autosetChecked = autosetChecked;
    state.lastRangeCommand = last;
    const PanelPlan plan = PanelPlanner::Load(state);
    QCOMPARE(plan.Commands(), commands);
    QCOMPARE(plan.after.display, QStringLiteral("0.000mV"));
    QCOMPARE(plan.after.selected, OutputPoint::Voltage);
    QCOMPARE(plan.after.entry, QString());
    QCOMPARE(plan.after.lastRangeCommand, QStringLiteral("R1"));
    QVERIFY(plan.Of<ShowSelection>().contains(ShowSelection{OutputPoint::Voltage, false}));
}

void TerminalPanelTest::TenMilliamperesOnTerminals() {
    const PanelState loaded = AfterLoad();

    const PanelPlan keyed = KeyCurrent(loaded, QStringLiteral("10m"));
    QCOMPARE(keyed.Commands(), QStringList{"S1"});
    QCOMPARE(keyed.Of<OfferCurrentPaths>(), (QList{OfferCurrentPaths{{10}, true}}));
    QCOMPARE(keyed.Of<SetEnterEnabled>(), (QList{SetEnterEnabled{false}}));
    QVERIFY(keyed.after.coilSelectPending);

    const PanelPlan picked = PanelPlanner::SelectTerminal(10, keyed.after);
    QCOMPARE(picked.Commands(), (QStringList{"p16908288", "#Low I Terminals", "p0"}));
    QCOMPARE(picked.Of<ShowSelection>(), (QList{ShowSelection{OutputPoint::LowCurrent, true}}));
    QCOMPARE(picked.after.entry, QStringLiteral("10mA"));
    QVERIFY(!picked.after.coilSelectPending);

    const PanelPlan entered = PanelPlanner::Enter(picked.after);
    QCOMPARE(entered.Commands(), (QStringList{"R8", "O10", "S0"}));
    QCOMPARE(entered.Of<SetEnterBold>(), (QList{SetEnterBold{true}, SetEnterBold{false}}));
    QCOMPARE(entered.after.display, QStringLiteral("10.0000mA"));
    QCOMPARE(entered.Of<AddHistory>(), (QList{AddHistory{"10.0000mA : DC (LOW CURRENT)"}}));
    QCOMPARE(entered.after.entry, QString());
}

void TerminalPanelTest::FiftyAmperesOnTwoTurnCoil() {
    const PanelState loaded = AfterLoad();

    const PanelPlan keyed = KeyCurrent(loaded, QStringLiteral("50"));
    QCOMPARE(keyed.Commands(), QStringList{"S1"});
    QCOMPARE(keyed.Of<OfferCurrentPaths>(), (QList{OfferCurrentPaths{{6, 7}, true}}));

    const PanelPlan picked = PanelPlanner::SelectTerminal(6, keyed.after);
    QCOMPARE(picked.Commands(), (QStringList{"p16778240", "#2 Turn Coil", "p0"}));
    QCOMPARE(picked.after.entry, QStringLiteral("50A"));
    // OUTPUT ON before ENTER would drive the previous output through the coil.
    const PanelPlan early = PanelPlanner::OutputOn(picked.after);
    QCOMPARE(early.Commands(), QStringList());
    QCOMPARE(early.Of<InformBox>(), QList{PanelPlanner::OutputUnsetBox});

    const PanelPlan entered = PanelPlanner::Enter(picked.after);
    QCOMPARE(entered.Commands(), (QStringList{"R11", "O25", "S0", "#50.0000A (x2)"}));
    QVERIFY(!entered.after.outputUnset);
    QCOMPARE(Last(entered, CalOutputOf), QStringLiteral("25A x2"));
    QCOMPARE(entered.after.display, QStringLiteral("50.0000A"));
}

void TerminalPanelTest::TenMilliamperesThroughTenTurnCoil() {
    PanelState state;
    state.lastRangeCommand = QStringLiteral("R1");
    state.selected = OutputPoint::Coil10;
    const PanelPlan entered = PanelPlanner::Enter(Keyed(state, QStringLiteral("10m")));
    QCOMPARE(entered.Commands(), (QStringList{"R11", "O.001", "S0", "#0.0100A (x10)"}));
    QCOMPARE(Last(entered, CalOutputOf), QStringLiteral("0.001A x10"));
    QCOMPARE(entered.after.display, QStringLiteral("0.0100A"));
}

void TerminalPanelTest::HighCurrentClickEndsOnLowCurrent() {
    const PanelState loaded = AfterLoad();
    const PanelPlan plan = PanelPlanner::SelectTerminal(5, loaded);
    // The live output goes to standby before the adapter switches.
    QCOMPARE(plan.Commands(),
             (QStringList{"S1", "p16843008", "#High I Terminals", "p0", "p16908288",
                          "#Low I Terminals", "p0", "R6", "O0", "S0"}));
    QCOMPARE(plan.Of<ShowSelection>(), (QList{ShowSelection{OutputPoint::HighCurrent, false},
                                              ShowSelection{OutputPoint::LowCurrent, false}}));
    QCOMPARE(plan.after.selected, OutputPoint::LowCurrent);
    QCOMPARE(plan.after.display, QStringLiteral("0.000\u00B5A"));
}

void TerminalPanelTest::CoilClickSetsZeroAmperes_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("coil row 2 turns")
        << 0 << QStringList{"p16778240", "#2 Turn Coil", "p0", "R11", "O0", "S0", "#0.0000A (x2)"};
    QTest::newRow("current path 2 turns")
        << 6 << QStringList{"p16778240", "#2 Turn Coil", "p0", "R11", "O0", "S0", "#0.0000A (x2)"};
    QTest::newRow("coil row 10 turns")
        << 1
        << QStringList{"p16777728", "#10 Turn Coil", "p0", "R11", "O0", "S0", "#0.0000A (x10)"};
    QTest::newRow("current path 50 turns")
        << 8
        << QStringList{"p16779264", "#50 Turn Coil", "p0", "R11", "O0", "S0", "#0.0000A (x50)"};
}

void TerminalPanelTest::CoilClickSetsZeroAmperes() {
    QFETCH(int, index);
    QFETCH(QStringList, commands);
    const PanelState loaded = AfterLoad();
    const PanelPlan plan = PanelPlanner::SelectTerminal(index, loaded);
    // The output, on since loading, goes to standby before the adapter switches.
    QCOMPARE(plan.Commands(), QStringList{"S1"} + commands);
    QCOMPARE(plan.after.display, QStringLiteral("0.0000A"));
    QCOMPARE(plan.Of<SetEnterEnabled>().last(), SetEnterEnabled{true});
}

void TerminalPanelTest::AmpereKeyOffersFittingPaths_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("inUse"); // a coil of the coil row or TERMINALS (to 30A) shows selected
    QTest::addColumn<QList<int>>("enabledBefore");
    QTest::addColumn<QList<int>>("offered");
    QTest::addColumn<bool>("reselect");
    QTest::addColumn<bool>("inUseAfter");
    const int voltage = int(OutputPoint::Voltage);
    const int coil10 = int(OutputPoint::Coil10);
    const int low = int(OutputPoint::LowCurrent);
    const QList<int> all{10, 6, 7, 8};
    QTest::newRow("50A") << "50" << voltage << false << all << QList<int>{6, 7} << true << false;
    QTest::newRow("150A") << "150" << voltage << false << all << QList<int>{7, 8} << true << false;
    QTest::newRow("1000A") << "1000" << voltage << false << all << QList<int>{8} << true << false;
    QTest::newRow("3A") << "3" << voltage << false << all << QList<int>{10} << true << false;
    QTest::newRow("4A") << "4" << voltage << false << all << QList<int>{10, 6} << true << false;
    QTest::newRow("20A") << "20" << voltage << false << all << QList<int>{10, 6, 7} << true
                         << false;
    QTest::newRow("30A") << "30" << voltage << false << all << QList<int>{10, 6, 7} << true
                         << false;
    QTest::newRow("31A") << "31" << voltage << false << all << QList<int>{6, 7} << true << false;
    QTest::newRow("60A") << "60" << voltage << false << all << QList<int>{6, 7} << true << false;
    QTest::newRow("100A") << "100" << voltage << false << all << QList<int>{7, 8} << true << false;
    QTest::newRow("300A") << "300" << voltage << false << all << QList<int>{7, 8} << true << false;
    QTest::newRow("301A") << "301" << voltage << false << all << QList<int>{8} << true << false;
    QTest::newRow("40A keeps 10 turns")
        << "40" << coil10 << true << QList<int>{6, 7} << QList<int>{6, 7} << false << true;
    QTest::newRow("10A reselects")
        << "10" << coil10 << true << QList<int>{6, 7} << QList<int>{10, 6} << true << true;
    QTest::newRow("5A on low current")
        << "5" << low << true << QList<int>{10} << QList<int>{10, 6} << false << true;
    QTest::newRow("50A on low current")
        << "50" << low << true << all << QList<int>{6, 7} << true << false;
    // LOW CURRENT still shows selected, but TERMINALS (to 30A) lost its look when the paths were
    // offered for 50 A: no current path is in use, although 40 A fits both enabled paths.
    QTest::newRow("40A on low current without its path")
        << "40" << low << false << QList<int>{6, 7} << QList<int>{6, 7} << true << false;
    QTest::newRow("3A on low current with its path disabled")
        << "3" << low << false << QList<int>{6} << QList<int>{10} << true << false;
}

void TerminalPanelTest::AmpereKeyOffersFittingPaths() {
    QFETCH(QString, digits);
    QFETCH(int, selected);
    QFETCH(bool, inUse);
    QFETCH(QList<int>, enabledBefore);
    QFETCH(QList<int>, offered);
    QFETCH(bool, reselect);
    QFETCH(bool, inUseAfter);
    PanelState state;
    state.selected = static_cast<OutputPoint>(selected);
    state.currentPathInUse = inUse;
    state.enabledPaths = enabledBefore;
    const PanelPlan plan = KeyCurrent(state, digits);
    QCOMPARE(plan.Commands(), reselect ? QStringList{"S1"} : QStringList{});
    QCOMPARE(plan.Of<OfferCurrentPaths>(), (QList{OfferCurrentPaths{offered, reselect}}));
    QCOMPARE(plan.Of<SetEnterEnabled>().isEmpty(), !reselect);
    QCOMPARE(plan.after.selected, state.selected);
    QCOMPARE(plan.after.currentPathInUse, inUseAfter);
    QVERIFY(plan.after.coilSelectPending);
}

void TerminalPanelTest::CoilLimit_data() {
    QTest::addColumn<int>("coil");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("box");
    const int coil2 = int(OutputPoint::Coil2);
    const int coil10 = int(OutputPoint::Coil10);
    const int coil50 = int(OutputPoint::Coil50);
    QTest::newRow("60A on 2 turns")
        << coil2 << "60A" << QStringList{"O30", "S0", "#60.0000A (x2)"} << "";
    QTest::newRow("31A on 2 turns")
        << coil2 << "31A" << QStringList{"O15.5", "S0", "#31.0000A (x2)"} << "";
    QTest::newRow("61A on 2 turns") << coil2 << "61A" << QStringList{"S1"}
                                    << "Maximum current value for 2 Turn coil = 60A\r"
                                       "Please select a lower current";
    QTest::newRow("300A on 10 turns")
        << coil10 << "300A" << QStringList{"O30", "S0", "#300.0000A (x10)"} << "";
    QTest::newRow("301A on 10 turns") << coil10 << "301A" << QStringList{"S1"}
                                      << "Maximum current value for 10 Turn coil = 300A\r"
                                         "Please select a lower current";
    QTest::newRow("1500A on 50 turns")
        << coil50 << "1500A" << QStringList{"O30", "S0", "#1500.0000A (x50)"} << "";
    QTest::newRow("-1501A on 50 turns") << coil50 << "-1501A" << QStringList{"S1"}
                                        << "Maximum current value for 50 Turn coil = 1500A\r"
                                           "Please select a lower current";
}

void TerminalPanelTest::CoilLimit() {
    QFETCH(int, coil);
    QFETCH(QString, entry);
    QFETCH(QStringList, commands);
    QFETCH(QString, box);
    PanelState state;
    state.lastRangeCommand = QStringLiteral("R11");
    state.selected = static_cast<OutputPoint>(coil);
    state.coilSelectPending = true;
    const PanelPlan plan = PanelPlanner::Enter(Keyed(state, entry));
    QCOMPARE(plan.Commands(), commands);
    if (box.isEmpty()) {
        QVERIFY(plan.Of<InformBox>().isEmpty());
        QVERIFY(!plan.after.coilSelectPending);
    } else {
        QCOMPARE(plan.Of<InformBox>(),
                 (QList{InformBox{QStringLiteral("Clamp Coil Current Setting"), box}}));
        // Stopped before the output routine, which alone touches the ENTER key's face.
        QVERIFY(plan.Of<SetEnterBold>().isEmpty());
        QCOMPARE(plan.after.entry, QString());
        QCOMPARE(plan.after.display, state.display);
        // The wait for a current path goes on.
        QVERIFY(plan.after.coilSelectPending);
        QVERIFY(plan.Of<SetCoilSelectPending>().isEmpty());
    }
}

void TerminalPanelTest::EnterChoosesTerminals_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<int>("selectedAfter");
    const int voltage = int(OutputPoint::Voltage);
    const int low = int(OutputPoint::LowCurrent);
    const int high = int(OutputPoint::HighCurrent);
    QTest::newRow("15 on voltage") << voltage << "15" << QStringList{"R3", "O15", "S0"} << voltage;
    QTest::newRow("15 on current")
        << low << "15" << QStringList{"p16843008", "#High I Terminals", "p0", "R11", "O15", "S0"}
        << high;
    QTest::newRow("2A is low current")
        << voltage << "2A" << QStringList{"p16908288", "#Low I Terminals", "p0", "R10", "O2", "S0"}
        << low;
    QTest::newRow("2.1A is high current")
        << voltage << "2.1A"
        << QStringList{"p16843008", "#High I Terminals", "p0", "R11", "O2.1", "S0"} << high;
    QTest::newRow("volts leave a coil")
        << int(OutputPoint::Coil2) << "5V"
        << QStringList{"p17039360", "#Volts Terminals", "p0", "R3", "O5", "S0"} << voltage;
    QTest::newRow("20.2A stays on high current")
        << high << "20.2A" << QStringList{"R11", "O20.2", "S0"} << high;
}

void TerminalPanelTest::EnterChoosesTerminals() {
    QFETCH(int, selected);
    QFETCH(QString, entry);
    QFETCH(QStringList, commands);
    QFETCH(int, selectedAfter);
    PanelState state;
    state.selected = static_cast<OutputPoint>(selected);
    const PanelPlan plan = PanelPlanner::Enter(Keyed(state, entry));
    QCOMPARE(plan.Commands(), commands);
    QCOMPARE(int(plan.after.selected), selectedAfter);
}

void TerminalPanelTest::RefusedOutputChangesNoReadout() {
    for (const auto &[entry, selected] :
         {std::pair{QStringLiteral("1500V"), OutputPoint::Voltage},
          std::pair{QStringLiteral("31A"), OutputPoint::HighCurrent},
          std::pair{QStringLiteral("1e999"), OutputPoint::Voltage}}) {
        PanelState state;
        state.lastRangeCommand = QStringLiteral("R3");
        state.selected = selected;
        state.display = QStringLiteral("5.0000V");
        const PanelPlan plan = PanelPlanner::Enter(Keyed(state, entry));
        QVERIFY2(plan.Commands().isEmpty(), qPrintable(entry));
        // Left bold: the output was not set.
        QCOMPARE(plan.Of<SetEnterBold>(), QList{SetEnterBold{true}});
        const QList<InformBox> boxes = plan.Of<InformBox>();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().title, QStringLiteral("Corvale : Output Value Cannot Be Set"));
        QVERIFY(plan.Of<AddHistory>().isEmpty());
        QCOMPARE(plan.after.display, QStringLiteral("5.0000V"));
        QCOMPARE(plan.after.entry, QString());
        QCOMPARE(plan.after.lastRangeCommand, QStringLiteral("R3"));
    }
}

void TerminalPanelTest::FrequencyLimits_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("9.5") << "9.5"
                         << "Frequency Too Low"
                         << "Minimum frequency setting is 10Hz";
    QTest::newRow("negative") << "-50"
                              << "Frequency Too Low"
                              << "Minimum frequency setting is 10Hz";
    QTest::newRow("10") << "10"
                        << ""
                        << "";
    QTest::newRow("100000") << "100000"
                            << ""
                            << "";
    QTest::newRow("100001") << "100001"
                            << "Frequency Too High"
                            << "Maximum frequency setting is 100000Hz";
    QTest::newRow("overflow") << "1e999"
                              << "Frequency Too High"
                              << "Maximum frequency setting is 100000Hz";
}

void TerminalPanelTest::FrequencyLimits() {
    QFETCH(QString, entry);
    QFETCH(QString, title);
    QFETCH(QString, text);
    PanelState state;
    state.lastRangeCommand = QStringLiteral("R3");
    state.selected = OutputPoint::Voltage;
    state.display = QStringLiteral("5.0000V");
    state.outputValue = 5;
    const PanelPlan plan = PanelPlanner::Hz(Keyed(state, entry));
    if (title.isEmpty()) {
        QCOMPARE(plan.after.frequency, entry + QStringLiteral("Hz"));
        QCOMPARE(plan.Commands(), (QStringList{"R14", u'F' + entry, "O5", "S0"}));
    } else {
        QCOMPARE(plan.Of<InformBox>(), (QList{InformBox{title, text}}));
        QVERIFY(plan.Commands().isEmpty());
        QCOMPARE(plan.after.frequency, QStringLiteral("DC"));
    }
    QCOMPARE(plan.after.entry, QString());
}

void TerminalPanelTest::HzResetsPresentOutputAtNewFrequency() {
    PanelState state;
    state.lastRangeCommand = QStringLiteral("R8");
    state.selected = OutputPoint::LowCurrent;
    state.display = QStringLiteral("10.0000mA");
    state.outputValue = 0.01;
    const PanelPlan plan = PanelPlanner::Hz(Keyed(state, QStringLiteral("50")));
    QCOMPARE(plan.Commands(), (QStringList{"R19", "F50", "O10", "S0"}));
    QCOMPARE(plan.after.frequency, QStringLiteral("50Hz"));
    QCOMPARE(plan.after.display, QStringLiteral("10.0000mA"));
    QCOMPARE(plan.Of<SetPlusMinusEnabled>(), (QList{SetPlusMinusEnabled{false}}));
    QVERIFY(plan.Of<AddHistory>().isEmpty());
    // HzLab names the frequency sent, whatever else the entry held.
    for (const QString &keyed : {QStringLiteral("50m"), QStringLiteral("50A")}) {
        const PanelPlan odd = PanelPlanner::Hz(Keyed(state, keyed));
        QCOMPARE(odd.Commands(), plan.Commands());
        QCOMPARE(odd.Of<SetFrequency>(), QList{SetFrequency{"50Hz"}});
    }
}

void TerminalPanelTest::HzOnCoilSendsLabelWithOldReadout() {
    PanelState state;
    state.lastRangeCommand = QStringLiteral("R11");
    state.selected = OutputPoint::Coil2;
    state.display = QStringLiteral("50.0000A");
    state.outputValue = 25;
    const PanelPlan plan = PanelPlanner::Hz(Keyed(state, QStringLiteral("60")));
    QCOMPARE(plan.Commands(), (QStringList{"R22", "F60", "O25", "S0", "#50.0000A (x2)"}));
    QCOMPARE(plan.after.display, QStringLiteral("50.0000A"));
}

void TerminalPanelTest::CoilLabelShowsReadoutBeforeKey_data() {
    QTest::addColumn<int>("coil");
    QTest::addColumn<QString>("display");
    QTest::addColumn<double>("perTurn"); // the current set, per turn
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("displayAfter");
    // The current set is set again; the label names the readout the operator saw.
    QTest::newRow("milliamperes on 2 turns")
        << int(OutputPoint::Coil2) << "10.0000mA" << 0.005
        << QStringList{"R11", "O.005", "S0", "#10.0000mA (x2)"} << "0.0100A";
    // Command lines are plain ASCII: the label writes the readout's micro sign as "u".
    QTest::newRow("microamperes on 50 turns")
        << int(OutputPoint::Coil50) << QStringLiteral("0.000\u00B5A") << 0.0
        << QStringList{"R11", "O0", "S0", "#0.000uA (x50)"} << "0.0000A";
    QTest::newRow("microamperes on 2 turns")
        << int(OutputPoint::Coil2) << QStringLiteral("100.000\u00B5A") << 5e-5
        << QStringList{"R11", "O5E-05", "S0", "#100.000uA (x2)"} << "0.0001A";
    QTest::newRow("readout wider than the new one")
        << int(OutputPoint::Coil10) << "0.0100A" << 0.001
        << QStringList{"R11", "O.001", "S0", "#0.0100A (x10)"} << "0.0100A";
}

void TerminalPanelTest::CoilLabelShowsReadoutBeforeKey() {
    QFETCH(int, coil);
    QFETCH(QString, display);
    QFETCH(double, perTurn);
    QFETCH(QStringList, commands);
    QFETCH(QString, displayAfter);
    PanelState state;
    state.lastRangeCommand = QStringLiteral("R8");
    state.selected = static_cast<OutputPoint>(coil);
    state.display = display;
    state.outputValue = perTurn;
    const PanelPlan plan = PanelPlanner::Dc(state);
    QCOMPARE(plan.Commands(), commands);
    QCOMPARE(plan.after.display, displayAfter);
}

void TerminalPanelTest::RefusalRestoresTheLabels() {
    const auto showing = [](OutputPoint point, const char *frequency, const char *display,
                            const char *calOutput, double value) {
        PanelState state;
        state.selected = point;
        state.frequency = frequency;
        state.display = display;
        state.calOutput = calOutput;
        state.outputValue = value;
        return state;
    };
    // 25 A at 60 Hz on HIGH CURRENT; 25 A a turn through the 2-turn coil; a resistance typed as
    // "5VR" (its readout is "0") after 5 V at 50 Hz.
    const PanelState high = showing(OutputPoint::HighCurrent, "60Hz", "25.0000A", "25A", 25);
    const PanelState coil = showing(OutputPoint::Coil2, "60Hz", "50.0000A", "25A x2", 25);
    const PanelState resistance = showing(OutputPoint::Voltage, "50Hz", "0", "5VR", 5);
    const QList<std::tuple<PanelPlan, PanelState, QStringList, InformBox>> refusals{
        {PanelPlanner::PickHistory(u"50.0000A : DC", high), high, {}, OutputRefusal("50.0000A")},
        {PanelPlanner::Enter(Keyed(high, "31A")), high, {}, OutputRefusal("31A")},
        {PanelPlanner::Enter(Keyed(coil, "61A")), coil, {"S1"}, CoilRules::LimitBox(2)},
        {PanelPlanner::Hz(Keyed(resistance, "60")), resistance, {}, OutputRefusal("0")},
        {PanelPlanner::Dc(resistance), resistance, {}, OutputRefusal("0")},
    };
    for (const auto &[plan, before, commands, box] : refusals) {
        QCOMPARE(plan.Commands(), commands);
        QCOMPARE(plan.Of<InformBox>(), QList{box});
        QVERIFY(!plan.Of<SetEnterBold>().contains(SetEnterBold{false}));
        // Carried out, the steps leave the labels showing what is live, as before the action.
        QStringList labels{before.frequency, before.calOutput, before.display};
        for (const PanelStep &step : plan.steps) {
            if (const auto *set = std::get_if<SetFrequency>(&step))
                labels[0] = set->text;
            if (const auto *set = std::get_if<SetCalOutput>(&step))
                labels[1] = set->text;
            if (const auto *set = std::get_if<SetDisplay>(&step))
                labels[2] = set->text;
        }
        QCOMPARE(labels, (QStringList{before.frequency, before.calOutput, before.display}));
    }
}

void TerminalPanelTest::FrequencyKeysSetTheExactAmplitudeAgain() {
    // 0.015 mA a turn reads "0.0002A" through the 10 turns, a third more than was set; 1019.999 V
    // reads "1020.00V", which no range takes.
    const QList<std::tuple<OutputPoint, QString, QString, QStringList, QStringList>> outputs{
        {OutputPoint::Coil10,
         "0.15mA",
         "0.0002A",
         {"O1.5E-05", "S0", "#0.0002A (x10)"},
         {"R22", "F50", "O1.5E-05", "S0", "#0.0002A (x10)"}},
        {OutputPoint::Voltage,
         "1019.999V",
         "1020.00V",
         {"O1019.999", "S1"},
         {"R16", "F50", "O1019.999", "S1"}},
    };
    for (const auto &[point, entry, readout, dc, hz] : outputs) {
        PanelState state;
        state.selected = point;
        const PanelState entered = PanelPlanner::Enter(Keyed(state, entry)).after;
        QCOMPARE(entered.display, readout);
        QCOMPARE(PanelPlanner::Dc(entered).Commands(), dc);
        const PanelPlan atFrequency = PanelPlanner::Hz(Keyed(entered, "50"));
        QCOMPARE(atFrequency.Commands(), hz);
        QCOMPARE(atFrequency.after.display, readout);
    }
}

void TerminalPanelTest::DcResetsMicroamperes() {
    PanelState state;
    state.lastRangeCommand = QStringLiteral("R17");
    state.selected = OutputPoint::LowCurrent;
    state.frequency = QStringLiteral("50Hz");
    state.display = QStringLiteral("100.000\u00B5A");
    state.outputValue = 1e-4;
    const PanelPlan plan = PanelPlanner::Dc(state);
    QCOMPARE(plan.Commands(), (QStringList{"R6", "O100", "S0"}));
    QCOMPARE(plan.after.frequency, QStringLiteral("DC"));
    QCOMPARE(plan.after.display, QStringLiteral("100.000\u00B5A"));
    QCOMPARE(plan.Of<SetPlusMinusEnabled>(), (QList{SetPlusMinusEnabled{true}}));
}

void TerminalPanelTest::ReadoutOfOtherQuantityIsNoAmplitude_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("display");
    QTest::addColumn<double>("set"); // the value last set, per turn
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("displayAfter");
    // A current path picked for a keyed current leaves the voltage readout: "DC" must not read
    // 20 V as 20 A through the coil.
    QTest::newRow("volts on a coil")
        << int(OutputPoint::Coil2) << "20.0000V" << 20.0
        << QStringList{"R11", "O0", "S0", "#0.0000A (x2)"} << "0.0000A";
    QTest::newRow("volts on current terminals")
        << int(OutputPoint::LowCurrent) << "10.0000V" << 10.0 << QStringList{"R6", "O0", "S0"}
        << QStringLiteral("0.000\u00B5A");
    // A refused voltage leaves the voltage terminals selected under a current readout.
    QTest::newRow("current on voltage terminals")
        << int(OutputPoint::Voltage) << "10.0000mA" << 0.01 << QStringList{"R1", "O0", "S0"}
        << "0.000mV";
    QTest::newRow("current through another coil keeps its amplitude")
        << int(OutputPoint::Coil10) << "50.0000A" << 5.0
        << QStringList{"R11", "O5", "S0", "#50.0000A (x10)"} << "50.0000A";
}

void TerminalPanelTest::ReadoutOfOtherQuantityIsNoAmplitude() {
    QFETCH(int, selected);
    QFETCH(QString, display);
    QFETCH(double, set);
    QFETCH(QStringList, commands);
    QFETCH(QString, displayAfter);
    PanelState state;
    state.lastRangeCommand = QStringLiteral("R3");
    state.selected = static_cast<OutputPoint>(selected);
    state.frequency = QStringLiteral("50Hz");
    state.display = display;
    state.outputValue = set;
    const PanelPlan plan = PanelPlanner::Dc(state);
    QCOMPARE(plan.Commands(), commands);
    QCOMPARE(plan.after.display, displayAfter);
}

void TerminalPanelTest::HighVoltageStaysInStandby_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("highVoltage");
    QTest::newRow("50V") << "50V" << true;
    QTest::newRow("45000mV") << "45000mV" << true;
    QTest::newRow("-50V") << "-50V" << true;
    QTest::newRow("40V") << "40V" << false;
    QTest::newRow("5V") << "5V" << false;
    QTest::newRow("-5V") << "-5V" << false;
    // Judged also in volts: the number as written would let "1kV" switch 1000 V on.
    QTest::newRow("0.05kV") << "0.05kV" << true;
    QTest::newRow("1kV") << "1kV" << true;
    QTest::newRow("0.04kV") << "0.04kV" << false;
}

void TerminalPanelTest::HighVoltageStaysInStandby() {
    QFETCH(QString, entry);
    QFETCH(bool, highVoltage);
    PanelState state;
    state.selected = OutputPoint::Voltage;
    const PanelPlan plan = PanelPlanner::Enter(Keyed(state, entry));
    QCOMPARE(plan.Commands().last(), highVoltage ? QStringLiteral("S1") : QStringLiteral("S0"));
    QCOMPARE(plan.Of<SetAutosetBox>(),
             (QList{SetAutosetBox{!highVoltage, highVoltage ? autosetHv : autoset}}));
    QCOMPARE(plan.Of<ShowOutputOn>(), (QList{ShowOutputOn{!highVoltage}}));

    // Set on a live output, a high voltage is put in standby first.
    state.lastRangeCommand = plan.after.lastRangeCommand;
    state.outputOn = true;
    const PanelPlan live = PanelPlanner::Enter(Keyed(state, entry));
    QCOMPARE(live.Commands().first() == QStringLiteral("S1"), highVoltage);
    state.outputOn = false;

    // With the preference off every output is left in standby.
    state.lastRangeCommand = live.after.lastRangeCommand;
    state.autosetChecked = false;
    const PanelPlan off = PanelPlanner::Enter(Keyed(state, entry));
    QCOMPARE(off.Commands().last(), QStringLiteral("S1"));
}

void TerminalPanelTest::HistoryPickSetsOutputAgain() {
    PanelState state;
    state.lastRangeCommand = QStringLiteral("R1");
    state.selected = OutputPoint::Voltage;
    const PanelPlan plan =
        PanelPlanner::PickHistory(u"1.00000V : 50Hz", Keyed(state, QStringLiteral("7")));
    QCOMPARE(plan.Of<PanelSteps::SetEntry>().first(), PanelSteps::SetEntry{"1.00000V"});
    QCOMPARE(plan.Of<SetFrequency>(), (QList{SetFrequency{"50Hz"}}));
    QCOMPARE(plan.Commands(), (QStringList{"R13", "F50", "O1", "S0"}));
    QCOMPARE(plan.Of<AddHistory>(), (QList{AddHistory{"1.00000V : 50Hz (VOLTAGE)"}}));
}

void TerminalPanelTest::EmptyEnterOnlyEndsWait() {
    PanelState state;
    state.lastRangeCommand = QStringLiteral("R1");
    state.coilSelectPending = true;
    const PanelPlan plan = PanelPlanner::Enter(Keyed(state, QStringLiteral("  ")));
    QCOMPARE(plan.steps, (QList<PanelStep>{SetCoilSelectPending{false}}));
}

void TerminalPanelTest::UncheckingAutosetPutsOutputInStandby() {
    const PanelState state;
    QCOMPARE(PanelPlanner::AutosetChanged(false, state).Commands(), QStringList{"S1"});
    QVERIFY(PanelPlanner::AutosetChanged(true, state).Commands().isEmpty());
    QVERIFY(!PanelPlanner::AutosetChanged(false, state).after.autosetChecked);
}

QTEST_GUILESS_MAIN(TerminalPanelTest)
#include "TerminalPanelTest.moc"
