#include "functions/measurement/DMMReading.h"

#include "functions/measurement/DMMRanges.h"

#include "link/Reading.h"

#include <cmath>

namespace vk220::measurement {

namespace DMMReading {

double UpdatedOffset(bool nullOn, double offset, double raw) {
    if (!nullOn)
        return 0.0;
    // An infinite reading (an overflowing reply) would spoil every later value: it is not taken.
    if (offset == 0.0 && std::isfinite(raw))
        return raw;
    return offset;
}

double Value(double raw, double offset, const DMMRange &range) {
    return (raw - offset) * range.scale;
}

QString Text(double raw, double offset, const DMMRange &range) {
    if (link::Reading::IsOverRange(raw))
        return OverRangeText;
    return link::Reading::Fixed(Value(raw, offset, range), range.decimals, range.unit);
}

} // namespace DMMReading

} // namespace vk220::measurement
