#include "FunctionTable.h"

namespace FunctionTable {

const std::array<FunctionEntry, Count> &Entries() {
    static const std::array<FunctionEntry, Count> entries{{
        {QStringLiteral("THERMOCOUPLE SIMULATION"),
         QStringLiteral("Thermocouple Simulation"),
         QStringLiteral("THERMOCOUPLE SIMULATION FUNCTION"),
         QStringLiteral("THERM"),
         {}},
        {QStringLiteral("TACHOMETER CALIBRATION"),
         QStringLiteral("Tachometer Calibration"),
         QStringLiteral("TACHOMETER CALIBRATION FUNCTION"),
         QStringLiteral("TACHO"),
         {}},
        {QStringLiteral("INSULATION RESISTANCE & VOLTAGE"),
         QStringLiteral("Insulation Resistance & Voltage"),
         QStringLiteral("INSULATION RESISTANCE & TEST VOLTAGE"),
         QStringLiteral("INS"),
         {}},
        {QStringLiteral("CONTINUITY RESISTANCE & CURRENT"),
         QStringLiteral("Continuity Resistance & Current"),
         QStringLiteral("CONTINUITY RESISTANCE & CURRENT"),
         QStringLiteral("CONT"),
         {}},
        {QStringLiteral("mA & mV MEASUREMENT"),
         QStringLiteral("mA & mV Measurement"),
         QStringLiteral("mA & mV MEASUREMENT"),
         QStringLiteral("DMM"),
         {}},
        {QStringLiteral("TERMINAL & COIL SWITCHING"),
         QStringLiteral("Terminal & Coil Switching"),
         QStringLiteral("TERMINAL / COIL SWITCHING"),
         QStringLiteral("TERM"),
         {}},
        {QStringLiteral("VIEW CONNECTION DIAGRAM"),
         QStringLiteral("View Connection Diagram"),
         QStringLiteral("VK220 WORKSTATION CONNECTION DIAGRAM"),
         QString(),
         {}},
        {QStringLiteral("ENVIRONMENTAL MEASUREMENT"),
         QStringLiteral("Environmental Measurement"),
         QString(),
         QString(),
         {}},
    }};
    return entries;
}

} // namespace FunctionTable
