#include "ui/logic/ReadingStatistics.h"

#include <algorithm>
#include <cmath>

namespace vk220::ui {

ReadingStatistics ReadingStatistics::Of(std::span<const ReadingHistory::Sample> series, int last) {
    if (last > 0) {
        std::size_t start = series.size();
        for (int taken = 0; start > 0 && taken < last; --start)
            if (!series[start - 1].IsUnread())
                ++taken;
        series = series.subspan(start);
    }
    ReadingStatistics result;
    // Welford's running mean and sum of squared deviations: no cancellation on long steady runs
    // of large values.
    double squares = 0.0;
    for (const ReadingHistory::Sample &sample : series) {
        if (sample.IsOverRange())
            ++result.overRange;
        if (!sample.IsMeasured())
            continue;
        const double value = sample.value;
        if (result.count == 0) {
            result.min = value;
            result.max = value;
        } else {
            result.min = std::min(result.min, value);
            result.max = std::max(result.max, value);
        }
        ++result.count;
        const double delta = value - result.mean;
        result.mean += delta / result.count;
        squares += delta * (value - result.mean);
    }
    if (result.count > 1)
        result.standardDeviation = std::sqrt(squares / (result.count - 1));
    return result;
}

} // namespace vk220::ui
