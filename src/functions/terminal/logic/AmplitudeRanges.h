#pragma once

#include "functions/terminal/logic/OutputFamily.h"

#include <QString>
#include <QStringView>

#include <span>

namespace vk220::terminal {

// One voltage or current range of the calibrator, with the readout that shows its values.
struct AmplitudeRange {
    int number;          // n: "R"n at DC, "R"(n + 11) at AC
    OutputFamily family; // Voltage or Current
    double limit;        // magnitudes below it (up to it when `inclusive`) take this range
    bool inclusive;
    double sendScale;    // "O" carries value × sendScale: millivolts, microamperes, ...
    QStringView mask;    // readout digit mask
    QStringView unit;    // readout unit
    double readoutScale; // readout number = magnitude × readoutScale
};

namespace AmplitudeRanges {

// Largest current per turn the calibrator drives, and so the top of range 11.
constexpr double MaxCurrent = 30.0;
constexpr int CoilRange = 11;
// AC ranges follow the DC ones: "R12" is range 1 at AC.
constexpr int AcOffset = 11;

// Ranges 1 to 11 in order.
std::span<const AmplitudeRange> Table();

// The first range of `family` that takes `magnitude`; with a clamp coil in use every current up
// to MaxCurrent takes range 11. Null when none fits (also for an infinite or other family).
const AmplitudeRange *Select(OutputFamily family, double magnitude, bool coilSelected);

// "R"n for DC, "R"(n + 11) for AC.
QString Command(const AmplitudeRange &range, bool ac);

// The range that a DC or AC range command selects; null for any other text.
const AmplitudeRange *FindByCommand(QStringView rangeCommand);

} // namespace AmplitudeRanges

} // namespace vk220::terminal
