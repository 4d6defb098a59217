#include "tests/functions/terminal/widgets/TerminalRig.h"

#include "functions/terminal/logic/TerminalMemory.h"

using namespace vk220::terminal;
using namespace vk220::ui;

// The terminal window driven through its keys and buttons: its opening, the typical entries,
// the output routine's examples, the frequency and DC keys, the history and the output buttons.
class TerminalFormTest : public QObject {
    Q_OBJECT
private slots:
    void OpeningSelectsVoltageAtZero();
    void ControlsCarryTheirNamesAndCaptions();
    void TenMilliamperesOnTheTerminals_data();
    void TenMilliamperesOnTheTerminals();
    void FiftyAmperesOnTheTwoTurnCoil();
    void TenMilliamperesThroughTheTenTurnCoil_data();
    void TenMilliamperesThroughTheTenTurnCoil();
    void WorkedExamples_data();
    void WorkedExamples();
    void HighVoltageIsLeftInStandby();
    void FrequencyLimits_data();
    void FrequencyLimits();
    void DcAndAcSwitching();
    void FrequencyKeysWaitForAnOutputOnTheNewPoint_data();
    void FrequencyKeysWaitForAnOutputOnTheNewPoint();
    void EnterKeyStaysBoldWhenNothingWasSet();
    void HistoryPickSetsTheOutputAgain();
    void OtherFamiliesAreLeftInStandby_data();
    void OtherFamiliesAreLeftInStandby();
    void OnAndStandbyButtons();
};

void TerminalFormTest::OpeningSelectsVoltageAtZero() {
    TerminalRig w;
    w.Open();
    QCOMPARE(w.Taken(), TerminalRig::Opening);
    QCOMPARE(w.rig.host.placed, 1);
    QCOMPARE(w.form->windowTitle(), QStringLiteral("TERMINAL / COIL SWITCHING"));
    QCOMPARE(w.form->DesignSize(), QSize(719, 562));
    QVERIFY(!w.form->TakesFunctionBackground());
    QCOMPARE(w.Selected(), (QList<int>{3, 9}));
    QCOMPARE(w.Bold(), (QList<int>{3, 9}));
    QCOMPARE(w.Display(), QStringLiteral("0.000mV"));
    QCOMPARE(w.HzLab(), QStringLiteral("DC"));
    QCOMPARE(w.CalOPLab(), QStringLiteral("0V"));
    QCOMPARE(w.History(), QStringList{"0.000mV : DC (VOLTAGE)"});
    QCOMPARE(w.Entry(), QString());
    QVERIFY(w.OutputOn());
    QVERIFY(!w.EnterKey().isHidden());
    QVERIFY(w.EnterKey().isEnabled());
    QVERIFY(!w.PathsShown());
    QVERIFY(!Find<TerminalSelector>(w.form, "TerminalSelector")->CFlash().isActive());
    QCOMPARE(Find<TerminalSelector>(w.form, "TerminalSelector")->CFlash().interval(), 500);
    QVERIFY(Find<QCheckBox>(w.form, "AutoCheck")->isChecked());
    QVERIFY(!Find<QCheckBox>(w.form, "AutoRange")->isChecked());
    QCOMPARE(w.rig.state.Kept<TerminalMemory>().LastRangeCommand, QStringLiteral("R1"));
    QVERIFY(w.rig.boxes.shown.isEmpty());
}

