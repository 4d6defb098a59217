#include "Reading.h"

#include <cmath>

namespace Reading {

QString Fixed(double value, int decimals, const QString &unit) {
    if (std::round(std::fabs(value) * std::pow(10.0, decimals)) == 0)
        value = 0.0; // no "-0.00"
    return QString::number(value, 'f', decimals) + unit;
}

} // namespace Reading
