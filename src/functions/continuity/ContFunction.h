#pragma once

#include "ui/FunctionDescriptor.h"

namespace vk220::continuity {

// The continuity resistance and current function: its row in the main window's function table.
const ui::FunctionDescriptor &ContFunction();

} // namespace vk220::continuity
