#include "sim/OutputPoint.h"

#include <cmath>

namespace vk220::sim {

OutputPoint OutputPoint::FromMask(qint64 mask) {
    switch (mask) {
    case VoltageTerminalsMask:
        return {Kind::VoltageTerminals, 0, "the voltage terminals"};
    case LowCurrentMask:
        return {Kind::CurrentPath, LowCurrentLimit, "the LOW CURRENT terminals"};
    case HighCurrentMask:
        return {Kind::CurrentPath, CurrentLimit, "the HIGH CURRENT terminals"};
    case TwoTurnCoilMask:
        return {Kind::Coil, CurrentLimit, "the 2-turn coil"};
    case TenTurnCoilMask:
        return {Kind::Coil, CurrentLimit, "the 10-turn coil"};
    case FiftyTurnCoilMask:
        return {Kind::Coil, CurrentLimit, "the 50-turn coil"};
    default:
        return {Kind::Elsewhere, 0, "no output point"};
    }
}

QString OutputPoint::Objection(const OutputRange &range, double value) const {
    if (kind == Kind::Elsewhere)
        return {};
    const QString point = QLatin1String(name);
    const bool current = range.Kind() == OutputRange::Quantity::Current;
    if (current && kind == Kind::VoltageTerminals)
        return QStringLiteral("current range R%1 on %2").arg(range.Number()).arg(point);
    if (!current && kind != Kind::VoltageTerminals)
        return QStringLiteral("voltage range R%1 on %2").arg(range.Number()).arg(point);
    const double amperes = std::abs(range.InBase(value));
    if (current && amperes > currentLimit)
        return QStringLiteral("%1 A%2 through %3 (at most %4 A)")
            .arg(amperes)
            .arg(kind == Kind::Coil ? QStringLiteral(" per turn") : QString())
            .arg(point)
            .arg(currentLimit);
    return {};
}

} // namespace vk220::sim
