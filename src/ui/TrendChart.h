#pragma once

#include "ui/logic/ReadingHistory.h"

#include <QChartView>

#include <span>

class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace vk220::ui {

// The readings of one series against the clock time they were taken, in the range's unit, both
// axes fitted to the readings. The line breaks where readings carry no number, and the gap is
// marked: a red triangle on top where over-range readings begin, a grey circle at the bottom where
// readings read from nothing begin. The series is thinned to two points a pixel column before it
// reaches the chart, so a redraw costs the same after a minute and after a day.
class TrendChart final : public QChartView {
    Q_OBJECT
public:
    explicit TrendChart(QWidget *parent = nullptr);

    void Plot(const ReadingHistory &history, std::span<const ReadingHistory::Sample> series,
              const ReadingHistory::Range &range);

    // The points drawn by the last Plot, the unbroken lines they form and the gaps marked.
    int PointCount() const;
    int LineCount() const { return lines; }
    int OverRangeMarks() const;
    int UnreadMarks() const;
    const QDateTimeAxis &TimeAxis() const { return *timeAxis; }
    const QValueAxis &ValueAxis() const { return *valueAxis; }

private:
    // The line series for segment `index`, made when first needed and kept for later plots.
    QLineSeries &Line(int index);

    QList<QLineSeries *> pool;
    int lines = 0;
    QScatterSeries *overRangeMarks;
    QScatterSeries *unreadMarks;
    QDateTimeAxis *timeAxis;
    QValueAxis *valueAxis;
};

} // namespace vk220::ui
