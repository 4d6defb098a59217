#pragma once

#include "ui/logic/ReadingHistory.h"

#include <span>

namespace vk220::ui {

// Count, mean, standard deviation, minimum, maximum and peak-to-peak of the last readings of a
// series, so that the operator can judge whether a reading has settled. Over-range readings carry
// no number: they are left out of the figures and counted apart. Readings read from nothing (no
// reply, or a reply without a number) take no place among the last ones at all.
struct ReadingStatistics {
    // The choices of the trend window: the last 10, 50 or 200 readings, or all (0).
    static constexpr int Windows[] = {10, 50, 200, 0};

    int count = 0;     // readings with a number
    int overRange = 0; // over-range readings among the last ones
    double mean = 0.0;
    double standardDeviation = 0.0; // of the sample (n - 1); 0 below two readings
    double min = 0.0;
    double max = 0.0;

    double PeakToPeak() const { return max - min; }

    // Over the last `last` readings of `series` that were read from something (all when `last` is
    // 0 or more than there are).
    static ReadingStatistics Of(std::span<const ReadingHistory::Sample> series, int last);
};

} // namespace vk220::ui
