#pragma once

#include "FunctionDescriptor.h"

// The mA and mV measurement function: its row in the main window's function table.
const FunctionDescriptor &DMMFunction();
