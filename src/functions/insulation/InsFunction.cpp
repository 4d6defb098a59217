#include "functions/insulation/InsFunction.h"

#include "functions/insulation/InsForm.h"

namespace vk220::insulation {

const ui::FunctionDescriptor &InsFunction() {
    static const ui::FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("INSULATION RESISTANCE & VOLTAGE"),
        .menuCaption = QStringLiteral("Insulation Resistance & Voltage"),
        .title = InsForm::Title,
        .code = QStringLiteral("INS"),
        .create = ui::FunctionDescriptor::Create<InsForm>,
        .polls = true,
    };
    return descriptor;
}

} // namespace vk220::insulation
