#pragma once

#include <QString>

namespace vk220::terminal {

// What the terminal window remembers from one opening to the next, kept for the whole run in the
// program-wide state (`ProgramState::Kept<TerminalMemory>()`).
struct TerminalMemory {
    // The range command the calibrator was last set to by the terminal window; cleared when the
    // port is back, since the initialisation changes the range.
    QString LastRangeCommand;
    // The "A" key waits for a current path to be picked.
    bool CoilSelectPending = false;
};

} // namespace vk220::terminal
