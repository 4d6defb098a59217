#pragma once

#include "ui/FunctionDescriptor.h"

namespace vk220::measurement {

// The mA and mV measurement function: its row in the main window's function table.
const ui::FunctionDescriptor &DMMFunction();

} // namespace vk220::measurement
