#include "TachoFunction.h"

#include "TachoForm.h"

const FunctionDescriptor &TachoFunction() {
    static const FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("TACHOMETER CALIBRATION"),
        .menuCaption = QStringLiteral("Tachometer Calibration"),
        .title = TachoForm::Title,
        .code = QStringLiteral("TACHO"),
        .create = FunctionDescriptor::Create<TachoForm>,
    };
    return descriptor;
}
