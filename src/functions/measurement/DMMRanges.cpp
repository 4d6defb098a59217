#include "functions/measurement/DMMRanges.h"

namespace vk220::measurement {

namespace DMMRanges {

// The calibrator's display names the 20mA, 200mV, 2V and 20V ranges of its own meter, which the
// adapter's dividers and shunts stretch to the 30mA, 100mV, 1V and 30V that the buttons offer.
// Each scale is the power of ten times the adapter's constant, formed before it meets a reading;
// over range (10,000,000 counts) they top out at 34.133 mA, 110 mV, 1.1 V and 33.04 V.
const std::array<DMMRange, Count> &Table() {
    static const std::array<DMMRange, Count> table{{
        {QStringLiteral("30mA Range"), QStringLiteral("p17858560"),
         QStringLiteral("#Measure : 20mA"), QStringLiteral("CURRENT MEASUREMENT - 30mA RANGE"),
         1e-6 * 3.4133, 3, QStringLiteral("mA")},
        {QStringLiteral("100mV Range"), QStringLiteral("p17326080"),
         QStringLiteral("#Measure : 200mV"), QStringLiteral("VOLTAGE MEASUREMENT - 100mV RANGE"),
         1e-5 * 1.1, 2, QStringLiteral("mV")},
        {QStringLiteral("1V Range"), QStringLiteral("p17317888"), QStringLiteral("#Measure : 2V"),
         QStringLiteral("VOLTAGE MEASUREMENT - 1V RANGE"), 1e-7 * 1.1, 4, QStringLiteral("V")},
        {QStringLiteral("30V Range"), QStringLiteral("p17309696"), QStringLiteral("#Measure : 20V"),
         QStringLiteral("VOLTAGE MEASUREMENT - 30V RANGE"), 1e-6 * 3.304, 3, QStringLiteral("V")},
    }};
    return table;
}

} // namespace DMMRanges

} // namespace vk220::measurement
