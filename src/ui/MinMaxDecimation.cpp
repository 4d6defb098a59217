#include "MinMaxDecimation.h"

#include <algorithm>

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

} // namespace

QList<QPointF> Points(std::span<const ReadingHistory::Sample> series, int columns, double origin) {
    QList<QPointF> points;
    if (series.empty() || columns < 1)
        return points;
    const double start = series.front().seconds;
    const double span = series.back().seconds - start;
    const double perColumn = span > 0 ? span / columns : 1.0;
    points.reserve(2 * std::min<qsizetype>(columns, static_cast<qsizetype>(series.size())));
    Column column;
    int index = 0;
    for (const ReadingHistory::Sample &sample : series) {
        if (!sample.IsMeasured())
            continue;
        const int at =
            std::min(columns - 1, static_cast<int>((sample.seconds - start) / perColumn));
        if (at != index) {
            Emit(column, origin, points);
            column = {};
            index = at;
        }
        if (!column.low || sample.value < column.low->value)
            column.low = &sample;
        if (!column.high || sample.value > column.high->value)
            column.high = &sample;
    }
    Emit(column, origin, points);
    return points;
}

} // namespace MinMaxDecimation
