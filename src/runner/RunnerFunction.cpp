#include "runner/RunnerFunction.h"

#include "runner/RunnerForm.h"

namespace vk220::runner {

const ui::FunctionDescriptor &RunnerFunction() {
    static const ui::FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("PROCEDURES"),
        .menuCaption = QStringLiteral("Procedures"),
        .title = RunnerForm::Title,
        .code = QStringLiteral("PROC"),
        .create = ui::FunctionDescriptor::Create<RunnerForm>,
        .polls = true,
    };
    return descriptor;
}

} // namespace vk220::runner
