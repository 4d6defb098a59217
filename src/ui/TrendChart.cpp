#include "TrendChart.h"

#include "MinMaxDecimation.h"

#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Minutes or hours read better than thousands of seconds on a long run.
struct TimeScale {
    double seconds;
    QString title;
};

TimeScale ScaleFor(double span) {
    if (span > 2 * 3600.0)
        return {3600.0, QStringLiteral("Time (h)")};
    if (span > 2 * 60.0)
        return {60.0, QStringLiteral("Time (min)")};
    return {1.0, QStringLiteral("Time (s)")};
}

// 1, 2 or 5 times a power of ten, the nearest not below `rough`.
double NiceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double step : {1.0, 2.0, 5.0})
        if (step * power >= rough)
            return step * power;
    return 10.0 * power;
}

} // namespace

TrendChart::TrendChart(QWidget *parent)
    : QChartView(parent), line(new QLineSeries), timeAxis(new QValueAxis),
      valueAxis(new QValueAxis) {
    QChart *trend = chart();
    trend->legend()->hide();
    trend->setAnimationOptions(QChart::NoAnimation);
    trend->setMargins(QMargins(4, 4, 4, 4));
    trend->addSeries(line);
    trend->addAxis(timeAxis, Qt::AlignBottom);
    trend->addAxis(valueAxis, Qt::AlignLeft);
    line->attachAxis(timeAxis);
    line->attachAxis(valueAxis);
    // Ticks at round numbers, however long the series has run and however far it spreads.
    for (QValueAxis *axis : {timeAxis, valueAxis}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0.0);
    }
    timeAxis->setLabelFormat(QStringLiteral("%g"));
    setRenderHint(QPainter::Antialiasing, false);
}

void TrendChart::Plot(std::span<const ReadingHistory::Sample> series,
                      const ReadingHistory::Range &range) {
    const double origin = series.empty() ? 0.0 : series.front().seconds;
    const double span = series.empty() ? 0.0 : series.back().seconds - origin;
    const TimeScale scale = ScaleFor(span);
    // Before the chart is first laid out its plot area is empty: the view's width stands in.
    const qreal plotWidth = chart()->plotArea().width();
    const int columns = std::max(1, static_cast<int>(plotWidth > 0 ? plotWidth : width()));
    QList<QPointF> points = MinMaxDecimation::Points(series, columns, origin);
    double low = 0.0;
    double high = 0.0;
    for (qsizetype i = 0; i < points.size(); ++i) {
        QPointF &point = points[i];
        point.setX(point.x() / scale.seconds);
        low = i == 0 ? point.y() : std::min(low, point.y());
        high = i == 0 ? point.y() : std::max(high, point.y());
    }
    // A steady reading still gets a readable band: a few steps of the display's last digit.
    const double step = std::pow(10.0, -range.decimals);
    const double margin = std::max((high - low) * 0.05, 2 * step);
    line->replace(points);
    timeAxis->setTitleText(scale.title);
    const double end = std::max(span / scale.seconds, 1.0 / scale.seconds);
    timeAxis->setRange(0.0, end);
    timeAxis->setTickInterval(NiceStep(end / 5));
    valueAxis->setTitleText(range.unit);
    valueAxis->setLabelFormat(QStringLiteral("%.%1f").arg(range.decimals));
    valueAxis->setRange(low - margin, high + margin);
    valueAxis->setTickInterval(NiceStep((high - low + 2 * margin) / 4));
}

int TrendChart::PointCount() const {
    return static_cast<int>(line->count());
}
