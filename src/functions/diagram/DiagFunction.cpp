#include "functions/diagram/DiagFunction.h"

#include "functions/diagram/DiagForm.h"

namespace vk220::diagram {

const ui::FunctionDescriptor &DiagFunction() {
    static const ui::FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("VIEW CONNECTION DIAGRAM"),
        .menuCaption = QStringLiteral("View Connection Diagram"),
        .title = DiagForm::Title,
        .code = QStringLiteral("DIAG"),
        .create = ui::FunctionDescriptor::Create<DiagForm>,
        .becomesCurrent = false,
    };
    return descriptor;
}

} // namespace vk220::diagram