void TerminalFormTest::ControlsCarryTheirNamesAndCaptions() {
    TerminalRig w;
    w.Open();
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(w.KeyButton(i)->objectName(), QStringLiteral("Command1_%1").arg(i));
        QCOMPARE(w.KeyButton(i)->text(), TerminalKeypad::Captions.at(i));
    }
    QCOMPARE(w.KeyButton(KeypadKey::PlusMinus)->text(), QStringLiteral("\u00B1"));
    const QStringList termCaptions{"2 TURN COIL (to 60A)",    "10 TURN COIL (to 300A)",
                                   "50 TURN COIL (to 1500A)", "VOLTAGE",
                                   "LOW CURRENT (0A to 2A)",  "HIGH CURRENT (2A to 30A)",
                                   "2 TURN COIL (to 60A)",    "10 TURN COIL (to 300A)",
                                   "50 TURN COIL (to 1500A)", "VOLTAGE TERMINALS",
                                   "TERMINALS (to 30A)"};
    for (int i = 0; i < 11; ++i) {
        QCOMPARE(w.Term(i)->objectName(), QStringLiteral("TermBut_%1").arg(i));
        QCOMPARE(w.Term(i)->text(), termCaptions.at(i));
    }
    QCOMPARE(Find<QLabel>(w.form, "CLab")->text(), QStringLiteral("Current Output"));
    QCOMPARE(Find<QPushButton>(w.form, "ONBut")->text(), QStringLiteral("OUTPUT ON"));
    QCOMPARE(Find<QPushButton>(w.form, "OffBut")->text(), QStringLiteral("STAND BY"));
    QCOMPARE(Find<QCheckBox>(w.form, "AutoCheck")->text(), QStringLiteral("Autoset Output ON"));
    QCOMPARE(Find<QCheckBox>(w.form, "AutoCheck")->toolTip(),
             QStringLiteral("Sets output on automatically"));
    QCOMPARE(Find<QCheckBox>(w.form, "AutoRange")->text(), QStringLiteral("Range Autoselect"));
    QCOMPARE(Find<QCheckBox>(w.form, "AutoRange")->toolTip(),
             QStringLiteral("Sets current range / coil turns depending on output"));
    for (const char *name : {"KBText", "OPLab", "HzLab", "Display", "CalOPLab", "CLab", "ONBut",
                             "OffBut", "AutoCheck", "AutoRange", "CloseBut"}) {
        auto *control = w.form->findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY2(control != nullptr, name);
        QCOMPARE(control->accessibleDescription(), QString::fromLatin1(name));
    }
}

void TerminalFormTest::TenMilliamperesOnTheTerminals_data() {
    QTest::addColumn<QString>("keys");
    QTest::newRow("10m") << "10m";
    // A point left without decimals ends the number: the prefix after it still counts.
    QTest::newRow("10.m") << "10.m";
}

void TerminalFormTest::TenMilliamperesOnTheTerminals() {
    QFETCH(QString, keys);
    const QString entry = keys + u'A';
    TerminalRig w;
    w.Open();
    w.Taken();
    w.Keys(keys);
    QCOMPARE(w.Entry(), keys);
    QCOMPARE(w.OPLab(), keys);
    QVERIFY(w.Taken().isEmpty());

    // "A" puts the output in standby and offers only the path that carries 10 mA.
    w.Key(QStringLiteral("A"));
    QCOMPARE(w.Taken(), QStringList{"S1"});
    QCOMPARE(w.Entry(), entry);
    QVERIFY(w.InStandby());
    QVERIFY(w.PathsShown());
    QCOMPARE(w.EnabledPaths(), QList<int>{10});
    QVERIFY(!w.EnterKey().isEnabled());
    QVERIFY(Find<TerminalSelector>(w.form, "TerminalSelector")->CFlash().isActive());
    QVERIFY(w.rig.state.Kept<TerminalMemory>().CoilSelectPending);
    QCOMPARE(w.Selected(), (QList<int>{3, 9}));

    w.ClickTerm(10);
    QCOMPARE(w.Taken(), (QStringList{"p16908288", "#Low I Terminals", "p0"}));
    QCOMPARE(w.Selected(), (QList<int>{4, 10}));
    QCOMPARE(w.Entry(), entry);
    QVERIFY(!Find<TerminalSelector>(w.form, "TerminalSelector")->CFlash().isActive());
    QVERIFY(w.EnterKey().isEnabled());
    QVERIFY(!w.rig.state.Kept<TerminalMemory>().CoilSelectPending);

    w.Key(QStringLiteral("ENTER"));
    QCOMPARE(w.Taken(), (QStringList{"R8", "O10", "S0"}));
    QCOMPARE(w.Display(), QStringLiteral("10.0000mA"));
    QCOMPARE(w.CalOPLab(), entry);
    QCOMPARE(w.History().last(), QStringLiteral("10.0000mA : DC (LOW CURRENT)"));
    QCOMPARE(w.Entry(), QString());
    QVERIFY(w.OutputOn());
    QVERIFY(w.rig.boxes.shown.isEmpty());
}

