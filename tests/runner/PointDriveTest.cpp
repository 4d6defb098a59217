// The lines the runner sends for each kind of point, from the function folders' own logic: a
// function's opening lines once, its setting for every point, and the terminal window's planner
// with the output left in standby for the technician's press above 30 V and through a coil.
#include "runner/PointDrive.h"
#include "procedures/ProcedureReader.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vk220::runner;
using vk220::procedures::TestPoint;

namespace {

const char *const Points = R"(
id: P-1
revision: A
title: Every kind of point
uut: {make: Maker, models: [M1]}
author: A. Author
approved: 2026-01-01
points:
  - {function: thermocouple, type: K, cold junction: auto, nominal: 100 °C, tolerance: ±1 °C, settle: 0 s, connect: c, result: UUT indicates}
  - {function: thermocouple, type: J, cold junction: manual, nominal: -12.5 °C, tolerance: ±1 °C, settle: 0 s, connect: c, result: UUT indicates}
  - {function: tachometer, nominal: 1200 RPM, tolerance: ±1 RPM, settle: 0 s, connect: c, result: UUT indicates}
  - {function: insulation resistance, nominal: 100 MΩ, tolerance: ±2 % of reading, settle: 0 s, connect: c, result: UUT indicates}
  - {function: insulation resistance, nominal: 1.5 GΩ, tolerance: ±2 % of reading, settle: 0 s, connect: c, result: UUT indicates}
  - {function: test voltage, nominal: 500 V, tolerance: ±5 %, result: panel measures, readings: 3, settle: 0 s, connect: c}
  - {function: continuity resistance, nominal: 10 Ω, tolerance: ±0.1 Ω, settle: 0 s, connect: c, result: UUT indicates}
  - {function: continuity current, nominal: 200 mA, tolerance: ±10 %, result: panel measures, readings: 3, settle: 0 s, connect: c}
  - {function: measurement, nominal: 20 mA, tolerance: ±0.1 % of range, range: 20 mA, result: panel measures, readings: 3, settle: 0 s, connect: c}
  - {function: terminal, terminals: VOLTAGE, nominal: 10 V, tolerance: ±0.01 V, settle: 0 s, connect: c, result: UUT indicates}
  - {function: terminal, terminals: VOLTAGE, nominal: 100 V, frequency: 50 Hz, tolerance: ±1 V, settle: 0 s, connect: c, result: UUT indicates}
  - {function: terminal, terminals: 10 TURN COIL, nominal: 100 A, frequency: 50 Hz, tolerance: ±1 A, settle: 0 s, connect: c, result: UUT indicates}
)";

QStringList Lines(const QList<DriveStep> &steps) {
    QStringList lines;
    for (const DriveStep &step : steps) {
        lines << step.line;
        if (step.kind == DriveStep::Kind::Mask)
            lines << QStringLiteral("p0");
    }
    return lines;
}

} // namespace

class PointDriveTest : public QObject {
    Q_OBJECT

private slots:
    void EveryKindOfPoint();
};

void PointDriveTest::EveryKindOfPoint() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("points.yaml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Points);
    file.close();
    const vk220::procedures::ProcedureLoad load = vk220::procedures::LoadProcedure(path);
    QVERIFY2(load.procedure, qPrintable(load.problem));
    // Per point: the lines that set it, then those of the press for a point that needs one.
    const QList<QPair<QStringList, QStringList>> expected{
        {{"p25206784", "p0", "R60/S0", "K1/L1/O100"}, {}},
        {{"K0/L2/O-12.5"}, {}},
        {{"p16777344", "p0", "R64", "F1200", "S0"}, {}},
        {{"#Insulation Res.", "p18874368", "p1114112"}, {}},
        {{"p18874368", "p458752"}, {}},
        {{"p18874368", "p1048687", "#Ins.: 500V Range"}, {}},
        {{"p20971581/#Cont.: 10 Ohms", "p0"}, {}},
        {{"p21028923/#Cont.: 1 Ohm", "p0"}, {}},
        {{"p17858560", "p0", "#Measure : 20mA"}, {}},
        {{"p17039360", "#Volts Terminals", "p0", "R1", "O0", "S0", "R3", "O10", "S0"}, {}},
        {{"S1", "R4", "O100", "S1", "R15", "F50", "O100", "S1"}, {"S0"}},
        {{"S1", "p16777728", "#10 Turn Coil", "p0", "R22", "F50", "O0", "S1", "#0.0000A (x10)",
          "F50", "O10", "S1", "#100.0000A (x10)", "F50", "O10", "S1", "#100.0000A (x10)"},
         {"S0"}},
    };
    const QList<TestPoint> &points = load.procedure->points;
    QCOMPARE(points.size(), expected.size());
    PointDrive drive;
    for (int i = 0; i < points.size(); ++i) {
        QCOMPARE(Lines(drive.Set(points[i])), expected[i].first);
        QCOMPARE(PointDrive::NeedsPress(points[i]), !expected[i].second.isEmpty());
        if (PointDrive::NeedsPress(points[i]))
            QCOMPARE(Lines(drive.OutputOn()), expected[i].second);
    }
    // A terminal point after another function's switches the adapter back to its terminals.
    drive.Set(points[8]);
    QCOMPARE(Lines(drive.Set(points[9])), expected[9].first);
    // After a release the next point opens its function again.
    drive.Reset();
    QCOMPARE(Lines(drive.Set(points[1])),
             QStringList({"p25206784", "p0", "R60/S0", "K0/L2/O-12.5"}));

    // The panel's readings in the point's base unit; nothing over range.
    QCOMPARE(PointDrive::Measured(points[7], 10000.0), 0.0004321);
    QVERIFY(qFuzzyCompare(*PointDrive::Measured(points[5], 7275400.0), 7275400.0 / 14550.8));
    QVERIFY(!PointDrive::Measured(points[8], 2e7));
    QVERIFY(!PointDrive::Measured(points[0], 100.0));
}

QTEST_GUILESS_MAIN(PointDriveTest)
#include "PointDriveTest.moc"
