#include "ContFunction.h"

#include "ContForm.h"

const FunctionDescriptor &ContFunction() {
    static const FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("CONTINUITY RESISTANCE & CURRENT"),
        .menuCaption = QStringLiteral("Continuity Resistance & Current"),
        .title = ContForm::Title,
        .code = QStringLiteral("CONT"),
        .create = FunctionDescriptor::Create<ContForm>,
        .polls = true,
    };
    return descriptor;
}
