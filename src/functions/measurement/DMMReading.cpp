#include "DMMReading.h"

#include "DMMRanges.h"

#include "Reading.h"

namespace DMMReading {

double UpdatedOffset(bool nullOn, double offset, double raw) {
    if (!nullOn)
        return 0.0;
    if (offset == 0.0 && !Reading::IsOverRange(raw))
        return raw;
    return offset;
}

QString Text(double raw, double offset, const DMMRange &range) {
    if (Reading::IsOverRange(raw))
        return OverRangeText;
    return Reading::Fixed((raw - offset) * range.scale, range.decimals, range.unit);
}

} // namespace DMMReading
