#include "sim/CalibratorSimulation.h"

#include <QRegularExpression>
#include <QTest>

using namespace vk220::sim;

namespace {

const QByteArray Marker = "*0\r\n";

// Sends each line and returns the last reply.
QByteArray SendAll(CalibratorSimulation &simulation, const QByteArrayList &lines) {
    QByteArray reply;
    for (const QByteArray &line : lines) {
        reply = simulation.Reply(line);
    }
    return reply;
}

qint64 ReadCounts(CalibratorSimulation &simulation) {
    const QByteArray reply = simulation.Reply("v");
    static const QRegularExpression form(QStringLiteral("^-?\\d+\\*0\\r\\n$"));
    if (!form.match(QString::fromLatin1(reply)).hasMatch()) {
        qWarning("reply to v has the wrong form: %s", reply.constData());
        return std::numeric_limits<qint64>::min();
    }
    return reply.chopped(Marker.size()).toLongLong();
}

} // namespace

class CalibratorSimulationTest : public QObject {
    Q_OBJECT

private slots:
    void PlainCommandsAnswerTheMarkerAlone_data();
    void PlainCommandsAnswerTheMarkerAlone();
    void IdentificationIsLongerThanFifty();
    void TextElementRunsToEndOfLine();
    void CommandsSetTheState();
    void MalformedNumbersLeaveTheStateAlone();
    void ZeroMaskKeepsTheSwitchedCircuit();
    void ReadingsFollowMasksAndRanges_data();
    void ReadingsFollowMasksAndRanges();
    void ReadingsCarrySeededNoise();
    void OverdrivenMeterSaturates();
    void InsulationTesterWorksInBursts();
    void SilentNeverAnswers();
    void ShortIdentificationIsAtMostFifty();
    void GarbageReplacesReplies();
    void ExtraCharactersFollowTheMarker();
};

void CalibratorSimulationTest::PlainCommandsAnswerTheMarkerAlone_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("empty line") << QByteArray();
    QTest::newRow("initialisation") << QByteArray("R0/O0/S1/# Computer Control");
    QTest::newRow("mask") << QByteArray("p16777344");
    QTest::newRow("thermocouple") << QByteArray("K1/L1/O100");
    QTest::newRow("unknown command") << QByteArray("Z42");
    QTest::newRow("text only") << QByteArray("#Ins.: 50V Range");
}

void CalibratorSimulationTest::PlainCommandsAnswerTheMarkerAlone() {
    QFETCH(QByteArray, line);
    CalibratorSimulation simulation;
    QCOMPARE(simulation.Reply(line), Marker);
}

void CalibratorSimulationTest::IdentificationIsLongerThanFifty() {
    CalibratorSimulation simulation;
    const QByteArray reply = simulation.Reply("T");
    QVERIFY(reply.size() > 50);
    QVERIFY(reply.endsWith(Marker));
    QCOMPARE(reply.count(Marker), 1);
    QCOMPARE(simulation.Reply("R0/T/S1"), reply);
}

void CalibratorSimulationTest::TextElementRunsToEndOfLine() {
    CalibratorSimulation simulation;
    QCOMPARE(simulation.Reply("R5/#Ins.: 50V / Range/S0"), Marker);
    QCOMPARE(simulation.State().range, 5);
    QCOMPARE(simulation.State().displayText, QByteArray("Ins.: 50V / Range/S0"));
    QVERIFY(!simulation.State().outputOn);
}

void CalibratorSimulationTest::CommandsSetTheState() {
    CalibratorSimulation simulation;
    QVERIFY(!simulation.State().outputOn);
    SendAll(simulation, {"R13", "F50", "O.5", "S0", "K1/L3/H4/I0"});
    const CalibratorState &state = simulation.State();
    QCOMPARE(state.range, 13);
    QCOMPARE(state.frequency, 50.0);
    QCOMPARE(state.output, 0.5);
    QVERIFY(state.outputOn);
    QCOMPARE(state.coldJunctionMode, 1);
    QCOMPARE(state.thermocoupleType, 3);
    QCOMPARE(state.frequencyBand, 4);
    QCOMPARE(state.resistanceMode, 0);
    SendAll(simulation, {"O-12.5", "S1"});
    QCOMPARE(state.output, -12.5);
    QVERIFY(!state.outputOn);
}

void CalibratorSimulationTest::MalformedNumbersLeaveTheStateAlone() {
    CalibratorSimulation simulation;
    SendAll(simulation, {"R8/O10/S0/p17858560"});
    QCOMPARE(simulation.Reply("Rx/Oabc/S7/p-5/pzz/Onan/Oinf/O-inf"), Marker);
    QCOMPARE(simulation.State().range, 8);
    QCOMPARE(simulation.State().output, 10.0);
    QVERIFY(simulation.State().outputOn);
    QCOMPARE(simulation.State().adapterMask, 17858560);
}

