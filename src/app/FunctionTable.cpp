#include "FunctionTable.h"

#include "ContFunction.h"
#include "DMMFunction.h"
#include "DiagFunction.h"
#include "InsFunction.h"
#include "TachoFunction.h"
#include "TerminalFunction.h"
#include "ThermoFunction.h"

namespace FunctionTable {
namespace {

// A function the adapter does not offer: its row keeps its place, with no window.
const FunctionDescriptor &EnvironmentalFunction() {
    static const FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("ENVIRONMENTAL MEASUREMENT"),
        .menuCaption = QStringLiteral("Environmental Measurement"),
        .title = QString(),
        .code = QStringLiteral("ENV"),
        .hidden = true,
    };
    return descriptor;
}

} // namespace

const QList<const FunctionDescriptor *> &Entries() {
    // One line a row, in the order of the buttons: a function comes or goes with one line.
    // clang-format off
    static const QList<const FunctionDescriptor *> entries{
        &ThermoFunction(),
        &TachoFunction(),
        &InsFunction(),
        &ContFunction(),
        &DMMFunction(),
        &TerminalFunction(),
        &DiagFunction(),
        &EnvironmentalFunction(),
    };
    // clang-format on
    return entries;
}

int IndexOf(const QString &code) {
    const QList<const FunctionDescriptor *> &entries = Entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i]->code == code)
            return i;
    }
    return -1;
}

} // namespace FunctionTable
