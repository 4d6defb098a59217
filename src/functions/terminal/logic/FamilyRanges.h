#pragma once

#include "functions/terminal/logic/OutputFamily.h"

#include <QString>

#include <optional>

namespace vk220::terminal {

// The range of an output that is neither a voltage nor a current.
struct FamilyRange {
    QString rangeCommand; // "R23" to "R49", "R58" or "R64"
    QString bandCommand;  // "H0" to "H9" for a frequency output, otherwise empty
};

namespace FamilyRanges {

// The range that takes `value` (compared with its sign) for capacitance (farads), inductance
// (henries), resistance (ohms), frequency output (hertz) and speed (RPM). Nothing for a value
// outside the family's table, for temperature, for voltage, current or no family, and for a
// value that is not finite.
std::optional<FamilyRange> Select(OutputFamily family, double value);

} // namespace FamilyRanges

} // namespace vk220::terminal
