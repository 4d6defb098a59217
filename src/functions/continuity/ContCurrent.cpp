#include "functions/continuity/ContCurrent.h"

#include "link/Reading.h"

namespace vk220::continuity {

namespace ContCurrent {

double Milliamps(double counts) {
    return counts / 10000.0 * MilliampsPer10000Counts;
}

QString Text(double counts) {
    if (link::Reading::IsOverRange(counts))
        return OverRangeText;
    return link::Reading::Fixed(Milliamps(counts), Decimals, QStringLiteral("mA"));
}

} // namespace ContCurrent

} // namespace vk220::continuity
