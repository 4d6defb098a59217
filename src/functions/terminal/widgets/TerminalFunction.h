#pragma once

#include "ui/FunctionDescriptor.h"

namespace vk220::terminal {

// The terminal and coil switching function: its row in the main window's function table.
const ui::FunctionDescriptor &TerminalFunction();

} // namespace vk220::terminal
