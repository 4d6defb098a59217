#pragma once

#include <QList>

#include <array>

namespace vk220::terminal {

// Where the adapter routes the calibrator's output. The values are the TermBut index of the
// pair's button in the coil row or terminal column.
enum class OutputPoint {
    None = -1,
    Coil2 = 0,
    Coil10 = 1,
    Coil50 = 2,
    Voltage = 3,
    LowCurrent = 4,
    HighCurrent = 5,
};

namespace OutputPoints {

// The TermBut buttons shown selected for a point: the coil and its twin in the current paths,
// VOLTAGE with VOLTAGE TERMINALS, LOW or HIGH CURRENT with TERMINALS (to 30A).
QList<int> Buttons(OutputPoint point);

// The point recorded by the selected colours of the eleven TermBut buttons.
OutputPoint FromSelection(const std::array<bool, 11> &selected);

bool IsCoil(OutputPoint point);

// Turns of the point's clamp coil; 1 when the point is no coil.
int CoilTurns(OutputPoint point);

} // namespace OutputPoints

} // namespace vk220::terminal
