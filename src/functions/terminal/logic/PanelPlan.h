#pragma once

#include "functions/terminal/logic/PanelState.h"
#include "functions/terminal/logic/PanelStep.h"

#include <QList>
#include <QStringList>

namespace vk220::terminal {

// The steps of one window action, in order, and the state the window shows once it has carried
// them out.
struct PanelPlan {
    QList<PanelStep> steps;
    PanelState after;

    // The command lines of the Send steps, in order.
    QStringList Commands() const;

    // The steps of one kind, in order.
    template <typename Step> QList<Step> Of() const {
        QList<Step> found;
        for (const PanelStep &step : steps) {
            if (const Step *match = std::get_if<Step>(&step))
                found << *match;
        }
        return found;
    }
};

} // namespace vk220::terminal
