#pragma once

#include "ui/logic/ReadingHistory.h"

#include <QList>
#include <QPointF>

#include <span>

namespace vk220::ui {

// Thins a series to what a chart of `columns` pixel columns can show: for every column, the lowest
// and the highest reading that fall in it, in the order they were taken. However long the series,
// the chart draws at most two points a column, and no spike is lost to the thinning. Readings
// without a number (over range, no reply, a reply without a number) break the line: the readings
// on either side go to separate segments, and each stretch of them is marked where it begins (at
// most one break and one mark a column).
// Points are (seconds since `origin`, value); a mark's value is 0.
namespace MinMaxDecimation {

struct Trace {
    QList<QList<QPointF>> segments;
    QList<QPointF> overRange; // where a stretch of over-range readings begins
    QList<QPointF> unread;    // where a stretch of readings read from nothing begins
};

Trace Points(std::span<const ReadingHistory::Sample> series, int columns, double origin);

} // namespace MinMaxDecimation

} // namespace vk220::ui
