#include "functions/terminal/widgets/TerminalView.h"

#include "functions/terminal/logic/KeypadKey.h"
#include "functions/terminal/logic/OutputMarker.h"
#include "functions/terminal/logic/PanelPlan.h"
#include "functions/terminal/logic/PanelState.h"
#include "functions/terminal/logic/TerminalMemory.h"
#include "functions/terminal/widgets/CalibratorDisplay.h"
#include "functions/terminal/widgets/TerminalKeypad.h"
#include "functions/terminal/widgets/TerminalSelector.h"
#include "ui/ButtonArray.h"
#include "ui/Controls.h"
#include "ui/FunctionContext.h"
#include "ui/FunctionWindow.h"
#include "ui/logic/MessageBoxes.h"
#include "ui/logic/ProgramState.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace vk220::terminal {

TerminalView::TerminalView(ui::FunctionWindow &window, ui::FunctionContext &context,
                           const Parts &parts)
    : window(window), context(context), parts(parts) {}

PanelState TerminalView::ReadState(bool autosetAsked) const {
    PanelState state;
    state.entry = parts.keypad.Entry();
    state.frequency = parts.readouts.HzLab().text();
    state.display = parts.readouts.Display().text();
    state.calOutput = parts.readouts.CalOPLab().text();
    state.selected = parts.selector.Selection();
    state.currentPathInUse = parts.selector.CurrentPathInUse();
    state.autosetChecked = autosetAsked;
    state.outputOn = ui::Controls::IsSelected(parts.onBut);
    state.coilSelectPending = context.state.Kept<TerminalMemory>().CoilSelectPending;
    state.enabledPaths = parts.selector.EnabledPaths();
    state.lastRangeCommand = context.state.Kept<TerminalMemory>().LastRangeCommand;
    state.outputUnset = outputUnset;
    state.outputValue = outputValue;
    return state;
}

void TerminalView::Carry(const PanelPlan &plan) {
    // Shared with every later opening of the window: the range the plan sets the calibrator to.
    context.state.Kept<TerminalMemory>().LastRangeCommand = plan.after.lastRangeCommand;
    outputUnset = plan.after.outputUnset;
    outputValue = plan.after.outputValue;
    entryTaken = parts.keypad.Entry();
    for (const PanelStep &step : plan.steps) {
        // Closed from inside one of its own exchanges: the rest concerns a window that is gone.
        if (window.IsUnloaded())
            return;
        Apply(step);
    }
}

void TerminalView::ShowOutputState() {
    parts.readouts.ShowOutput(OutputMarker::For(context.state.interlock.Model().OutputState(),
                                                parts.readouts.Display().text()));
}

void TerminalView::SendLine(const QString &line) {
    window.Send(line);
}

void TerminalView::ShowBox(const InformBox &box) {
    context.boxes.Inform(box.title, box.text);
}

void TerminalView::ShowSelection(OutputPoint point, bool stopFlashing) {
    parts.selector.ShowSelection(point, stopFlashing);
}

void TerminalView::ShowOutputOn(bool on) {
    // What the calibrator was told: an "S0" the interlock refused leaves the output in standby.
    on = on && context.state.interlock.Model().OutputState() == link::CalibratorModel::Output::On;
    ui::Controls::SetSelected(parts.onBut, on);
    ui::Controls::SetBackColour(parts.offBut, on ? QColor() : ui::Controls::StandbyColour);
    ShowOutputState();
}

void TerminalView::SetEntry(const QString &text) {
    // The operator may type into the entry line while the action waits for a reply: the action
    // replaces only the entry it took, never what was typed meanwhile.
    if (parts.keypad.Entry() != entryTaken)
        return;
    parts.keypad.SetEntry(text);
    entryTaken = text;
}

void TerminalView::SetCalOutput(const QString &text) {
    parts.readouts.CalOPLab().setText(text);
}

void TerminalView::SetDisplay(const QString &text) {
    parts.readouts.Display().setText(text);
    ShowOutputState();
}

void TerminalView::SetFrequency(const QString &text) {
    parts.readouts.HzLab().setText(text);
}

void TerminalView::AddHistory(const QString &text) {
    parts.keypad.AddHistory(text);
}

void TerminalView::SetAutosetBox(bool enabled, const QString &caption) {
    parts.autoCheck.setEnabled(enabled);
    parts.autoCheck.setText(caption);
}

void TerminalView::SetPlusMinusEnabled(bool enabled) {
    parts.keypad.Command1().At(KeypadKey::PlusMinus)->setEnabled(enabled);
}

void TerminalView::SetEnterBold(bool bold) {
    QFont font = parts.keypad.EnterKey().font();
    font.setBold(bold);
    parts.keypad.EnterKey().setFont(font);
}

void TerminalView::SetEnterEnabled(bool enabled) {
    parts.keypad.EnterKey().setEnabled(enabled);
}

void TerminalView::SetCoilSelectPending(bool pending) {
    context.state.Kept<TerminalMemory>().CoilSelectPending = pending;
}

void TerminalView::OfferCurrentPaths(const QList<int> &enabled, bool reselect) {
    parts.selector.OfferPaths(enabled, reselect);
}

} // namespace vk220::terminal