void CalibratorSimulationTest::ZeroMaskKeepsTheSwitchedCircuit() {
    CalibratorSimulation simulation;
    SendAll(simulation, {"p17317888", "p0"});
    QCOMPARE(simulation.State().adapterMask, 17317888);
    QCOMPARE(simulation.State().lastMaskCommand, 0);
    QVERIFY(ReadCounts(simulation) != 0);

    // The release sequence switches the measuring circuit away: nothing is measured any more.
    SendAll(simulation, {"p16777216", "p0", "R1/O0/S1/# PC Control"});
    QCOMPARE(simulation.State().adapterMask, 16777216);
    QCOMPARE(ReadCounts(simulation), 0);
}

void CalibratorSimulationTest::ReadingsFollowMasksAndRanges_data() {
    QTest::addColumn<QByteArrayList>("setup");
    QTest::addColumn<double>("expected");      // in the window's unit
    QTest::addColumn<double>("countsPerUnit"); // the window's scale

    const QByteArray preset = "p18874368";
    QTest::newRow("insulation 50V") << QByteArrayList{preset, "p1048583"} << 51.0 << 145508.0;
    QTest::newRow("insulation 100V") << QByteArrayList{preset, "p1048591"} << 102.0 << 72754.0;
    QTest::newRow("insulation 250V") << QByteArrayList{preset, "p1048615"} << 255.0 << 29101.6;
    QTest::newRow("insulation 500V") << QByteArrayList{preset, "p1048687"} << 510.0 << 14550.8;
    QTest::newRow("insulation 1kV") << QByteArrayList{preset, "p1048815"} << 1020.0 << 7275.41;

    QTest::newRow("continuity 1 Ohm")
        << QByteArrayList{"p21028923/#Cont.: 1 Ohm", "p0"} << 200.0 << 10000 / 0.4321;

    const double mA30 = 1 / 3.4133e-6, mV100 = 1 / 1.1e-5, v1 = 1 / 1.1e-7, v30 = 1 / 3.304e-6;
    QTest::newRow("30mA stray") << QByteArrayList{"p17858560", "p0"} << 0.03 << mA30;
    QTest::newRow("100mV stray") << QByteArrayList{"p17326080", "p0"} << 0.1 << mV100;
    QTest::newRow("1V stray") << QByteArrayList{"p17317888", "p0"} << 0.001 << v1;
    QTest::newRow("30V stray") << QByteArrayList{"p17309696", "p0"} << 0.03 << v30;

    QTest::newRow("30mA from 10mA output")
        << QByteArrayList{"R8/O10/S0", "p17858560", "p0"} << 10.0 << mA30;
    QTest::newRow("30mA from 150uA output")
        << QByteArrayList{"R6/O150/S0", "p17858560", "p0"} << 0.15 << mA30;
    QTest::newRow("30mA from 0.02A output")
        << QByteArrayList{"R10/O.02/S0", "p17858560", "p0"} << 20.0 << mA30;
    QTest::newRow("100mV from 50mV output")
        << QByteArrayList{"R1/O50/S0", "p17326080", "p0"} << 50.0 << mV100;
    QTest::newRow("1V from 0.5V output")
        << QByteArrayList{"R2/O.5/S0", "p17317888", "p0"} << 0.5 << v1;
    QTest::newRow("30V from -20V output")
        << QByteArrayList{"R4/O-20/S0", "p17309696", "p0"} << -20.0 << v30;
    QTest::newRow("output in standby")
        << QByteArrayList{"R2/O.5/S1", "p17317888", "p0"} << 0.001 << v1;
    QTest::newRow("current output on a voltage range")
        << QByteArrayList{"R8/O10/S0", "p17317888", "p0"} << 0.001 << v1;
    QTest::newRow("AC output") << QByteArrayList{"R13/F50/O.5/S0", "p17317888", "p0"} << 0.001
                               << v1;
    QTest::newRow("output switched on after the mask")
        << QByteArrayList{"p17317888", "p0", "R2/O.25", "S0"} << 0.25 << v1;
}

void CalibratorSimulationTest::ReadingsFollowMasksAndRanges() {
    QFETCH(QByteArrayList, setup);
    QFETCH(double, expected);
    QFETCH(double, countsPerUnit);
    CalibratorSimulation simulation;
    SendAll(simulation, setup);
    for (int i = 0; i < 5; ++i) {
        const qint64 counts = ReadCounts(simulation);
        QVERIFY2(std::abs(counts - expected * countsPerUnit) <= AdapterMeasurement::NoiseCounts + 1,
                 qPrintable(QString::number(counts)));
        QVERIFY(std::abs(counts) <= 10'000'000);
    }
}