void TerminalFormTest::FiftyAmperesOnTheTwoTurnCoil() {
    TerminalRig w;
    w.Open();
    w.Taken();
    w.Keys(QStringLiteral("50A"));
    QCOMPARE(w.Taken(), QStringList{"S1"});
    QCOMPARE(w.EnabledPaths(), (QList<int>{6, 7}));

    w.ClickTerm(6);
    QCOMPARE(w.Taken(), (QStringList{"p16778240", "#2 Turn Coil", "p0"}));
    QCOMPARE(w.Selected(), (QList<int>{0, 6}));
    QCOMPARE(w.Entry(), QStringLiteral("50A"));

    w.Key(QStringLiteral("ENTER"));
    QCOMPARE(w.Taken(), (QStringList{"R11", "O25", "S0", "#50.0000A (x2)"}));
    QCOMPARE(w.CalOPLab(), QStringLiteral("25A x2"));
    QCOMPARE(w.Display(), QStringLiteral("50.0000A"));
    QCOMPARE(w.History().last(), QStringLiteral("50.0000A : DC (2 TURN COIL)"));
    QCOMPARE(w.Selected(), (QList<int>{0, 6}));
}

void TerminalFormTest::TenMilliamperesThroughTheTenTurnCoil_data() {
    QTest::addColumn<bool>("pickedAsPath");
    QTest::addColumn<QStringList>("commands");
    // Picked for a keyed current, the coil leaves range 1 standing; clicked in the coil row, it
    // sets 0 A on range 11 at once.
    QTest::newRow("path picked for 50 A")
        << true << QStringList{"R11", "O.001", "S0", "#0.0100A (x10)"};
    QTest::newRow("coil row") << false << QStringList{"O.001", "S0", "#0.0100A (x10)"};
}

void TerminalFormTest::TenMilliamperesThroughTheTenTurnCoil() {
    QFETCH(bool, pickedAsPath);
    QFETCH(QStringList, commands);
    TerminalRig w;
    w.Open();
    if (pickedAsPath) {
        w.Keys(QStringLiteral("50A"));
        w.ClickTerm(7);
        for (int i = 0; i < 3; ++i)
            w.Key(QStringLiteral("< Back Space"));
    } else {
        w.ClickTerm(1);
    }
    w.Taken();
    QCOMPARE(w.Selected(), (QList<int>{1, 7}));

    // The "A" key never offers the 10-turn coil for 10 mA; ENTER appends the unit itself.
    w.Keys(QStringLiteral("10m"));
    w.Key(QStringLiteral("ENTER"));
    QCOMPARE(w.Taken(), commands);
    QCOMPARE(w.CalOPLab(), QStringLiteral("0.001A x10"));
    QCOMPARE(w.Display(), QStringLiteral("0.0100A"));
}

