#pragma once

#include <QString>

namespace vk220::continuity {

// The continuity tester's current, measured on the 1 Ω setting.
namespace ContCurrent {

// Milliamperes per 10000 counts of the calibrator's reading.
constexpr double MilliampsPer10000Counts = 0.4321;
// Decimals of the current display.
constexpr int Decimals = 1;

inline const QString OverRangeText = QStringLiteral("Over Range");

double Milliamps(double counts);

// The current display: "10.0mA", "-2.0mA", or "Over Range" beyond the reading limit.
QString Text(double counts);

} // namespace ContCurrent

} // namespace vk220::continuity