void CalibratorSimulationTest::ReadingsCarrySeededNoise() {
    const QByteArrayList setup{"p17317888", "p0"};
    CalibratorSimulation first;
    CalibratorSimulation second;
    CalibratorSimulation otherSeed({}, AdapterMeasurement::DefaultSeed + 7);
    SendAll(first, setup);
    SendAll(second, setup);
    SendAll(otherSeed, setup);
    QList<qint64> firstReadings, secondReadings, otherReadings;
    for (int i = 0; i < 10; ++i) {
        firstReadings.append(ReadCounts(first));
        secondReadings.append(ReadCounts(second));
        otherReadings.append(ReadCounts(otherSeed));
    }
    QCOMPARE(secondReadings, firstReadings);
    QVERIFY(otherReadings != firstReadings);
    // Polling must show changing values: at least half the neighbours differ.
    int changes = 0;
    for (int i = 1; i < firstReadings.size(); ++i) {
        changes += firstReadings.at(i) != firstReadings.at(i - 1) ? 1 : 0;
    }
    QVERIFY(changes >= 5);
}

void CalibratorSimulationTest::OverdrivenMeterSaturates() {
    CalibratorSimulation simulation;
    SendAll(simulation, {"R5/O1000/S0", "p17326080", "p0"});
    const qint64 overdriven = ReadCounts(simulation);
    QVERIFY(overdriven > 10'000'000);
    QCOMPARE(overdriven, AdapterMeasurement::SaturationCounts);
    SendAll(simulation, {"O-1e300"});
    QCOMPARE(ReadCounts(simulation), -AdapterMeasurement::SaturationCounts);
}

void CalibratorSimulationTest::InsulationTesterWorksInBursts() {
    CalibratorSimulation simulation;
    const QByteArrayList range250{"p18874368", "p1048615"};
    const double onCounts = 255.0 * 29101.6;
    const int tolerance = AdapterMeasurement::NoiseCounts + 1;
    SendAll(simulation, range250);
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (int i = 0; i < AdapterMeasurement::TesterOnReadings; ++i) {
            QVERIFY(std::abs(ReadCounts(simulation) - onCounts) <= tolerance);
        }
        for (int i = 0; i < AdapterMeasurement::TesterOffReadings; ++i) {
            QVERIFY(std::abs(ReadCounts(simulation)) <= tolerance);
        }
    }
    // Selecting a range again starts a new burst at once.
    ReadCounts(simulation);
    SendAll(simulation, {"p18874368", "p1048583"});
    QVERIFY(std::abs(ReadCounts(simulation) - 51.0 * 145508) <= tolerance);
}

void CalibratorSimulationTest::SilentNeverAnswers() {
    SimulationFaults faults;
    faults.silent = true;
    CalibratorSimulation simulation(faults);
    for (const QByteArray line : {"T", "v", "R0/O0/S1/# Computer Control", ""}) {
        QVERIFY(simulation.Reply(line).isEmpty());
    }
    QVERIFY(simulation.State().displayText == " Computer Control");
}

void CalibratorSimulationTest::ShortIdentificationIsAtMostFifty() {
    SimulationFaults faults;
    faults.shortIdentification = true;
    CalibratorSimulation simulation(faults);
    const QByteArray reply = simulation.Reply("T");
    QVERIFY(reply.size() <= 50);
    QVERIFY(reply.size() > Marker.size());
    QVERIFY(reply.endsWith(Marker));
    QCOMPARE(simulation.Reply("R0"), Marker);
}

void CalibratorSimulationTest::GarbageReplacesReplies() {
    SimulationFaults faults;
    faults.garbage = true;
    CalibratorSimulation simulation(faults);
    QByteArrayList replies;
    for (const QByteArray line : {"T", "v", "R0", "S1"}) {
        const QByteArray reply = simulation.Reply(line);
        QVERIFY(reply.size() >= 8 && reply.size() <= 40);
        for (const char character : reply) {
            QVERIFY2(character > ' ' && character < 0x7f, reply.constData());
        }
        replies.append(reply);
    }
    QVERIFY(replies.at(0) != replies.at(1) || replies.at(1) != replies.at(2));
}

void CalibratorSimulationTest::ExtraCharactersFollowTheMarker() {
    SimulationFaults faults;
    faults.extraAfterMarker = true;
    CalibratorSimulation simulation(faults);
    for (const QByteArray line : {"T", "v", "R0"}) {
        const QByteArray reply = simulation.Reply(line);
        QVERIFY(reply.contains(Marker));
        QVERIFY(!reply.endsWith(Marker));
    }
}

QTEST_APPLESS_MAIN(CalibratorSimulationTest)
#include "CalibratorSimulationTest.moc"
