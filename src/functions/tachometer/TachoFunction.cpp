#include "functions/tachometer/TachoFunction.h"

#include "functions/tachometer/TachoForm.h"

namespace vk220::tachometer {

const ui::FunctionDescriptor &TachoFunction() {
    static const ui::FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("TACHOMETER CALIBRATION"),
        .menuCaption = QStringLiteral("Tachometer Calibration"),
        .title = TachoForm::Title,
        .code = QStringLiteral("TACHO"),
        .create = ui::FunctionDescriptor::Create<TachoForm>,
    };
    return descriptor;
}

} // namespace vk220::tachometer
