#pragma once

#include "ui/FunctionDescriptor.h"

namespace vk220::insulation {

// The insulation resistance and test voltage function: its row in the main window's function table.
const ui::FunctionDescriptor &InsFunction();

} // namespace vk220::insulation