void TerminalFormTest::WorkedExamples_data() {
    QTest::addColumn<int>("point");        // TermBut clicked first, or -1
    QTest::addColumn<QString>("setFirst"); // an output set first, or empty
    QTest::addColumn<QString>("hz");       // keyed before "Hz", or empty
    QTest::addColumn<QString>("last");     // LastRangeCommand before the entry
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("refused"); // the "Output : " text of the warning, or empty
    QTest::newRow("10mA DC, no range yet") << 4 << ""
                                           << ""
                                           << ""
                                           << "10mA" << QStringList{"R8", "O10", "S0"} << "";
    QTest::newRow("10mA DC after R8") << 4 << ""
                                      << ""
                                      << "R8"
                                      << "10mA" << QStringList{"O10", "S0"} << "";
    QTest::newRow("1.5V at 50Hz after R2")
        << -1 << ""
        << "50"
        << "R2"
        << "1.5V" << QStringList{"R13", "F50", "O1.5", "S0"} << "";
    QTest::newRow("0V DC, no range yet") << -1 << ""
                                         << ""
                                         << ""
                                         << "0V" << QStringList{"R1", "O0", "S0"} << "";
    QTest::newRow("coil: 25 A per turn after R11")
        << 0 << ""
        << ""
        << "R11"
        << "50A" << QStringList{"O25", "S0", "#50.0000A (x2)"} << "";
    QTest::newRow("31A without a coil") << -1 << "5A"
                                        << ""
                                        << "R11"
                                        << "31A" << QStringList{} << "31A";
    // The live output goes to standby before the adapter leaves the current terminals.
    const QStringList toVoltage{"S1", "p17039360", "#Volts Terminals", "p0"};
    QTest::newRow("30V after 2A") << -1 << "2A"
                                  << ""
                                  << "R10"
                                  << "30V" << toVoltage + QStringList{"R4", "O30", "S0"} << "";
    // 100 as written is above 40: a high voltage, set in standby and left there.
    QTest::newRow("100mV DC after R1") << -1 << ""
                                       << ""
                                       << "R1"
                                       << "100mV" << QStringList{"S1", "O100", "S1"} << "";
}

void TerminalFormTest::WorkedExamples() {
    QFETCH(int, point);
    QFETCH(QString, setFirst);
    QFETCH(QString, hz);
    QFETCH(QString, last);
    QFETCH(QString, entry);
    QFETCH(QStringList, commands);
    QFETCH(QString, refused);
    TerminalRig w;
    w.Open();
    if (point >= 0)
        w.ClickTerm(point);
    if (!setFirst.isEmpty())
        w.Type(setFirst);
    if (!hz.isEmpty()) {
        w.Keys(hz);
        w.Key(QStringLiteral("Hz"));
    }
    w.Taken();
    const QString display = w.Display();
    const QStringList history = w.History();
    w.rig.state.Kept<TerminalMemory>().LastRangeCommand = last;

    w.Type(entry);
    QCOMPARE(w.Taken(), commands);
    QCOMPARE(w.Entry(), QString());
    if (refused.isEmpty()) {
        QVERIFY(w.rig.boxes.shown.isEmpty());
        QCOMPARE(w.History().size(), history.size() + 1);
    } else {
        QCOMPARE(w.rig.boxes.shown, QList{TerminalRig::Refusal(refused)});
        QCOMPARE(w.Display(), display);
        QCOMPARE(w.History(), history);
        QCOMPARE(w.rig.state.Kept<TerminalMemory>().LastRangeCommand, last);
    }
}

void TerminalFormTest::HighVoltageIsLeftInStandby() {
    TerminalRig w;
    w.Open();
    w.Taken();
    w.Type(QStringLiteral("50V"));
    // Set with the output in standby, never on the live terminals.
    QCOMPARE(w.Taken(), (QStringList{"S1", "R4", "O50", "S1"}));
    QVERIFY(w.InStandby());
    QVERIFY(!Find<QCheckBox>(w.form, "AutoCheck")->isEnabled());
    QCOMPARE(Find<QCheckBox>(w.form, "AutoCheck")->text(),
             QStringLiteral("Autoset Output ON (Disabled for HV O/P)"));
    QVERIFY(Find<QCheckBox>(w.form, "AutoCheck")->isChecked());

    w.Keys(QStringLiteral("5V"));
    w.Key(QStringLiteral("ENTER"));
    QCOMPARE(w.Taken(), (QStringList{"R3", "O5", "S0"}));
    QVERIFY(w.OutputOn());
    QVERIFY(Find<QCheckBox>(w.form, "AutoCheck")->isEnabled());
    QCOMPARE(Find<QCheckBox>(w.form, "AutoCheck")->text(), QStringLiteral("Autoset Output ON"));
}

