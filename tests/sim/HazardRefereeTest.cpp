#include "sim/HazardReferee.h"

#include <QTest>

using namespace vk220::sim;

namespace {

const QByteArrayList Initialisation{"T", "R0/O0/S1/# Computer Control"};
const QByteArrayList Release{"p16777216", "p0", "R1/O0/S1/# PC Control"};
const QByteArrayList Exit{"S1", "R1", "O0"};
// The terminal window opens on the voltage terminals with 0 V on and stays on it.
const QByteArrayList TerminalLoad{"p17039360", "#Volts Terminals", "p0", "R1", "O0", "S0"};
const QByteArrayList TachometerLoad{"p16777344", "p0", "R64", "F600", "S0"};
const QByteArrayList ThermocoupleLoad{"p25206784", "p0", "R60/S0", "K1/L1/O100"};
const QByteArrayList TwoTurnCoil50A{"S1",  "p16778240", "#2 Turn Coil", "p0",
                                    "R11", "O25",       "S0",           "#50.0000A (x2)"};

} // namespace

// Every hazard the referee knows, each provoked in a run of the panel, and runs that raise none.
class HazardRefereeTest : public QObject {
    Q_OBJECT
private slots:
    void NamesEachHazardOnce_data();
    void NamesEachHazardOnce();
};

void HazardRefereeTest::NamesEachHazardOnce_data() {
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QStringList>("hazards");

    // A STAND BY and a keyed 0 V inside the terminal window send the exit's three lines; the run
    // goes on.
    QTest::newRow("normal runs") << Initialisation + TerminalLoad +
                                        QByteArrayList{"S1", "R1", "O0", "S0", "S1"} +
                                        TwoTurnCoil50A + QByteArrayList{"S1"} + Release +
                                        TachometerLoad + QByteArrayList{"R64/F1230"} + Release +
                                        ThermocoupleLoad + Release + QByteArrayList{"T"} + Exit +
                                        Initialisation + Exit
                                 << QStringList{};

    QTest::newRow("switching under a live output")
        << Initialisation + TerminalLoad + Release + Exit
        << QStringList{"switching under a live output: p16777216",
                       "switching under a live output: p0"};

    // The insulation window shows its name before its set-up mask.
    const QByteArrayList afterRelease{"R64", "T", "S1", "R1", "O5", "p16777216"};
    const QByteArrayList insulationLoad{"#Insulation Res.", "p18874368", "p1064960"};
    QTest::newRow("lines after the release and after the exit")
        << Initialisation + TachometerLoad + Release + afterRelease + insulationLoad + Release +
               Exit + QByteArrayList{"S1", "T"} + Initialisation
        << QStringList{"line after the release: R64", "line after the release: O5",
                       "line after the release: p16777216", "line after the exit: S1"};

    // No value on the range; none since the adapter switched; none since the range changed; a
    // frequency counts as a value.
    const QByteArrayList noValue{"p17039360", "p0", "R1", "S0", "S1"};
    const QByteArrayList noValueSinceMask{"O5", "p17039360", "p0", "S0", "S1"};
    const QByteArrayList noValueSinceRange{"O5", "R2", "S0", "S1", "F50", "S0"};
    QTest::newRow("output on with no value set")
        << noValue + noValueSinceMask + noValueSinceRange
        << QStringList{"output on with no value set: S0", "output on with no value set: S0",
                       "output on with no value set: S0"};

    QTest::newRow("value beyond the range table")
        << QByteArrayList{"R2/O2.03", "R11",   "O30", "O-30.01", "R1",      "O202.9",
                          "R12",      "O-203", "R17", "O202.99", "R5/O1020"}
        << QStringList{"value beyond range R2 (below 2.03 V): R2/O2.03",
                       "value beyond range R11 (at most 30 A): O-30.01",
                       "value beyond range R12 (below 203 mV): O-203",
                       "value beyond range R5 (below 1020 V): R5/O1020"};

    // 2.03 A is what the LOW CURRENT path still carries, 30 A the HIGH CURRENT terminals;
    // milliamperes through a coil are harmless.
    const QByteArrayList lowCurrent{"p16908288", "p0", "R11", "O2.5", "S0", "O2.03", "S1"};
    const QByteArrayList highCurrent{"p16843008", "p0", "O30", "S0", "S1"};
    const QByteArrayList fiftyTurnCoil{"p16779264", "p0", "R8", "O10", "S0", "S1"};
    const QByteArrayList currentOnVoltage{"p17039360", "p0", "O10", "S0", "S1"};
    const QByteArrayList voltageOnCoil{"p16777728", "p0", "R3", "O5", "S0", "S1"};
    const QByteArrayList raisedWhileOn{"p16908288", "p0", "R10", "O1", "S0", "R11", "O3", "S1"};
    QTest::newRow("current beyond its path, output through the wrong terminals")
        << lowCurrent + highCurrent + fiftyTurnCoil + currentOnVoltage + voltageOnCoil +
               raisedWhileOn
        << QStringList{"2.5 A through the LOW CURRENT terminals (at most 2.03 A): S0",
                       "current range R8 on the voltage terminals: S0",
                       "voltage range R3 on the 10-turn coil: S0",
                       "3 A through the LOW CURRENT terminals (at most 2.03 A): O3"};
}

void HazardRefereeTest::NamesEachHazardOnce() {
    QFETCH(QByteArrayList, lines);
    QFETCH(QStringList, hazards);
    HazardReferee referee;
    QStringList judged;
    for (const QByteArray &line : lines) {
        const QString hazard = referee.Judge(line);
        if (!hazard.isEmpty())
            judged.append(hazard);
    }
    QCOMPARE(judged, hazards);
    QCOMPARE(referee.Hazards(), hazards);
}

QTEST_GUILESS_MAIN(HazardRefereeTest)
#include "HazardRefereeTest.moc"
