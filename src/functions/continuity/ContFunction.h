#pragma once

#include "FunctionDescriptor.h"

// The continuity resistance and current function: its row in the main window's function table.
const FunctionDescriptor &ContFunction();