void TerminalFormTest::FrequencyLimits_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("9.5") << "9.5"
                         << "Frequency Too Low"
                         << "Minimum frequency setting is 10Hz";
    QTest::newRow("none") << ""
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
}

void TerminalFormTest::FrequencyLimits() {
    QFETCH(QString, keys);
    QFETCH(QString, title);
    QFETCH(QString, text);
    TerminalRig w;
    w.Open();
    w.Type(QStringLiteral("5V"));
    w.Taken();
    w.Keys(keys);
    w.Key(QStringLiteral("Hz"));
    QCOMPARE(w.Entry(), QString());
    if (title.isEmpty()) {
        QCOMPARE(w.Taken(), (QStringList{"R14", u'F' + keys, "O5", "S0"}));
        QCOMPARE(w.HzLab(), keys + QStringLiteral("Hz"));
        QVERIFY(!w.KeyButton(KeypadKey::PlusMinus)->isEnabled());
        QVERIFY(w.rig.boxes.shown.isEmpty());
    } else {
        QVERIFY(w.Taken().isEmpty());
        QCOMPARE(w.HzLab(), QStringLiteral("DC"));
        QVERIFY(w.KeyButton(KeypadKey::PlusMinus)->isEnabled());
        QCOMPARE(w.rig.boxes.shown, QList{RecordingMessageBoxes::Information(title, text)});
    }
}

void TerminalFormTest::DcAndAcSwitching() {
    TerminalRig w;
    w.Open();
    w.ClickTerm(4);
    w.Taken();
    w.Type(QStringLiteral("10mA"));
    QCOMPARE(w.Taken(), (QStringList{"R8", "O10", "S0"}));

    // The same magnitude at AC and back at DC always sends the new range.
    w.Keys(QStringLiteral("50"));
    w.Key(QStringLiteral("Hz"));
    QCOMPARE(w.Taken(), (QStringList{"R19", "F50", "O10", "S0"}));
    QCOMPARE(w.HzLab(), QStringLiteral("50Hz"));
    QCOMPARE(w.Display(), QStringLiteral("10.0000mA"));
    w.Keys(QStringLiteral("60"));
    w.Key(QStringLiteral("Hz"));
    QCOMPARE(w.Taken(), (QStringList{"F60", "O10", "S0"}));
    w.Key(QStringLiteral("DC"));
    QCOMPARE(w.Taken(), (QStringList{"R8", "O10", "S0"}));
    QCOMPARE(w.HzLab(), QStringLiteral("DC"));
    QVERIFY(w.KeyButton(KeypadKey::PlusMinus)->isEnabled());
    QCOMPARE(w.rig.state.Kept<TerminalMemory>().LastRangeCommand, QStringLiteral("R8"));

    // "DC" on a microampere readout sets microamperes again, not amperes.
    w.Type(QStringLiteral("100uA"));
    QCOMPARE(w.Display(), QStringLiteral("100.000\u00B5A"));
    w.Taken();
    w.Keys(QStringLiteral("50"));
    w.Key(QStringLiteral("Hz"));
    QCOMPARE(w.Taken(), (QStringList{"R17", "F50", "O100", "S0"}));
    w.Key(QStringLiteral("DC"));
    QCOMPARE(w.Taken(), (QStringList{"R6", "O100", "S0"}));
    QCOMPARE(w.History().size(), 4);

    // The last range outlives the window: range 6 is not sent again after reopening.
    w.Close();
    QCOMPARE(w.Taken(), QStringList{"S1"} + FunctionHost::ReleaseCommands);
    QCOMPARE(w.rig.state.Kept<TerminalMemory>().LastRangeCommand, QStringLiteral("R6"));
    w.Open();
    QCOMPARE(w.Taken(), TerminalRig::Opening);
    w.ClickTerm(4);
    QCOMPARE(w.Taken(),
             (QStringList{"S1", "p16908288", "#Low I Terminals", "p0", "R6", "O0", "S0"}));
    w.Type(QStringLiteral("100uA"));
    QCOMPARE(w.Taken(), (QStringList{"O100", "S0"}));
}

