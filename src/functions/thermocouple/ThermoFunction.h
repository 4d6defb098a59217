#pragma once

#include "FunctionDescriptor.h"

// The thermocouple simulation function: its row in the main window's function table.
const FunctionDescriptor &ThermoFunction();
