#include "FunctionTable.h"

#include "ContForm.h"
#include "DMMForm.h"
#include "FunctionWindow.h"
#include "InsForm.h"
#include "TachoForm.h"
#include "TerminalForm.h"
#include "ThermoForm.h"

namespace FunctionTable {

const std::array<FunctionEntry, Count> &Entries() {
    static const std::array<FunctionEntry, Count> entries{{
        {QStringLiteral("THERMOCOUPLE SIMULATION"), QStringLiteral("Thermocouple Simulation"),
         QStringLiteral("THERMOCOUPLE SIMULATION FUNCTION"), QStringLiteral("THERM"),
         [](FunctionContext &c) -> FunctionWindow * {
             return new ThermoForm(c);
         }},
        {QStringLiteral("TACHOMETER CALIBRATION"), QStringLiteral("Tachometer Calibration"),
         QStringLiteral("TACHOMETER CALIBRATION FUNCTION"), QStringLiteral("TACHO"),
         [](FunctionContext &c) -> FunctionWindow * {
             return new TachoForm(c);
         }},
        {QStringLiteral("INSULATION RESISTANCE & VOLTAGE"),
         QStringLiteral("Insulation Resistance & Voltage"),
         QStringLiteral("INSULATION RESISTANCE & TEST VOLTAGE"), QStringLiteral("INS"),
         [](FunctionContext &c) -> FunctionWindow * {
             return new InsForm(c);
         }},
        {QStringLiteral("CONTINUITY RESISTANCE & CURRENT"),
         QStringLiteral("Continuity Resistance & Current"),
         QStringLiteral("CONTINUITY RESISTANCE & CURRENT"), QStringLiteral("CONT"),
         [](FunctionContext &c) -> FunctionWindow * {
             return new ContForm(c);
         }},
        {QStringLiteral("mA & mV MEASUREMENT"), QStringLiteral("mA & mV Measurement"),
         QStringLiteral("mA & mV MEASUREMENT"), QStringLiteral("DMM"),
         [](FunctionContext &c) -> FunctionWindow * {
             return new DMMForm(c);
         }},
        {QStringLiteral("TERMINAL & COIL SWITCHING"), QStringLiteral("Terminal & Coil Switching"),
         QStringLiteral("TERMINAL / COIL SWITCHING"), QStringLiteral("TERM"),
         [](FunctionContext &c) -> FunctionWindow * {
             return new TerminalForm(c);
         }},
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