void TerminalFormTest::FrequencyKeysWaitForAnOutputOnTheNewPoint_data() {
    QTest::addColumn<int>("point");        // TermBut clicked first, or -1
    QTest::addColumn<QString>("setFirst"); // the output set there
    QTest::addColumn<QString>("keyed");    // a current keyed with "A", then its path picked
    QTest::addColumn<int>("path");
    QTest::addColumn<QString>("frequency"); // keyed before "Hz", or empty for "DC"
    QTest::addColumn<QStringList>("enter"); // ENTER after "DC": the keyed current is set
    // 25 A on HIGH CURRENT, then 1 A keyed for the 0-2 A path: 25 A must not go through it.
    QTest::newRow("DC on the low-current path")
        << -1 << "25A"
        << "1A" << 10 << "" << QStringList{"R10", "O1", "S0"};
    // 10 mA on the terminals, then 50 A keyed for the 2-turn coil.
    QTest::newRow("Hz on a coil") << 4 << "10mA"
                                  << "50A" << 6 << "50" << QStringList{};
}

void TerminalFormTest::FrequencyKeysWaitForAnOutputOnTheNewPoint() {
    QFETCH(int, point);
    QFETCH(QString, setFirst);
    QFETCH(QString, keyed);
    QFETCH(int, path);
    QFETCH(QString, frequency);
    QFETCH(QStringList, enter);
    TerminalRig w;
    w.Open();
    if (point >= 0)
        w.ClickTerm(point);
    w.Type(setFirst);
    const QString display = w.Display();
    w.Keys(keyed);
    w.ClickTerm(path);
    w.Taken();
    w.TakeBoxes();

    // The calibrator still holds the output of the previous point: nothing is set again.
    if (frequency.isEmpty()) {
        w.Key(QStringLiteral("DC"));
    } else {
        for (int i = 0; i < keyed.size(); ++i)
            w.Key(QStringLiteral("< Back Space"));
        w.Keys(frequency);
        w.Key(QStringLiteral("Hz"));
    }
    QCOMPARE(w.Taken(), QStringList());
    QCOMPARE(w.TakeBoxes(), QList{TerminalRig::OutputNotSet()});
    QCOMPARE(w.Display(), display);
    QCOMPARE(w.HzLab(), QStringLiteral("DC"));
    QVERIFY(w.InStandby());
    // "DC" leaves the keyed current waiting for ENTER; "Hz" took the entry as its frequency.
    QCOMPARE(w.Entry(), frequency.isEmpty() ? keyed : QString());
    w.Key(QStringLiteral("ENTER"));
    QCOMPARE(w.Taken(), enter);
}

void TerminalFormTest::EnterKeyStaysBoldWhenNothingWasSet() {
    TerminalRig w;
    w.Open();
    QVERIFY(!w.EnterKey().font().bold());
    const QList<std::pair<QString, bool>> entries{
        {"1500V", true}, {"5V", false}, {"1019.999V", false}, {"31A", true}, {"0.5mA", false}};
    for (const auto &[entry, refused] : entries) {
        w.Type(entry);
        QCOMPARE(w.EnterKey().font().bold(), refused);
        QCOMPARE(w.EnterKey().font().weight(), refused ? QFont::Bold : QFont::Normal);
    }

    // 1019.999 V reads "1020.00V", which no range takes: DC and Hz set 1019.999 V again.
    const QList<std::pair<QString, QStringList>> changes{{"DC", {"O1019.999", "S1"}},
                                                         {"Hz", {"R16", "F50", "O1019.999", "S1"}}};
    for (const auto &[key, commands] : changes) {
        w.Type(QStringLiteral("1019.999V"));
        QCOMPARE(w.Display(), QStringLiteral("1020.00V"));
        w.Taken();
        w.rig.boxes.shown.clear();
        w.Keys(QStringLiteral("50"));
        w.Key(key);
        QCOMPARE(w.Taken(), commands);
        QVERIFY(w.rig.boxes.shown.isEmpty());
        QVERIFY2(!w.EnterKey().font().bold(), qPrintable(key));
        QCOMPARE(w.Display(), QStringLiteral("1020.00V"));
    }
    // A frequency refused before any output is tried leaves the key as it was.
    w.Type(QStringLiteral("5V"));
    w.Keys(QStringLiteral("5"));
    w.Key(QStringLiteral("Hz"));
    QVERIFY(!w.EnterKey().font().bold());
}

