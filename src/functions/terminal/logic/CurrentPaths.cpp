#include "functions/terminal/logic/CurrentPaths.h"

#include <algorithm>
#include <limits>

namespace vk220::terminal {

namespace {

struct PathRange {
    int index;
    double lowest;
    double highest;
};

constexpr std::array<PathRange, 4> ranges{{
    {10, 0, 30},
    {6, 4, 60},
    {7, 20, 300},
    {8, 100, std::numeric_limits<double>::infinity()},
}};

} // namespace

namespace CurrentPaths {

bool IsCurrentPath(int index) {
    return std::find(Order.begin(), Order.end(), index) != Order.end();
}

bool InUse(const QList<int> &shownSelected) {
    return std::any_of(shownSelected.begin(), shownSelected.end(), [](int index) {
        return index == TerminalsPath || (index >= 0 && index <= 2);
    });
}

bool Covers(int index, double magnitude) {
    const auto range = std::find_if(ranges.begin(), ranges.end(),
                                    [index](const PathRange &r) { return r.index == index; });
    return range != ranges.end() && magnitude >= range->lowest && magnitude <= range->highest;
}

QList<int> Offered(double magnitude) {
    QList<int> offered;
    for (const int index : Order) {
        if (Covers(index, magnitude))
            offered << index;
    }
    return offered;
}

bool NeedsReselect(double magnitude, const QList<int> &enabledPaths) {
    return std::any_of(Order.begin(), Order.end(), [&](int index) {
        return enabledPaths.contains(index) && !Covers(index, magnitude);
    });
}

} // namespace CurrentPaths

} // namespace vk220::terminal
