#pragma once

#include "functions/terminal/logic/InformBox.h"
#include "functions/terminal/logic/PanelPlan.h"

#include <QString>
#include <QStringView>

namespace vk220::terminal {

// Plans every action of the terminal window that sends commands or changes more than the entry
// line: from the state the window shows, the ordered steps it must carry out. The range the
// plan's commands leave the calibrator on is in the plan's `after.lastRangeCommand`.
namespace PanelPlanner {

// Window load; `state.autosetChecked` is false when "AutoON.dat" exists. Puts the output in
// standby then if the preference is off, and selects the voltage terminals at 0 V.
PanelPlan Load(const PanelState &state);

// A click on TermBut `index`, or the selection ENTER makes by itself (`autoSelecting`). A manual
// change of output point sets 0 V or 0 A on it, except a current path picked to complete a keyed
// current, which leaves that entry waiting for ENTER. A live output is put in standby before the
// adapter switches.
PanelPlan SelectTerminal(int index, const PanelState &state);

// The "ENTER" key, or Enter in the entry line: sets the entered output, choosing the terminals,
// dividing a coil current by the turns and refusing one above the coil's limit. A typed voltage
// or current that does not read as written (EntryUnits) is refused before anything is switched.
// A high voltage, or an output of another family, is set with the output in standby and left
// there. Any refusal puts back the labels it changed.
PanelPlan Enter(const PanelState &state);

// A pick from the history list: the entry and frequency label it holds are set again, and a wait
// for a current path ends.
PanelPlan PickHistory(QStringView item, const PanelState &state);

// The "Hz" key: the entry is the new frequency for the present output, which is set again
// exactly as it was set; HzLab shows the frequency sent. Refused, with OutputUnsetBox, while no
// output has been set for the point the adapter was switched to.
PanelPlan Hz(const PanelState &state);

// The "DC" key: the present output returns to DC, refused like "Hz"; the entry is left for ENTER
// then.
PanelPlan Dc(const PanelState &state);

// After the "A" key acted (KeypadEntry::Outcome::Ampere): offers the current paths that carry
// the keyed current. When no current path is in use, or an enabled one cannot carry the current,
// it puts the output in standby and waits for the operator to pick one.
PanelPlan CurrentEntry(const PanelState &state);

// Shown by OUTPUT ON, "Hz" and "DC" while no output has been set for the point the adapter was
// switched to.
inline const InformBox OutputUnsetBox{
    QStringLiteral("Output Not Set"),
    QStringLiteral("The output for the selected terminals is not set yet.\r\r"
                   "Set it with ENTER, then switch the output on.")};

// The OUTPUT ON and STAND BY buttons. OUTPUT ON is refused, with OutputUnsetBox, while no output
// has been set for the point the adapter was switched to (a current path picked for a keyed
// current waiting for ENTER, or an output refused after ENTER switched the terminals): the
// calibrator still holds the previous point's output.
PanelPlan OutputOn(const PanelState &state);
PanelPlan Standby(const PanelState &state);

// AutoCheck clicked to `checked`; unchecking puts the output in standby. Its flag file is the
// window's business.
PanelPlan AutosetChanged(bool checked, const PanelState &state);

} // namespace PanelPlanner

} // namespace vk220::terminal
