#pragma once

#include "FunctionDescriptor.h"

// The connection diagram: its row in the main window's function table.
const FunctionDescriptor &DiagFunction();
