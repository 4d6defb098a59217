#include "PanelPlan.h"

QStringList PanelPlan::Commands() const {
    QStringList commands;
    for (const PanelSteps::Send &send : Of<PanelSteps::Send>())
        commands << send.line;
    return commands;
}
