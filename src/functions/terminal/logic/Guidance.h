#pragma once

#include "functions/terminal/logic/PanelState.h"

#include <QString>

namespace vk220::terminal {

// The guidance line under the terminal window's entry: what the operator does next, where the
// panel alone leaves it unsaid (a greyed coil, a disabled ENTER, a button that did not stay
// selected, an entry that looks like the output but is not set yet).
namespace Guidance {

// Something the last action did that the panel does not explain by itself.
enum class Note {
    None,
    // HIGH CURRENT was clicked, and the zero current it set went to LOW CURRENT.
    HighCurrentDeclined,
};

// The note a click on TermBut `index` leaves once the click's plan has selected `selected`.
Note AfterClick(int index, OutputPoint selected);

// "Pick a current path for 1A" while the current paths flash with ENTER disabled
// (`waitingForPath`); otherwise "Press ENTER to set 5V" while an entry waits, with the unit ENTER
// would give it; otherwise the note's explanation; otherwise empty.
QString Text(const PanelState &state, bool waitingForPath, Note note);

} // namespace Guidance

} // namespace vk220::terminal
