#include "FunctionTable.h"

#include "ContForm.h"
#include "DMMForm.h"
#include "DiagForm.h"
#include "FunctionContext.h"
#include "InsForm.h"
#include "TachoForm.h"
#include "TerminalForm.h"
#include "ThermoForm.h"

namespace FunctionTable {
namespace {

template <typename Form> QWidget *Create(FunctionContext &context) {
    return new Form(context);
}

} // namespace

const std::array<FunctionEntry, Count> &Entries() {
    static const std::array<FunctionEntry, Count> entries{{
        {QStringLiteral("THERMOCOUPLE SIMULATION"), QStringLiteral("Thermocouple Simulation"),
         ThermoForm::Title, QStringLiteral("THERM"), false, Create<ThermoForm>},
        {QStringLiteral("TACHOMETER CALIBRATION"), QStringLiteral("Tachometer Calibration"),
         TachoForm::Title, QStringLiteral("TACHO"), false, Create<TachoForm>},
        {QStringLiteral("INSULATION RESISTANCE & VOLTAGE"),
         QStringLiteral("Insulation Resistance & Voltage"), InsForm::Title, QStringLiteral("INS"),
         false, Create<InsForm>},
        {QStringLiteral("CONTINUITY RESISTANCE & CURRENT"),
         QStringLiteral("Continuity Resistance & Current"), ContForm::Title, QStringLiteral("CONT"),
         false, Create<ContForm>},
        {QStringLiteral("mA & mV MEASUREMENT"), QStringLiteral("mA & mV Measurement"),
         DMMForm::Title, QStringLiteral("DMM"), false, Create<DMMForm>},
        {QStringLiteral("TERMINAL & COIL SWITCHING"), QStringLiteral("Terminal & Coil Switching"),
         TerminalForm::Title, QStringLiteral("TERM"), false, Create<TerminalForm>},
        {QStringLiteral("VIEW CONNECTION DIAGRAM"), QStringLiteral("View Connection Diagram"),
         DiagForm::Title, QString(), false,
         [](FunctionContext &context) -> QWidget * {
             return new DiagForm(context.host);
         }},
        {QStringLiteral("ENVIRONMENTAL MEASUREMENT"),
         QStringLiteral("Environmental Measurement"),
         QString(),
         QString(),
         true,
         {}},
    }};
    return entries;
}

} // namespace FunctionTable
