#include "functions/terminal/logic/PanelPlanner.h"

#include "functions/terminal/logic/Autoset.h"
#include "functions/terminal/logic/CoilRules.h"
#include "functions/terminal/logic/ConVal.h"
#include "functions/terminal/logic/CurrentPaths.h"
#include "functions/terminal/logic/EntryUnits.h"
#include "functions/terminal/logic/FrequencyLimits.h"
#include "functions/terminal/logic/HistoryPick.h"
#include "functions/terminal/logic/PlanRecorder.h"
#include "functions/terminal/logic/Readout.h"
#include "functions/terminal/logic/SetCalibratorOutput.h"
#include "functions/terminal/logic/TerminalButtons.h"
#include "link/NumberText.h"

#include <cmath>

namespace vk220::terminal {

namespace {

using namespace PanelSteps;

// Currents above this go to the HIGH CURRENT terminals.
constexpr double lowCurrentLimit = 2;

// Plans the window's actions over the plan being recorded.
class Builder : public PlanRecorder {
public:
    using PlanRecorder::PlanRecorder;

    void SelectTerminal(int index, bool autoSelecting);
    // False when the coil limit stopped it.
    bool Enter();
    void PickHistory(QStringView item);
    void Hz();
    void Dc();
    void CurrentEntry();

private:
    // Sets the present amplitude again at `frequencyArgument`; true when it was set.
    bool ChangeFrequency(const QString &frequencyArgument);
};

void Builder::SelectTerminal(int index, bool autoSelecting) {
    const bool currentPath = CurrentPaths::IsCurrentPath(index);
    const QStringList commands = TerminalButtons::SelectionCommands(index);
    // The adapter must not route a live output while it switches: the voltage source would
    // reach the current terminals or a coil. The autoset rule switches it on again once set.
    if (commands.size() > 1)
        StandbyWhileLive();
    for (qsizetype i = 0; i + 1 < commands.size(); ++i)
        Send(commands[i]);
    state.selected = TerminalButtons::PointOf(index);
    state.currentPathInUse = CurrentPaths::InUse(OutputPoints::Buttons(state.selected));
    steps << ShowSelection{state.selected, currentPath};
    Send(commands.last());

    // The calibrator holds the output set for the previous point until one is set for this one.
    state.outputUnset = true;
    if (!autoSelecting && !(currentPath && state.coilSelectPending)) {
        SetEntry(state.selected == OutputPoint::Voltage ? QStringLiteral("0V")
                                                        : QStringLiteral("0A"));
        Enter();
    }
    steps << SetEnterEnabled{true};
    SetPending(false);
}

bool Builder::Enter() {
    if (state.entry.trimmed().isEmpty())
        return true;
    SetCalOutput(QStringLiteral("---"));
    const QString entry =
        EntryUnits::AsEntered(state.entry, state.selected == OutputPoint::Voltage);
    if (entry != state.entry)
        SetEntry(entry);
    // Refused before the adapter switches: a typed letter or blank the entry does not know.
    if (!EntryUnits::ReadsAsWritten(state.entry)) {
        steps << SetEnterBold{true};
        Refuse(OutputRefusal(state.entry));
        SetEntry(QString());
        return true;
    }
    const double value = ConVal(state.entry).value;

    if (!state.entry.endsWith(u'A')) {
        if (state.selected != OutputPoint::Voltage)
            SelectTerminal(static_cast<int>(OutputPoint::Voltage), true);
    } else if (!OutputPoints::IsCoil(state.selected)) {
        const OutputPoint terminals =
            std::fabs(value) > lowCurrentLimit ? OutputPoint::HighCurrent : OutputPoint::LowCurrent;
        if (state.selected != terminals)
            SelectTerminal(static_cast<int>(terminals), true);
    }

    const int turns = OutputPoints::CoilTurns(state.selected);
    const CoilRules::Division division = CoilRules::Divide(state.entry, value, turns);
    if (division.entry != state.entry)
        SetEntry(division.entry);
    SetCalOutput(division.calOutput);
    if (CoilRules::ExceedsLimit(value, turns)) {
        SetEntry(QString());
        Refuse(CoilRules::LimitBox(turns));
        Standby();
        return false;
    }

    const OutputPlan output = SetOutput(state.frequency);
    if (!output.accepted) {
        SetEntry(QString());
        return true;
    }
    ApplyAutoset();
    SetDisplay(Readout::Text(output.RangeCommand, output.OutputValue, turns));
    steps << AddHistory{Readout::HistoryEntry(state.display, state.frequency, state.selected)};
    SetEntry(QString());
    if (turns > 1)
        Send(CoilRules::DisplayLabel(state.display, turns));
    return true;
}

void Builder::PickHistory(QStringView item) {
    const bool waitingForPath = state.coilSelectPending;
    const HistoryPick pick = ParseHistoryPick(item);
    SetEntry(pick.entry);
    if (pick.frequency)
        SetFrequency(*pick.frequency);
    // A current refused by the coil limit keeps waiting, as with ENTER.
    if (!Enter())
        return;
    // Like every key but "A", a pick ends a wait for a current path. It set an output on the point
    // in use, so the offered paths stop flashing and ENTER is enabled again: a path clicked later
    // is a manual change that sets zero on it, not the completion of a keyed current.
    if (waitingForPath) {
        state.currentPathInUse = CurrentPaths::InUse(OutputPoints::Buttons(state.selected));
        steps << ShowSelection{state.selected, true} << SetEnterEnabled{true};
    }
    SetPending(false);
}

void Builder::Hz() {
    const double frequency = link::NumberText::LeadingNumber(state.entry);
    if (const auto refusal = FrequencyLimits::Refusal(frequency)) {
        SetEntry(QString());
        Refuse(*refusal);
        return;
    }
    // The calibrator holds the previous point's output: set again, it would reach the point
    // switched in (a voltage on the current terminals, 25 A through the 0-2 A path).
    if (state.outputUnset) {
        SetEntry(QString());
        Refuse(PanelPlanner::OutputUnsetBox);
        return;
    }
    // The frequency as sent, whatever else the entry held ("50mHz" would not be what is set).
    SetFrequency(link::NumberText::General(frequency) + QStringLiteral("Hz"));
    if (ChangeFrequency(state.frequency))
        steps << SetPlusMinusEnabled{false};
    SetEntry(QString());
}

void Builder::Dc() {
    // As with "Hz"; the entry is no part of "DC", so a current keyed for the point stays for
    // ENTER.
    if (state.outputUnset) {
        Refuse(PanelPlanner::OutputUnsetBox);
        return;
    }
    SetFrequency(QStringLiteral("DC"));
    ChangeFrequency(QStringLiteral("0"));
    SetEntry(QString());
    steps << SetPlusMinusEnabled{true};
}

bool Builder::ChangeFrequency(const QString &frequencyArgument) {
    const Readout::Amplitude amplitude =
        Readout::PresentAmplitude(state.display, state.outputValue, state.selected);
    SetEntry(amplitude.entry);
    const OutputPlan output = SetOutput(frequencyArgument);
    if (!output.accepted)
        return false;
    ApplyAutoset();
    // The calibrator's display names the output by the readout the operator saw before the key;
    // when that readout was in the other quantity and zero was set instead, by what it delivers.
    const QString readout = Readout::Text(output.RangeCommand, output.OutputValue, amplitude.turns);
    if (amplitude.turns > 1)
        Send(CoilRules::DisplayLabel(amplitude.fromReadout ? state.display : readout,
                                     amplitude.turns));
    SetDisplay(readout);
    return true;
}

void Builder::CurrentEntry() {
    const double magnitude = std::fabs(ConVal(state.entry).value);
    const QList<int> offered = CurrentPaths::Offered(magnitude);
    if (!state.currentPathInUse || CurrentPaths::NeedsReselect(magnitude, state.enabledPaths)) {
        Standby();
        OfferPaths(offered, true);
        steps << SetEnterEnabled{false};
    } else {
        OfferPaths(offered, false);
    }
    SetPending(true);
}

} // namespace

namespace PanelPlanner {

PanelPlan Load(const PanelState &state) {
    Builder builder(state);
    if (!state.autosetChecked)
        builder.Standby();
    builder.SelectTerminal(static_cast<int>(OutputPoint::Voltage), false);
    return builder.Finish();
}

PanelPlan SelectTerminal(int index, const PanelState &state) {
    Builder builder(state);
    builder.SelectTerminal(index, false);
    return builder.Finish();
}

PanelPlan Enter(const PanelState &state) {
    Builder builder(state);
    // Every keypad key but "A" ends a wait for a current path; a current refused by the coil
    // limit keeps waiting.
    if (builder.Enter())
        builder.SetPending(false);
    return builder.Finish();
}

PanelPlan PickHistory(QStringView item, const PanelState &state) {
    Builder builder(state);
    builder.PickHistory(item);
    return builder.Finish();
}

PanelPlan Hz(const PanelState &state) {
    Builder builder(state);
    builder.Hz();
    builder.SetPending(false);
    return builder.Finish();
}

PanelPlan Dc(const PanelState &state) {
    Builder builder(state);
    builder.Dc();
    builder.SetPending(false);
    return builder.Finish();
}

PanelPlan CurrentEntry(const PanelState &state) {
    Builder builder(state);
    builder.CurrentEntry();
    return builder.Finish();
}

PanelPlan OutputOn(const PanelState &state) {
    Builder builder(state);
    builder.OutputOnIfSet();
    return builder.Finish();
}

PanelPlan Standby(const PanelState &state) {
    Builder builder(state);
    builder.Standby();
    return builder.Finish();
}

PanelPlan AutosetChanged(bool checked, const PanelState &state) {
    Builder builder(state);
    builder.SetAutosetChecked(checked);
    if (!checked)
        builder.Standby();
    return builder.Finish();
}

} // namespace PanelPlanner

} // namespace vk220::terminal
