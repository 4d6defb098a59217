#include "tests/functions/terminal/widgets/TerminalRig.h"

#include <QTest>

using namespace vk220::terminal;

// What the terminal window tells the operator beside the values: whether the output is live
// (the marker, the dimmed value, the high-voltage symbol) and what to do next (the guidance
// line).
class TerminalStatusTest : public QObject {
    Q_OBJECT
private slots:
    void ReadoutShowsWhetherTheOutputIsLive();
    void GuidanceLineSaysWhatToDoNext();
};

namespace {

// The marker, the value's colour and whether the high-voltage symbol shows.
struct Shown {
    QString marker;
    QColor value;
    bool highVoltage;
    bool operator==(const Shown &) const = default;
};

Shown Readout(const TerminalRig &w) {
    const CalibratorDisplay &readouts = *Find<CalibratorDisplay>(w.form, "CalibratorDisplay");
    const QColor value = readouts.Display().palette().color(QPalette::WindowText);
    // The frequency is part of the value.
    if (readouts.HzLab().palette().color(QPalette::WindowText) != value)
        return {};
    return {Find<QLabel>(&readouts, "StateLab")->text(), value,
            !Find<QLabel>(&readouts, "HVLab")->isHidden()};
}

const Shown Live{QStringLiteral("OPR"), CalibratorDisplay::LitColour, false};
const Shown LiveHighVoltage{QStringLiteral("OPR"), CalibratorDisplay::LitColour, true};
const Shown Standby{QStringLiteral("STBY"), CalibratorDisplay::DimColour, false};

} // namespace

void TerminalStatusTest::ReadoutShowsWhetherTheOutputIsLive() {
    TerminalRig w;
    w.Open();
    QCOMPARE(Readout(w), Live);
    QCOMPARE(Find<QLabel>(Find<CalibratorDisplay>(w.form, "CalibratorDisplay"), "HVLab")->text(),
             QStringLiteral("\u26A1 HV"));
    QCOMPARE(Find<QLabel>(Find<CalibratorDisplay>(w.form, "CalibratorDisplay"), "HVLab")
                 ->palette()
                 .color(QPalette::WindowText),
             CalibratorDisplay::WarningColour);

    w.Type(QStringLiteral("10V"));
    QCOMPARE(Readout(w), Live);

    // Held in standby by the high-voltage rule, 50 V must not look live.
    w.Type(QStringLiteral("50V"));
    QVERIFY(w.InStandby());
    QCOMPARE(w.Display(), QStringLiteral("50.000V"));
    QCOMPARE(Readout(w), Standby);

    QTest::mouseClick(Find<QPushButton>(w.form, "ONBut"), Qt::LeftButton);
    QCOMPARE(Readout(w), LiveHighVoltage);
    QTest::mouseClick(Find<QPushButton>(w.form, "OffBut"), Qt::LeftButton);
    QCOMPARE(Readout(w), Standby);

    // A current is never high voltage, whatever its number.
    w.ClickTerm(0);
    w.Type(QStringLiteral("50A"));
    QCOMPARE(w.Display(), QStringLiteral("50.0000A"));
    QCOMPARE(Readout(w), Live);

    // A history pick asked for before STAND BY sets 30 V, but its "S0" is refused: standby.
    w.ClickTerm(3);
    w.Type(QStringLiteral("30V"));
    QCOMPARE(Readout(w), Live);
    const int thirty =
        static_cast<int>(w.History().indexOf(QStringLiteral("30.000V : DC (VOLTAGE)")));
    w.rig.DuringReplyTo(QStringLiteral("S0"), [&w, thirty] {
        w.PickHistory(thirty);
        QTest::mouseClick(Find<QPushButton>(w.form, "OffBut"), Qt::LeftButton);
    });
    w.Taken();
    w.Type(QStringLiteral("10V"));
    QCOMPARE(w.Taken(), (QStringList{"R3", "O10", "S0", "S1", "R4", "O30"}));
    QCOMPARE(w.Display(), QStringLiteral("30.000V"));
    QCOMPARE(Readout(w), Standby);
}

void TerminalStatusTest::GuidanceLineSaysWhatToDoNext() {
    TerminalRig w;
    w.Open();
    const QLabel &guide = Find<TerminalKeypad>(w.form, "TerminalKeypad")->GuideLab();
    QCOMPARE(guide.text(), QString());

    // An entry waiting for ENTER is not the output.
    w.Keys(QStringLiteral("5"));
    QCOMPARE(guide.text(), QStringLiteral("Press ENTER to set 5V"));
    w.Key(QStringLiteral("ENTER"));
    QCOMPARE(w.Display(), QStringLiteral("5.0000V"));
    QCOMPARE(guide.text(), QString());

    // 1 A cannot go through the 10-turn coil: it is greyed, ENTER disabled, TERMINALS flashes.
    w.ClickTerm(1);
    w.Keys(QStringLiteral("1A"));
    QVERIFY(!w.Term(7)->isEnabled());
    QVERIFY(!w.EnterKey().isEnabled());
    QCOMPARE(guide.text(), QStringLiteral("Pick a current path for 1A"));
    w.ClickTerm(10);
    QCOMPARE(guide.text(), QStringLiteral("Press ENTER to set 1A"));
    w.Key(QStringLiteral("ENTER"));
    QCOMPARE(w.Display(), QStringLiteral("1.00000A"));
    QCOMPARE(guide.text(), QString());

    // HIGH CURRENT clicked ends on LOW CURRENT: the zero current it sets is not above 2 A.
    w.ClickTerm(5);
    QCOMPARE(w.Selected(), (QList<int>{4, 10}));
    QCOMPARE(guide.text(), QStringLiteral("HIGH CURRENT is chosen automatically above 2 A"));
    // The note lasts until the next action.
    w.Keys(QStringLiteral("3"));
    QCOMPARE(guide.text(), QStringLiteral("Press ENTER to set 3A"));
    w.Key(QStringLiteral("< Back Space"));
    QCOMPARE(guide.text(), QString());
}

QTEST_MAIN(TerminalStatusTest)
#include "TerminalStatusTest.moc"
