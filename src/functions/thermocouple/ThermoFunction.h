#pragma once

#include "ui/FunctionDescriptor.h"

namespace vk220::thermocouple {

// The thermocouple simulation function: its row in the main window's function table.
const ui::FunctionDescriptor &ThermoFunction();

} // namespace vk220::thermocouple
