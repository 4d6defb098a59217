#include "functions/terminal/logic/PlanRecorder.h"

#include "functions/terminal/logic/Autoset.h"
#include "functions/terminal/logic/CurrentPaths.h"
#include "functions/terminal/logic/OutputPoint.h"
#include "functions/terminal/logic/PanelPlanner.h"
#include "functions/terminal/logic/SetCalibratorOutput.h"

namespace vk220::terminal {

using namespace PanelSteps;

void PlanRecorder::OutputOn() {
    Send(QStringLiteral("S0"));
    state.outputOn = true;
    steps << ShowOutputOn{true};
}

void PlanRecorder::OutputOnIfSet() {
    if (state.outputUnset)
        steps << PanelPlanner::OutputUnsetBox;
    else
        OutputOn();
}

void PlanRecorder::Standby() {
    Send(QStringLiteral("S1"));
    state.outputOn = false;
    steps << ShowOutputOn{false};
}

void PlanRecorder::StandbyWhileLive() {
    if (state.outputOn)
        Standby();
}

void PlanRecorder::SetPending(bool pending) {
    state.coilSelectPending = pending;
    steps << SetCoilSelectPending{pending};
}

void PlanRecorder::SetEntry(const QString &text) {
    state.entry = text;
    steps << PanelSteps::SetEntry{text};
}

void PlanRecorder::SetCalOutput(const QString &text) {
    state.calOutput = text;
    steps << PanelSteps::SetCalOutput{text};
}

void PlanRecorder::SetDisplay(const QString &text) {
    state.display = text;
    steps << PanelSteps::SetDisplay{text};
}

void PlanRecorder::SetFrequency(const QString &text) {
    state.frequency = text;
    steps << PanelSteps::SetFrequency{text};
}

void PlanRecorder::Refuse(const InformBox &box) {
    // A refused action leaves no label it changed on the way (a picked frequency, what the
    // calibrator would deliver) naming an output that is not live. The readout changes only once
    // an output is set.
    if (state.frequency != before.frequency)
        SetFrequency(before.frequency);
    if (state.calOutput != before.calOutput)
        SetCalOutput(before.calOutput);
    steps << box;
}

void PlanRecorder::OfferPaths(const QList<int> &enabled, bool reselect) {
    state.enabledPaths = enabled;
    // The coil row keeps its look; TERMINALS (to 30A) loses its own when the paths are offered
    // again, or when it is disabled.
    if (!OutputPoints::IsCoil(state.selected) &&
        (reselect || !enabled.contains(CurrentPaths::TerminalsPath)))
        state.currentPathInUse = false;
    steps << OfferCurrentPaths{enabled, reselect};
}

OutputPlan PlanRecorder::SetOutput(const QString &frequencyArgument) {
    steps << SetEnterBold{true};
    const OutputPlan output =
        SetCalibratorOutput({state.entry, frequencyArgument, OutputPoints::IsCoil(state.selected)},
                            state.lastRangeCommand);
    if (!output.accepted) {
        Refuse(output.refusal);
        return output;
    }
    state.outputUnset = false;
    state.outputValue = output.OutputValue;
    // A high voltage, or an output the readout cannot show, is set in standby: otherwise it is
    // live until the autoset rule's "S1" one exchange later.
    if (Autoset::HeldInStandby(state.selected == OutputPoint::Voltage, state.entry))
        StandbyWhileLive();
    for (const QString &command : output.commands)
        Send(command);
    steps << SetEnterBold{false};
    return output;
}

void PlanRecorder::ApplyAutoset() {
    const bool highVoltage =
        Autoset::IsHighVoltage(state.selected == OutputPoint::Voltage, state.entry);
    steps << SetAutosetBox{!highVoltage, Autoset::Caption(highVoltage)};
    if (state.autosetChecked &&
        !Autoset::HeldInStandby(state.selected == OutputPoint::Voltage, state.entry))
        OutputOn();
    else
        Standby();
}

} // namespace vk220::terminal
