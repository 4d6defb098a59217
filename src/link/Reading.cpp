#include "link/Reading.h"

#include <cmath>

namespace vk220::link {

namespace Reading {

QString Fixed(double value, int decimals, const QString &unit) {
    // A negative reading keeps its "-" even when it rounds to zero; negative zero is zero.
    return QString::number(value == 0 ? 0.0 : value, 'f', decimals) + unit;
}

} // namespace Reading

} // namespace vk220::link
