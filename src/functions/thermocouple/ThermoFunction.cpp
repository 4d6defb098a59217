#include "functions/thermocouple/ThermoFunction.h"

#include "functions/thermocouple/ThermoForm.h"

namespace vk220::thermocouple {

const ui::FunctionDescriptor &ThermoFunction() {
    static const ui::FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("THERMOCOUPLE SIMULATION"),
        .menuCaption = QStringLiteral("Thermocouple Simulation"),
        .title = ThermoForm::Title,
        .code = QStringLiteral("THERM"),
        .create = ui::FunctionDescriptor::Create<ThermoForm>,
    };
    return descriptor;
}

} // namespace vk220::thermocouple
