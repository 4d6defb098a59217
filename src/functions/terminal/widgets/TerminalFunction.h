#pragma once

#include "FunctionDescriptor.h"

// The terminal and coil switching function: its row in the main window's function table.
const FunctionDescriptor &TerminalFunction();
