#include "InsFunction.h"

#include "InsForm.h"

const FunctionDescriptor &InsFunction() {
    static const FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("INSULATION RESISTANCE & VOLTAGE"),
        .menuCaption = QStringLiteral("Insulation Resistance & Voltage"),
        .title = InsForm::Title,
        .code = QStringLiteral("INS"),
        .create = FunctionDescriptor::Create<InsForm>,
        .polls = true,
    };
    return descriptor;
}
