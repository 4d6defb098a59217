#pragma once

namespace vk220::terminal {

// The twenty keys of the keypad by their index in the Command1 array: the digits 1 to 9 are keys
// 0 to 8, the others follow.
namespace KeypadKey {

enum Key : int {
    Zero = 9,
    Point,
    BackSpace,
    Hz,
    Dc,
    Ampere,
    PlusMinus,
    Enter,
    Micro,
    Milli,
    Volt,
};

constexpr int Count = Volt + 1;

// The key of `digit` (0 to 9).
constexpr int Digit(int digit) {
    return digit == 0 ? Zero : digit - 1;
}

} // namespace KeypadKey

} // namespace vk220::terminal
