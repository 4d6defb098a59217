#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace vk220::insulation {

// The six decade digits of the insulation resistance output and the switching mask that makes
// the adapter present them. Index 0 is the 0.01 MΩ digit, index 5 the 1000 MΩ digit.
namespace ResistanceDigits {

constexpr int Count = 6;
using Values = std::array<int, Count>;

// Labels the calibrator's display while the adapter presents a resistance.
inline const QString PageText = QStringLiteral("#Insulation Res.");

// Sent before every resistance mask and every test-voltage range mask.
constexpr int PresetMask = 18874368;
// The thousands line: the adapter takes 1000 MΩ out of circuit while this bit is set.
constexpr int ThousandsBit = 1 << 20;

// A digit caption counts as 1 to 9 only when it is exactly that one character; anything else,
// "0" included, counts as 0.
int Read(QStringView caption);

// The 4-bit decade code of `digit` (0 to 9) at `index` (0 to 4). The decade at index 3 is wired
// with its elements in another order and has a table of its own.
int DecadeCode(int index, int digit);

// The index of the thousands digit, which counts only to 1; the others count to 9.
constexpr int Thousands = 5;

// The digits after the up button of digit `index`, and how many digits the step went through: a
// digit below its top counts up; one at its top returns to 0 and carries into the next, up to the
// thousands digit, which stays at its top. The window sends the setting once for every digit
// stepped, as each step of a carry is a full step of its own.
struct Spin {
    Values digits;
    int digitsStepped;
};
Spin Increment(Values digits, int index);

// The digits after the down button of digit `index`: it counts down to 0, then wraps to 9 within
// the digit without borrowing; the thousands digit stops at 0.
Values Decrement(Values digits, int index);

// The switching mask for the digits: one decade code per nibble for indexes 0 to 4, and bit 20
// set unless the thousands digit is 1.
int Mask(const Values &digits);

} // namespace ResistanceDigits

} // namespace vk220::insulation
