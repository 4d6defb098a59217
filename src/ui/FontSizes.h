#pragma once

namespace vk220::ui {

// The point sizes of the windows' texts by role, in one place so that like texts look alike in
// every window.
namespace FontSizes {

constexpr int Legend = 7;        // small print over a display
constexpr int Indicator = 8;     // the sample indicator
constexpr int Flag = 9;          // a state shown beside a reading (NULL ON)
constexpr int Caption = 10;      // captions of displays and sections, the output buttons
constexpr int Heading = 12;      // a window's heading, the keyed output
constexpr int Title = 14;        // a function's name, a type, the frequency
constexpr int Setting = 18;      // a value the window set (speed, temperature)
constexpr int Digit = 22;        // the decade digits
constexpr int Reading = 24;      // a reading or output value
constexpr int LargeReading = 26; // the test voltage
constexpr int MeterReading = 28; // the mA and mV reading

} // namespace FontSizes

} // namespace vk220::ui
