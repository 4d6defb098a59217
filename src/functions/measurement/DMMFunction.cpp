#include "DMMFunction.h"

#include "DMMForm.h"

const FunctionDescriptor &DMMFunction() {
    static const FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("mA & mV MEASUREMENT"),
        .menuCaption = QStringLiteral("mA & mV Measurement"),
        .title = DMMForm::Title,
        .code = QStringLiteral("DMM"),
        .create = FunctionDescriptor::Create<DMMForm>,
        .polls = true,
    };
    return descriptor;
}
