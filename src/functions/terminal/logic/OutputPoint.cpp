#include "functions/terminal/logic/OutputPoint.h"

namespace vk220::terminal {

namespace OutputPoints {

QList<int> Buttons(OutputPoint point) {
    switch (point) {
    case OutputPoint::None:
        return {};
    case OutputPoint::HighCurrent:
        return {5, 10};
    default:
        return {static_cast<int>(point), static_cast<int>(point) + 6};
    }
}

OutputPoint FromSelection(const std::array<bool, 11> &selected) {
    for (int index = 0; index <= static_cast<int>(OutputPoint::HighCurrent); ++index) {
        if (selected[static_cast<size_t>(index)])
            return static_cast<OutputPoint>(index);
    }
    return OutputPoint::None;
}

bool IsCoil(OutputPoint point) {
    return CoilTurns(point) > 1;
}

int CoilTurns(OutputPoint point) {
    switch (point) {
    case OutputPoint::Coil2:
        return 2;
    case OutputPoint::Coil10:
        return 10;
    case OutputPoint::Coil50:
        return 50;
    default:
        return 1;
    }
}

} // namespace OutputPoints

} // namespace vk220::terminal
