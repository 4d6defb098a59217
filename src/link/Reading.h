#pragma once

#include <QString>

#include <cmath>

namespace vk220::link {

// Readings in counts from the calibrator's "v" reply, and the fixed-decimal displays of the
// measuring windows.
namespace Reading {

// A reading whose magnitude exceeds this many counts is over range.
constexpr double OverRangeCounts = 10000000.0;

inline bool IsOverRange(double counts) {
    return !(std::fabs(counts) <= OverRangeCounts);
}

// The value with exactly `decimals` decimals (rounded to nearest), at least one integer digit,
// no thousands separator, a leading "-" when negative, then `unit`: Fixed(3.4133, 3, "mA") is
// "3.413mA" and Fixed(-0.0004, 3, "mA") is "-0.000mA".
QString Fixed(double value, int decimals, const QString &unit);

} // namespace Reading

} // namespace vk220::link