void TerminalFormTest::HistoryPickSetsTheOutputAgain() {
    TerminalRig w;
    w.Open();
    w.Type(QStringLiteral("1V"));
    w.Keys(QStringLiteral("50"));
    w.Key(QStringLiteral("Hz"));
    w.Type(QStringLiteral("2V"));
    QCOMPARE(w.History(), (QStringList{"0.000mV : DC (VOLTAGE)", "1.00000V : DC (VOLTAGE)",
                                       "2.00000V : 50Hz (VOLTAGE)"}));
    w.Key(QStringLiteral("DC"));
    w.Taken();

    w.PickHistory(2);
    QCOMPARE(w.HzLab(), QStringLiteral("50Hz"));
    QCOMPARE(w.Taken(), (QStringList{"R13", "F50", "O2", "S0"}));
    QCOMPARE(w.Display(), QStringLiteral("2.00000V"));
    QCOMPARE(w.History().last(), QStringLiteral("2.00000V : 50Hz (VOLTAGE)"));
    QCOMPARE(w.Entry(), QString());
}

void TerminalFormTest::OtherFamiliesAreLeftInStandby_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("commands");
    // Reached only by typing: the routine's own lines, with the output put in standby first and
    // left there, since the readout cannot show such an output.
    QTest::newRow("resistance") << "5VR" << QStringList{"S1", "I0", "R25", "S1"};
    QTest::newRow("frequency output") << "10VHz" << QStringList{"S1", "R58", "H1", "S1"};
}

void TerminalFormTest::OtherFamiliesAreLeftInStandby() {
    QFETCH(QString, entry);
    QFETCH(QStringList, commands);
    TerminalRig w;
    w.Open();
    w.Taken();
    w.Type(entry);
    QCOMPARE(w.Taken(), commands);
    QVERIFY(w.InStandby());
    QVERIFY(Find<QCheckBox>(w.form, "AutoCheck")->isEnabled());
    QCOMPARE(w.Display(), QStringLiteral("0"));
    // The readout of neither quantity is no amplitude: "Hz" and "DC" set nothing.
    for (const QString &key : {QStringLiteral("Hz"), QStringLiteral("DC")}) {
        w.rig.boxes.shown.clear();
        w.Keys(QStringLiteral("50"));
        w.Key(key);
        QVERIFY2(w.Taken().isEmpty(), qPrintable(key));
        QCOMPARE(w.rig.boxes.shown, QList{TerminalRig::Refusal(QStringLiteral("0"))});
        QVERIFY(w.EnterKey().font().bold());
        QCOMPARE(w.Display(), QStringLiteral("0"));
        QCOMPARE(w.HzLab(), QStringLiteral("DC"));
        QVERIFY(w.InStandby());
    }
}

void TerminalFormTest::OnAndStandbyButtons() {
    TerminalRig w;
    w.Open();
    w.Taken();
    QTest::mouseClick(Find<QPushButton>(w.form, "OffBut"), Qt::LeftButton);
    QCOMPARE(w.Taken(), QStringList{"S1"});
    QVERIFY(w.InStandby());
    QTest::mouseClick(Find<QPushButton>(w.form, "ONBut"), Qt::LeftButton);
    QCOMPARE(w.Taken(), QStringList{"S0"});
    QVERIFY(w.OutputOn());
}

QTEST_MAIN(TerminalFormTest)
#include "TerminalFormTest.moc"
