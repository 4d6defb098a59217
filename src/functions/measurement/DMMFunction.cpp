#include "functions/measurement/DMMFunction.h"

#include "functions/measurement/DMMForm.h"

namespace vk220::measurement {

const ui::FunctionDescriptor &DMMFunction() {
    static const ui::FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("mA & mV MEASUREMENT"),
        .menuCaption = QStringLiteral("mA & mV Measurement"),
        .title = DMMForm::Title,
        .code = QStringLiteral("DMM"),
        .create = ui::FunctionDescriptor::Create<DMMForm>,
        .polls = true,
    };
    return descriptor;
}

} // namespace vk220::measurement
