#pragma once

#include <QString>

#include <array>

namespace vk220::continuity {

// One of the six resistances the adapter presents to a continuity tester.
struct ContResistance {
    QString caption; // the button's caption, also sent to the calibrator's display
    int mask;        // the adapter's switching mask
    QString display; // the resistance display, with the real ohm sign
};

namespace ContResistances {

constexpr int Count = 6;
// The 1 Ω setting, the only one on which the test current is measured.
constexpr int CurrentIndex = 0;

// Index order is the order of the ContBut buttons, left to right.
const std::array<ContResistance, Count> &Table();

// The line that switches the adapter to resistance `index` and labels the calibrator's display:
// "p21028923/#Cont.: 1 Ohm".
QString SelectCommand(int index);

} // namespace ContResistances

} // namespace vk220::continuity
