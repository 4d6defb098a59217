#include "functions/continuity/ContFunction.h"

#include "functions/continuity/ContForm.h"

namespace vk220::continuity {

const ui::FunctionDescriptor &ContFunction() {
    static const ui::FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("CONTINUITY RESISTANCE & CURRENT"),
        .menuCaption = QStringLiteral("Continuity Resistance & Current"),
        .title = ContForm::Title,
        .code = QStringLiteral("CONT"),
        .create = ui::FunctionDescriptor::Create<ContForm>,
        .polls = true,
    };
    return descriptor;
}

} // namespace vk220::continuity
