#pragma once

#include "FunctionDescriptor.h"

// The tachometer calibration function: its row in the main window's function table.
const FunctionDescriptor &TachoFunction();
