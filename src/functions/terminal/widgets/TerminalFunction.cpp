#include "TerminalFunction.h"

#include "TerminalForm.h"

const FunctionDescriptor &TerminalFunction() {
    static const FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("TERMINAL & COIL SWITCHING"),
        .menuCaption = QStringLiteral("Terminal & Coil Switching"),
        .title = TerminalForm::Title,
        .code = QStringLiteral("TERM"),
        .create = FunctionDescriptor::Create<TerminalForm>,
    };
    return descriptor;
}
