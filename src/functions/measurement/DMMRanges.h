#pragma once

#include <QString>

#include <array>

namespace vk220::measurement {

// One measuring range of the mA and mV window.
struct DMMRange {
    QString caption;        // the range button's caption
    QString maskCommand;    // switches the adapter's input to this range
    QString displayCommand; // labels the calibrator's own display
    QString information;    // the window's information line
    double scale;           // range units per count
    int decimals;           // decimals of the reading display
    QString unit;           // unit letters of the reading display
};

namespace DMMRanges {

constexpr int Count = 4;
// The range the window opens on: 1 V.
constexpr int OpeningIndex = 2;

// Index order is the order of the DMMBut buttons, left to right.
const std::array<DMMRange, Count> &Table();

} // namespace DMMRanges

} // namespace vk220::measurement
