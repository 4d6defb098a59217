#include "functions/terminal/logic/AmplitudeRanges.h"

#include <array>

namespace vk220::terminal {

namespace {

using enum OutputFamily;

constexpr std::array<AmplitudeRange, 11> ranges{{
    {1, Voltage, 0.203, false, 1e3, u"000.000", u"mV", 1e3},
    {2, Voltage, 2.03, false, 1, u"0.00000", u"V", 1},
    {3, Voltage, 20.3, false, 1, u"00.0000", u"V", 1},
    {4, Voltage, 203, false, 1, u"000.000", u"V", 1},
    {5, Voltage, 1020, false, 1, u"0000.00", u"V", 1},
    {6, Current, 0.000203, false, 1e6, u"000.000", u"\u00B5A", 1e6},
    {7, Current, 0.00203, false, 1e3, u"0.00000", u"mA", 1e3},
    {8, Current, 0.0203, false, 1e3, u"00.0000", u"mA", 1e3},
    {9, Current, 0.203, false, 1e3, u"000.000", u"mA", 1e3},
    {10, Current, 2.03, false, 1, u"0.00000", u"A", 1},
    {11, Current, AmplitudeRanges::MaxCurrent, true, 1, u"00.0000", u"A", 1},
}};

bool Takes(const AmplitudeRange &range, double magnitude) {
    return range.inclusive ? magnitude <= range.limit : magnitude < range.limit;
}

} // namespace

namespace AmplitudeRanges {

std::span<const AmplitudeRange> Table() {
    return ranges;
}

const AmplitudeRange *Select(OutputFamily family, double magnitude, bool coilSelected) {
    if (family == Current && coilSelected)
        return magnitude <= MaxCurrent ? &ranges[CoilRange - 1] : nullptr;
    for (const AmplitudeRange &range : ranges) {
        if (range.family == family && Takes(range, magnitude))
            return &range;
    }
    return nullptr;
}

QString Command(const AmplitudeRange &range, bool ac) {
    return u'R' + QString::number(ac ? range.number + AcOffset : range.number);
}

const AmplitudeRange *FindByCommand(QStringView rangeCommand) {
    for (const AmplitudeRange &range : ranges) {
        if (rangeCommand == Command(range, false) || rangeCommand == Command(range, true))
            return &range;
    }
    return nullptr;
}

} // namespace AmplitudeRanges

} // namespace vk220::terminal
