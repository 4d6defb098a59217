#include "procedures/ProcedureReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::procedures;
using vk220::terminal::OutputPoint;

namespace {

// Nine lines of header; the first point starts on line 10.
const QString Header = QStringLiteral("id: PROC-1\n"
                                      "revision: A\n"
                                      "title: A test procedure\n"
                                      "uut:\n"
                                      "  make: Maker\n"
                                      "  models: [M-1, M-2]\n"
                                      "author: Someone\n"
                                      "approved: 2026-12-01\n"
                                      "points:\n");

// A point of `function` with `lines` (its own keys) and the keys every point needs.
QString Point(const QString &function, const QString &lines,
              const QString &result = QStringLiteral("UUT indicates")) {
    return QStringLiteral("  - function: %1\n%2    result: %3\n    connect: c\n    settle: 1 s\n")
        .arg(function, lines, result);
}

QString Measured(const QString &function, const QString &lines) {
    return Point(function, lines + QStringLiteral("    readings: 5\n"),
                 QStringLiteral("panel measures"));
}

} // namespace

class ProcedureReaderTest : public QObject {
    Q_OBJECT

private slots:
    void badFiles_data();
    void badFiles();
    void model();

private:
    QString Write(const QString &text);
    QTemporaryDir folder;
};

QString ProcedureReaderTest::Write(const QString &text) {
    const QString path = folder.filePath(QStringLiteral("x.yaml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text.toUtf8());
    return path;
}

// Each fault gives one message: the file, the line, the column and what is wrong.
void ProcedureReaderTest::badFiles_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString tol = QStringLiteral("    tolerance: 1 V\n");
    QTest::newRow("not YAML") << "id: [PROC-1\n"
                              << ":2:1: not valid YAML: end of sequence flow not found";
    QTest::newRow("empty file") << ""
                                << ":1:1: the file holds no procedure";
    QTest::newRow("header key missing")
        << QString(Header).remove(QStringLiteral("author: Someone\n")) + Point("tachometer", "")
        << ":1:1: the procedure has no \"author\"";
    QTest::newRow("approval date")
        << QString(Header).replace(QStringLiteral("2026-12-01"), QStringLiteral("1.12.2026"))
        << ":8:11: the approval date \"1.12.2026\" is not a date written as 2026-12-10";
    QTest::newRow("no points") << Header << ":9:1: \"points\" must be a list of one or more points";
    QTest::newRow("unknown function") << Header + Point("dielectric", "")
                                      << ":10:15: point 1: unknown function \"dielectric\" "
                                         "(known: insulation resistance, test voltage, "
                                         "continuity resistance, continuity current, "
                                         "tachometer, thermocouple, measurement, terminal)";
    QTest::newRow("column in characters")
        << Header + "  - {function: continuity resistance, nominal: 10 Ω, tolerence: 1 Ω}\n"
        << ":10:54: point 1: unknown key \"tolerence\" (known: function, nominal, tolerance, "
           "range, resolution, result, readings, connect, settle)";
    QTest::newRow("key of another function")
        << Header + Point("tachometer", "    nominal: 600 RPM\n    frequency: 50 Hz\n")
        << ":12:5: point 1: unknown key \"frequency\" (known: function, nominal, tolerance, "
           "range, resolution, result, readings, connect, settle)";
    QTest::newRow("unknown unit") << Header + Point("tachometer", "    nominal: 100 xRPM\n")
                                  << ":11:14: point 1: the unit \"xRPM\" of \"100 xRPM\" is not "
                                     "known (V, A, Ω, RPM, °C, Hz, s, with an optional SI prefix)";
    QTest::newRow("unit of another function")
        << Header + Point("tachometer", "    nominal: 100 V\n" + tol)
        << ":11:14: point 1: the nominal of a tachometer point is in RPM, not V";
    QTest::newRow("no tolerance") << Header + Point("tachometer", "    nominal: 600 RPM\n")
                                  << ":10:5: point 1 has no \"tolerance\"";
    QTest::newRow("tolerance term")
        << Header + Point("tachometer", "    nominal: 600 RPM\n    tolerance: ±(2 % of span)\n")
        << ":12:16: point 1: the tolerance term \"2 % of span\" is neither % of reading nor % of "
           "range";
    QTest::newRow("tolerance unit")
        << Header + Point("tachometer", "    nominal: 600 RPM\n    tolerance: ±(1 % + 2 V)\n")
        << ":12:16: point 1: the tolerance term \"2 V\" is not in RPM, the nominal's unit";
    QTest::newRow("% of range without range")
        << Header + Point("tachometer", "    nominal: 600 RPM\n    tolerance: 1 % FS\n")
        << ":12:16: point 1: a % of range needs the UUT's \"range\"";
    QTest::newRow("result mode")
        << Header + Point("test voltage", "    nominal: 500 V\n" + tol)
        << ":13:13: point 1: the result of a test voltage point is \"panel measures\", not "
           "\"UUT indicates\"";
    QTest::newRow("readings")
        << Header + Point("test voltage", "    nominal: 500 V\n" + tol + "    readings: 1\n",
                          "panel measures")
        << ":13:15: point 1: \"readings\" must be a whole number from 2 to 1000";
    QTest::newRow("test voltage")
        << Header + Measured("test voltage", "    nominal: 2000 V\n" + tol)
        << ":11:14: point 1: test voltage 2000 V is above the highest range (1000 V)";
    QTest::newRow("insulation resistance")
        << Header + Point("insulation resistance", "    nominal: 2.5 GΩ\n    tolerance: 1 MΩ\n")
        << ":11:14: point 1: insulation resistance 2.5 GΩ is above the highest setting "
           "(1999.99 MΩ)";
    QTest::newRow("insulation resistance step")
        << Header + Point("insulation resistance", "    nominal: 1.234 MΩ\n    tolerance: 1 %\n")
        << ":11:14: point 1: insulation resistance 1.234 MΩ is not a setting: the resistance "
           "steps by 0.01 MΩ";
    QTest::newRow("continuity resistance")
        << Header + Point("continuity resistance", "    nominal: 5 Ω\n    tolerance: 1 %\n")
        << ":11:14: point 1: continuity resistance 5 Ω is not one of the panel's settings "
           "(1 Ω, 10 Ω, 19 Ω, 100 Ω, 190 Ω, 1000 Ω)";
    QTest::newRow("continuity current")
        << Header + Measured("continuity current", "    nominal: 500 mA\n    tolerance: 1 %\n")
        << ":11:14: point 1: continuity current 500 mA is above what the panel reads (432.1 mA)";
    QTest::newRow("speed")
        << Header + Point("tachometer", "    nominal: 70 kRPM\n    tolerance: 1 %\n")
        << ":11:14: point 1: speed 70 kRPM is outside the panel's 60 to 60000 RPM";
    QTest::newRow("speed step")
        << Header + Point("tachometer", "    nominal: 1234 RPM\n    tolerance: 1 %\n")
        << ":11:14: point 1: speed 1234 RPM is not a setting: the panel sets 1230 RPM (it steps "
           "by 6 RPM)";
    const QString thermo = QStringLiteral("    type: K\n    cold junction: auto\n");
    QTest::newRow("thermocouple")
        << Header + Point("thermocouple", thermo + "    nominal: 1400 °C\n    tolerance: 1 °C\n")
        << ":13:14: point 1: TYPE K: 1400 °C is outside -140 °C to 1340 °C";
    QTest::newRow("thermocouple type")
        << Header + Point("thermocouple", "    type: Q\n    cold junction: auto\n"
                                          "    nominal: 100 °C\n    tolerance: 1 °C\n")
        << ":11:11: point 1: the panel simulates thermocouple types K, J, B, E, N, R, S, T only";
    QTest::newRow("measurement")
        << Header + Measured("measurement", "    nominal: 40 V\n" + tol)
        << ":11:14: point 1: measurement 40 V is above the highest range (30 V)";
    QTest::newRow("coil limit")
        << Header + Point("terminal", "    nominal: 100 A\n    terminals: 2 turn coil\n"
                                      "    tolerance: 1 A\n")
        << ":11:14: point 1: 100 A through the 2 TURN COIL is above its limit (60 A)";
    QTest::newRow("voltage range")
        << Header + Point("terminal", "    nominal: 1.1 kV\n    terminals: VOLTAGE\n" + tol)
        << ":11:14: point 1: terminal output 1.1 kV is above the highest range (below 1020 V)";
    QTest::newRow("terminals the panel does not choose")
        << Header + Point("terminal", "    nominal: 5 A\n    terminals: LOW CURRENT\n"
                                      "    tolerance: 1 A\n")
        << ":12:16: point 1: the panel sets 5 A on HIGH CURRENT, not on LOW CURRENT";
    QTest::newRow("frequency")
        << Header + Point("terminal", "    nominal: 1 V\n    frequency: 5 Hz\n"
                                      "    terminals: VOLTAGE\n" +
                                          tol)
        << ":12:16: point 1: frequency 5 Hz is outside the panel's 10 Hz to 100000 Hz";
}

void ProcedureReaderTest::badFiles() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    const QString path = Write(text);
    const ProcedureLoad load = LoadProcedure(path);
    QVERIFY(!load.procedure);
    QCOMPARE(load.problem, path + message);
}

