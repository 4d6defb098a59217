#include "ThermoFunction.h"

#include "ThermoForm.h"

const FunctionDescriptor &ThermoFunction() {
    static const FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("THERMOCOUPLE SIMULATION"),
        .menuCaption = QStringLiteral("Thermocouple Simulation"),
        .title = ThermoForm::Title,
        .code = QStringLiteral("THERM"),
        .create = FunctionDescriptor::Create<ThermoForm>,
    };
    return descriptor;
}
