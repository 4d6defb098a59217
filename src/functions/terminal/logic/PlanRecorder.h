#pragma once

#include "functions/terminal/logic/InformBox.h"
#include "functions/terminal/logic/PanelPlan.h"
#include "functions/terminal/logic/SetCalibratorOutput.h"

#include <QList>
#include <QString>

namespace vk220::terminal {

// The plan of one window action as PanelPlanner writes it: the state the window will show, and
// the steps that bring it there, each change of a label, a flag or the output recorded as a step
// together with its effect on the state; and the parts every action shares: output on and
// standby, the output routine, the autoset rule. The planning of the actions builds on it.
class PlanRecorder {
public:
    explicit PlanRecorder(const PanelState &state) : before(state), state(state) {}

    PanelPlan Finish() { return {steps, state}; }

    void OutputOn();
    // The OUTPUT ON key: refused while a picked current path waits for ENTER.
    void OutputOnIfSet();
    void Standby();
    // Puts a live output in standby before the adapter is switched or a high voltage is set, so
    // that no terminal is live while it changes.
    void StandbyWhileLive();
    void SetPending(bool pending);
    void SetAutosetChecked(bool checked) { state.autosetChecked = checked; }

protected:
    void Send(const QString &line) { steps << PanelSteps::Send{line}; }
    void SetEntry(const QString &text);
    void SetCalOutput(const QString &text);
    void SetDisplay(const QString &text);
    void SetFrequency(const QString &text);
    // Shows why nothing was set, once the labels show again what is live.
    void Refuse(const InformBox &box);
    void OfferPaths(const QList<int> &enabled, bool reselect);
    // The output routine for the entry at `frequencyArgument`: its commands are sent, or its
    // refusal shown.
    OutputPlan SetOutput(const QString &frequencyArgument);
    // Once an output is set: the autoset box follows it, and the output goes on if the preference
    // is checked and the output is not one held in standby, else in standby.
    void ApplyAutoset();

    // As the window showed it when the action began.
    const PanelState before;
    PanelState state;
    QList<PanelStep> steps;
};

} // namespace vk220::terminal
