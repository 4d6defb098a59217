#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace vk220::insulation {

// The five test-voltage measuring ranges of the insulation window and the voltage display.
namespace VoltageRanges {

struct Range {
    QString caption;
    int mask;
    double countsPerVolt;
    int decimals;
};

constexpr int Count = 5;
// Left to right: 50 V, 100 V, 250 V, 500 V, 1 kV. Each range reads about 7,275,400 counts at
// its nominal full scale.
const std::array<Range, Count> &Table();

// The voltage read as `counts` on `range`.
double Volts(double counts, const Range &range);

// The lines that switch the adapter to range `index` and label the calibrator's display: the
// preset mask, the range's mask, then "#Ins.: 50V Range".
QStringList SelectCommands(int index);

inline const QString OverRangeText = QStringLiteral("Over Range");
inline const QString InitialText = QStringLiteral("0.00V");

// What the display shows for a reading of `counts` on range `range` (-1 when no range is
// selected): "Over Range" beyond the over-range limit, the volts otherwise, nothing (display
// unchanged) within the limit when no range is selected.
std::optional<QString> DisplayFor(double counts, int range);

// The range must not change while the input may carry a dangerous voltage: the display shows
// 50 V or more of either sign, or "Over Range".
constexpr double GuardVolts = 50.0;
bool GuardRefuses(const QString &display);

} // namespace VoltageRanges

} // namespace vk220::insulation