// A valid file as the model holds it.
void ProcedureReaderTest::model() {
    const QString path = Write(
        Header +
        Point("terminal", "    nominal: 50 A\n    frequency: 60 Hz\n    terminals: 2 TURN COIL\n"
                          "    tolerance: ±(2 % of reading + 5 digits)\n"
                          "    resolution: 0.1 A\n") +
        Measured("measurement", "    nominal: 4 mA\n    tolerance: 0.1 % of range\n"
                                "    range: 20 mA\n") +
        Point("thermocouple", "    type: J\n    cold junction: manual\n"
                              "    nominal: -50 °C\n    tolerance: 0.5 °C\n"));
    const ProcedureLoad load = LoadProcedure(path);
    QVERIFY2(load.procedure, qPrintable(load.problem));
    const Procedure &procedure = *load.procedure;
    QCOMPARE(procedure.file, path);
    QCOMPARE(procedure.header.id, QStringLiteral("PROC-1"));
    QCOMPARE(procedure.header.revision, QStringLiteral("A"));
    QCOMPARE(procedure.header.title, QStringLiteral("A test procedure"));
    QCOMPARE(procedure.header.make, QStringLiteral("Maker"));
    QCOMPARE(procedure.header.models, (QStringList{"M-1", "M-2"}));
    QCOMPARE(procedure.header.author, QStringLiteral("Someone"));
    QCOMPARE(procedure.header.approved, QDate(2026, 12, 1));
    QCOMPARE(procedure.points.size(), 3);

    const TestPoint &coil = procedure.points.at(0);
    QCOMPARE(coil.line, 10);
    QCOMPARE(coil.function, PointFunction::Terminal);
    QCOMPARE(coil.nominal.value, 50.0);
    QCOMPARE(coil.nominal.unit, QStringLiteral("A"));
    QCOMPARE(coil.terminals, OutputPoint::Coil2);
    QCOMPARE(coil.frequency, 60.0);
    QCOMPARE(coil.result, ResultMode::UutIndicates);
    QCOMPARE(coil.connection, QStringLiteral("c"));
    QCOMPARE(coil.settleSeconds, 1.0);
    QCOMPARE(coil.Limits().low, 48.5);
    QCOMPARE(coil.Limits().high, 51.5);

    const TestPoint &loop = procedure.points.at(1);
    QCOMPARE(loop.function, PointFunction::Measurement);
    QCOMPARE(loop.result, ResultMode::PanelMeasures);
    QCOMPARE(loop.readings, 5);
    QCOMPARE(loop.setting, 0); // the 30mA range
    QCOMPARE(loop.Limits().low, 0.00398);
    QCOMPARE(loop.Limits().high, 0.00402);

    const TestPoint &thermocouple = procedure.points.at(2);
    QCOMPARE(thermocouple.setting, 1); // type J
    QVERIFY(!thermocouple.autoColdJunction);
    QCOMPARE(thermocouple.Limits().low, -50.5);
}

QTEST_GUILESS_MAIN(ProcedureReaderTest)
#include "ProcedureReaderTest.moc"
