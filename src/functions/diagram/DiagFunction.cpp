#include "DiagFunction.h"

#include "DiagForm.h"

const FunctionDescriptor &DiagFunction() {
    static const FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("VIEW CONNECTION DIAGRAM"),
        .menuCaption = QStringLiteral("View Connection Diagram"),
        .title = DiagForm::Title,
        .code = QStringLiteral("DIAG"),
        .create = FunctionDescriptor::Create<DiagForm>,
        .becomesCurrent = false,
    };
    return descriptor;
}
