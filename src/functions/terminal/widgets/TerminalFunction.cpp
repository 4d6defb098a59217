#include "functions/terminal/widgets/TerminalFunction.h"

#include "functions/terminal/widgets/TerminalForm.h"

namespace vk220::terminal {

const ui::FunctionDescriptor &TerminalFunction() {
    static const ui::FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("TERMINAL & COIL SWITCHING"),
        .menuCaption = QStringLiteral("Terminal & Coil Switching"),
        .title = TerminalForm::Title,
        .code = QStringLiteral("TERM"),
        .create = ui::FunctionDescriptor::Create<TerminalForm>,
    };
    return descriptor;
}

} // namespace vk220::terminal
