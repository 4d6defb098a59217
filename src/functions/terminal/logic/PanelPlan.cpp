#include "functions/terminal/logic/PanelPlan.h"

namespace vk220::terminal {

QStringList PanelPlan::Commands() const {
    QStringList commands;
    for (const PanelSteps::Send &send : Of<PanelSteps::Send>())
        commands << send.line;
    return commands;
}

} // namespace vk220::terminal
