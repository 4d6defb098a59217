#pragma once

#include "ui/FunctionDescriptor.h"

namespace vk220::diagram {

// The connection diagram: its row in the main window's function table.
const ui::FunctionDescriptor &DiagFunction();

} // namespace vk220::diagram
