#pragma once

#include "functions/terminal/logic/InformBox.h"

#include <optional>

namespace vk220::terminal {

// The "Hz" key sets frequencies from 10 Hz to 100000 Hz.
namespace FrequencyLimits {

constexpr double Lowest = 10;
constexpr double Highest = 100000;

// The box that refuses frequency `f`, or nothing when it is within the limits.
std::optional<InformBox> Refusal(double f);

} // namespace FrequencyLimits

} // namespace vk220::terminal
