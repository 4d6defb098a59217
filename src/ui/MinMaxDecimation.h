#pragma once

#include "ReadingHistory.h"

#include <QList>
#include <QPointF>

#include <span>

// Thins a series to what a chart of `columns` pixel columns can show: for every column, the lowest
// and the highest reading that fall in it, in the order they were taken. However long the series,
// the chart draws at most two points a column, and no spike is lost to the thinning. Over-range
// readings carry no number and are left out. Points are (seconds since `origin`, value).
namespace MinMaxDecimation {

QList<QPointF> Points(std::span<const ReadingHistory::Sample> series, int columns, double origin);

} // namespace MinMaxDecimation
