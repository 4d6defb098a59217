#include "functions/continuity/ContResistances.h"

namespace vk220::continuity {

namespace ContResistances {

// Every mask drives lines 22 and 24 and leaves exactly one of lines 0 to 5 open; the 1 Ω setting
// also closes lines 13 to 15, which route the tester's current to the calibrator's input.
const std::array<ContResistance, Count> &Table() {
    static const std::array<ContResistance, Count> table{{
        {QStringLiteral("1 Ohm"), 21028923, QStringLiteral("1.000\u03A9")},
        {QStringLiteral("10 Ohms"), 20971581, QStringLiteral("10.00\u03A9")},
        {QStringLiteral("19 Ohms"), 20971582, QStringLiteral("19.00\u03A9")},
        {QStringLiteral("100 Ohms"), 20971575, QStringLiteral("100.0\u03A9")},
        {QStringLiteral("190 Ohms"), 20971567, QStringLiteral("190.0\u03A9")},
        {QStringLiteral("1 kOhm"), 20971551, QStringLiteral("1.000k\u03A9")},
    }};
    return table;
}

QString SelectCommand(int index) {
    const ContResistance &resistance = Table().at(static_cast<size_t>(index));
    return QStringLiteral("p%1/#Cont.: %2").arg(resistance.mask).arg(resistance.caption);
}

} // namespace ContResistances

} // namespace vk220::continuity
