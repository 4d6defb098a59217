#include "app/FunctionTable.h"

#include "functions/continuity/ContFunction.h"
#include "functions/diagram/DiagFunction.h"
#include "functions/insulation/InsFunction.h"
#include "functions/measurement/DMMFunction.h"
#include "functions/tachometer/TachoFunction.h"
#include "functions/terminal/widgets/TerminalFunction.h"
#include "functions/thermocouple/ThermoFunction.h"
#include "runner/RunnerFunction.h"

namespace vk220::app {

namespace FunctionTable {
namespace {

// A function the adapter does not offer: its row keeps its place, with no window.
const ui::FunctionDescriptor &EnvironmentalFunction() {
    static const ui::FunctionDescriptor descriptor{
        .buttonCaption = QStringLiteral("ENVIRONMENTAL MEASUREMENT"),
        .menuCaption = QStringLiteral("Environmental Measurement"),
        .title = QString(),
        .code = QStringLiteral("ENV"),
        .hidden = true,
    };
    return descriptor;
}

} // namespace

const QList<const ui::FunctionDescriptor *> &Entries() {
    // One line a row, in the order of the buttons: a function comes or goes with one line.
    // clang-format off
    static const QList<const ui::FunctionDescriptor *> entries{
        &thermocouple::ThermoFunction(),
        &tachometer::TachoFunction(),
        &insulation::InsFunction(),
        &continuity::ContFunction(),
        &measurement::DMMFunction(),
        &terminal::TerminalFunction(),
        &diagram::DiagFunction(),
        &runner::RunnerFunction(),
        &EnvironmentalFunction(),
    };
    // clang-format on
    return entries;
}

int IndexOf(const QString &code) {
    const QList<const ui::FunctionDescriptor *> &entries = Entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i]->code == code)
            return i;
    }
    return -1;
}

} // namespace FunctionTable

} // namespace vk220::app
