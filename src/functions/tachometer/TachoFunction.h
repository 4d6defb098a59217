#pragma once

#include "ui/FunctionDescriptor.h"

namespace vk220::tachometer {

// The tachometer calibration function: its row in the main window's function table.
const ui::FunctionDescriptor &TachoFunction();

} // namespace vk220::tachometer
