#include "functions/insulation/ResistanceDigits.h"

namespace vk220::insulation {

namespace ResistanceDigits {

namespace {

// Nibble weights per bit are 1, 2, 2, 5 in the common decades and 2, 2, 1, 5 in decade 3;
// the tables below are what the adapter is wired for.
constexpr std::array<int, 10> CommonCodes{0, 1, 2, 3, 6, 7, 9, 10, 11, 14};
constexpr std::array<int, 10> Decade3Codes{0, 4, 2, 6, 3, 7, 12, 10, 14, 11};
constexpr int Decade3 = 3;
constexpr int DigitMax = 9;
constexpr int ThousandsMax = 1;

} // namespace

int Read(QStringView caption) {
    if (caption.size() != 1)
        return 0;
    const char16_t c = caption.at(0).unicode();
    return c >= u'1' && c <= u'9' ? c - u'0' : 0;
}

int DecadeCode(int index, int digit) {
    const auto &codes = index == Decade3 ? Decade3Codes : CommonCodes;
    return codes.at(static_cast<size_t>(digit));
}

Spin Increment(Values digits, int index) {
    int stepped = 1;
    for (int i = index;; ++i, ++stepped) {
        int &digit = digits.at(static_cast<size_t>(i));
        if (digit < (i == Thousands ? ThousandsMax : DigitMax)) {
            ++digit;
            break;
        }
        if (i == Thousands)
            break;
        digit = 0;
    }
    return {digits, stepped};
}

Values Decrement(Values digits, int index) {
    int &digit = digits.at(static_cast<size_t>(index));
    if (digit > 0)
        --digit;
    else if (index < Thousands)
        digit = DigitMax;
    return digits;
}

int Mask(const Values &digits) {
    int mask = 0;
    for (int k = 0; k < Thousands; ++k)
        mask += DecadeCode(k, digits.at(static_cast<size_t>(k))) << (4 * k);
    if (digits.at(Thousands) != 1)
        mask |= ThousandsBit;
    return mask;
}

} // namespace ResistanceDigits

} // namespace vk220::insulation
