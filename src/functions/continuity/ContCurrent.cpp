#include "ContCurrent.h"

#include "Reading.h"

namespace ContCurrent {

double Milliamps(double counts) {
    return counts / 10000.0 * MilliampsPer10000Counts;
}

QString Text(double counts) {
    if (Reading::IsOverRange(counts))
        return OverRangeText;
    return Reading::Fixed(Milliamps(counts), 1, QStringLiteral("mA"));
}

} // namespace ContCurrent
