#pragma once

#include "ui/FunctionDescriptor.h"

namespace vk220::runner {

const ui::FunctionDescriptor &RunnerFunction();

} // namespace vk220::runner
