#pragma once

#include "sim/OutputRange.h"

#include <QString>

namespace vk220::sim {

// Where the adapter routes the calibrator's output, as its latched switching mask says: the
// voltage terminals, the LOW CURRENT terminals (the 0 to 2 A path), the HIGH CURRENT terminals
// (2 to 30 A), or a clamp coil that carries the calibrator's current through its 2, 10 or 50
// turns. Any other mask routes the output to none of them.
class OutputPoint {
public:
    static constexpr qint64 VoltageTerminalsMask = 17039360;
    static constexpr qint64 LowCurrentMask = 16908288;
    static constexpr qint64 HighCurrentMask = 16843008;
    static constexpr qint64 TwoTurnCoilMask = 16778240;
    static constexpr qint64 TenTurnCoilMask = 16777728;
    static constexpr qint64 FiftyTurnCoilMask = 16779264;
    // The LOW CURRENT path carries what the calibrator's ranges below 2.03 A give.
    static constexpr double LowCurrentLimit = 2.03;
    // Amperes through the HIGH CURRENT terminals, and through each turn of a coil.
    static constexpr double CurrentLimit = 30;

    static OutputPoint FromMask(qint64 mask);

    // Why `value` (in the unit of `range`) must not be live at this point; empty when it may.
    QString Objection(const OutputRange &range, double value) const;

private:
    enum class Kind { Elsewhere, VoltageTerminals, CurrentPath, Coil };
    OutputPoint(Kind kind, double currentLimit, const char *name)
        : kind(kind), currentLimit(currentLimit), name(name) {}

    Kind kind;
    double currentLimit; // amperes the calibrator may drive into this point
    const char *name;
};

} // namespace vk220::sim
