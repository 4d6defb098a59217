#include "ContCurrent.h"

#include "Reading.h"

namespace ContCurrent {

double Milliamps(double counts) {
    return counts / 10000.0 * MilliampsPer10000Counts;
}

QString Text(double counts) {
    if (Reading::IsOverRange(counts))
        return OverRangeText;
    return Reading::Fixed(Milliamps(counts), Decimals, QStringLiteral("mA"));
}

} // namespace ContCurrent
