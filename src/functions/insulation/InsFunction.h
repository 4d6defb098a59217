#pragma once

#include "FunctionDescriptor.h"

// The insulation resistance and test voltage function: its row in the main window's function table.
const FunctionDescriptor &InsFunction();
