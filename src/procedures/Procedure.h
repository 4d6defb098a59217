#pragma once

#include "functions/terminal/logic/OutputPoint.h"
#include "procedures/Quantity.h"
#include "procedures/Tolerance.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vk220::procedures {

// The function window a test point runs on.
enum class PointFunction {
    InsulationResistance, // the adapter presents a resistance to an insulation tester
    TestVoltage,          // the panel measures an insulation tester's test voltage
    ContinuityResistance, // the adapter presents one of six resistances to a continuity tester
    ContinuityCurrent,    // the panel measures the continuity tester's current on 1 Ω
    Tachometer,           // the calibrator drives a speed for a tachometer
    Thermocouple,         // the calibrator simulates a thermocouple at a temperature
    Measurement,          // the panel measures a UUT's mA or mV output
    Terminal,             // the calibrator's voltage or current, through terminals or a coil
};

// How the result of a point is taken.
enum class ResultMode {
    UutIndicates,  // the technician keys the UUT's reading
    PanelMeasures, // the mean (with σ) of a number of readings the panel polls
};

// What a procedure is and what it applies to.
struct ProcedureHeader {
    QString id;
    QString revision;
    QString title;
    QString make;       // of the UUT
    QStringList models; // of the UUT, each one the procedure applies to
    QString author;
    QDate approved;
};

// One test point: what the panel sets or measures, and what the result must be.
struct TestPoint {
    int line = 0; // where the point starts in its file, 1-based
    PointFunction function = PointFunction::Terminal;
    Quantity nominal;
    Tolerance tolerance;
    std::optional<Quantity> range;      // the UUT's range or full scale, for % of range
    std::optional<Quantity> resolution; // the UUT's display resolution, for digits
    ResultMode result = ResultMode::UutIndicates;
    int readings = 0; // the readings averaged when the panel measures
    QString connection;
    double settleSeconds = 0.0;

    // The panel's setting, as an index into the function's own table: the test-voltage or mA and
    // mV measuring range, the continuity resistance, the thermocouple type.
    int setting = -1;
    bool autoColdJunction = false; // thermocouple: "Auto" rather than manual 0 °C
    terminal::OutputPoint terminals =
        terminal::OutputPoint::None; // terminal: the terminals or coil
    double frequency = 0.0;          // terminal: 0 at DC, otherwise in Hz

    // The limits of the result from the tolerance, the range and the resolution.
    ToleranceLimits Limits() const {
        return tolerance.Limits(nominal.value, range ? range->value : 0.0,
                                resolution ? resolution->value : 0.0);
    }
};

struct Procedure {
    QString file; // the path it was read from
    ProcedureHeader header;
    QList<TestPoint> points;
};

} // namespace vk220::procedures
