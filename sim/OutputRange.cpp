#include "sim/OutputRange.h"

#include <array>
#include <cmath>

namespace vk220::sim {

namespace {

constexpr int DcRanges = 11;

} // namespace

OutputRange::OutputRange(int number, const Row &row, bool alternating)
    : number(number), quantity(row.quantity), alternating(alternating),
      unitsPerBase(row.unitsPerBase), top(row.top), topIncluded(row.topIncluded), unit(row.unit) {}

std::optional<OutputRange> OutputRange::Find(int number) {
    using enum Quantity;
    static constexpr std::array<Row, DcRanges> Rows{{
        {Voltage, 1000, 203, false, "mV"},
        {Voltage, 1, 2.03, false, "V"},
        {Voltage, 1, 20.3, false, "V"},
        {Voltage, 1, 203, false, "V"},
        {Voltage, 1, 1020, false, "V"},
        {Current, 1e6, 203, false, "uA"},
        {Current, 1000, 2.03, false, "mA"},
        {Current, 1000, 20.3, false, "mA"},
        {Current, 1000, 203, false, "mA"},
        {Current, 1, 2.03, false, "A"},
        {Current, 1, 30, true, "A"},
    }};
    if (number < 1 || number > 2 * DcRanges)
        return std::nullopt;
    const bool alternating = number > DcRanges;
    return OutputRange(number, Rows.at(size_t((number - 1) % DcRanges)), alternating);
}

bool OutputRange::Holds(double value) const {
    const double magnitude = std::abs(value);
    return magnitude < top || (topIncluded && magnitude == top);
}

QString OutputRange::Limit() const {
    return QStringLiteral("%1 %2 %3")
        .arg(topIncluded ? QStringLiteral("at most") : QStringLiteral("below"))
        .arg(top)
        .arg(QLatin1String(unit));
}

} // namespace vk220::sim
