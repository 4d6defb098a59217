#pragma once

#include "ReadingHistory.h"

#include <QChartView>

#include <span>

class QLineSeries;
class QValueAxis;

// The readings of one series against time, in the range's unit, both axes fitted to the
// readings. The series is thinned to two points a pixel column before it reaches the chart, so a
// redraw costs the same after a minute and after a day.
class TrendChart final : public QChartView {
    Q_OBJECT
public:
    explicit TrendChart(QWidget *parent = nullptr);

    void Plot(std::span<const ReadingHistory::Sample> series, const ReadingHistory::Range &range);

    // The points drawn by the last Plot.
    int PointCount() const;

private:
    QLineSeries *line;
    QValueAxis *timeAxis;
    QValueAxis *valueAxis;
};
