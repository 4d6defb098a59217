#include "ui/logic/MinMaxDecimation.h"

#include <algorithm>
#include <utility>

namespace vk220::ui {

namespace MinMaxDecimation {

namespace {

struct Column {
    const ReadingHistory::Sample *low = nullptr;
    const ReadingHistory::Sample *high = nullptr;
};

void Emit(const Column &column, double origin, QList<QPointF> &points) {
    if (!column.low)
        return;
    const ReadingHistory::Sample *first = column.low;
    const ReadingHistory::Sample *second = column.high;
    if (second < first)
        std::swap(first, second);
    points.append({first->seconds - origin, first->value});
    if (second != first)
        points.append({second->seconds - origin, second->value});
}

// Draws the column so far into the segment under way; a gap then closes the segment.
struct Builder {
    Trace trace;
    QList<QPointF> segment;
    Column column;
    double origin;
    // The column of the last break and of the last mark: at most one of each a column, so that
    // readings flickering in and out of range cost no more than a steady series.
    int brokenAt = -1;
    int markedAt = -1;

    void Flush() {
        Emit(column, origin, segment);
        column = {};
    }
    void Break() {
        Flush();
        if (!segment.isEmpty())
            trace.segments.append(std::exchange(segment, {}));
    }
};

} // namespace

Trace Points(std::span<const ReadingHistory::Sample> series, int columns, double origin) {
    Builder builder{{}, {}, {}, origin};
    if (series.empty() || columns < 1)
        return builder.trace;
    const double start = series.front().seconds;
    const double span = series.back().seconds - start;
    const double perColumn = span > 0 ? span / columns : 1.0;
    int index = 0;
    const ReadingHistory::Sample *previous = nullptr;
    for (const ReadingHistory::Sample &sample : series) {
        const int at =
            std::min(columns - 1, static_cast<int>((sample.seconds - start) / perColumn));
        if (at != index) {
            builder.Flush();
            index = at;
        }
        if (!sample.IsMeasured()) {
            const bool over = sample.IsOverRange();
            const bool begins =
                !previous || previous->IsMeasured() || previous->IsOverRange() != over;
            if (begins && builder.markedAt != at) {
                (over ? builder.trace.overRange : builder.trace.unread)
                    .append({sample.seconds - origin, 0.0});
                builder.markedAt = at;
            }
            if (builder.brokenAt != at) {
                builder.Break();
                builder.brokenAt = at;
            }
        } else {
            Column &column = builder.column;
            if (!column.low || sample.value < column.low->value)
                column.low = &sample;
            if (!column.high || sample.value > column.high->value)
                column.high = &sample;
        }
        previous = &sample;
    }
    builder.Break();
    return builder.trace;
}

} // namespace MinMaxDecimation

} // namespace vk220::ui
