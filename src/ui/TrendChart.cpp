#include "ui/TrendChart.h"

#include "ui/logic/MinMaxDecimation.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace vk220::ui {

namespace {

const QColor LineColour(32, 80, 160);

// 1, 2 or 5 times a power of ten, the nearest not below `rough`.
double NiceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double step : {1.0, 2.0, 5.0})
        if (step * power >= rough)
            return step * power;
    return 10.0 * power;
}

QScatterSeries *Marks(QScatterSeries::MarkerShape shape, const QColor &colour) {
    auto *marks = new QScatterSeries;
    marks->setMarkerShape(shape);
    marks->setMarkerSize(9);
    marks->setColor(colour);
    marks->setBorderColor(colour);
    return marks;
}

// The marks of `gaps` at the height `y`, at the clock time of each.
QList<QPointF> AtHeight(const QList<QPointF> &gaps, double clockAtOrigin, double y) {
    QList<QPointF> points;
    points.reserve(gaps.size());
    for (const QPointF &gap : gaps)
        points.append({clockAtOrigin + gap.x() * 1000.0, y});
    return points;
}

} // namespace

TrendChart::TrendChart(QWidget *parent)
    : QChartView(parent),
      overRangeMarks(Marks(QScatterSeries::MarkerShapeTriangle, QColor(192, 0, 0))),
      unreadMarks(Marks(QScatterSeries::MarkerShapeCircle, Qt::gray)), timeAxis(new QDateTimeAxis),
      valueAxis(new QValueAxis) {
    QChart *trend = chart();
    trend->legend()->hide();
    trend->setAnimationOptions(QChart::NoAnimation);
    trend->setMargins(QMargins(4, 4, 4, 4));
    trend->addAxis(timeAxis, Qt::AlignBottom);
    trend->addAxis(valueAxis, Qt::AlignLeft);
    for (QScatterSeries *marks : {overRangeMarks, unreadMarks}) {
        trend->addSeries(marks);
        marks->attachAxis(timeAxis);
        marks->attachAxis(valueAxis);
    }
    timeAxis->setTitleText(QStringLiteral("Time"));
    timeAxis->setFormat(QStringLiteral("HH:mm:ss"));
    timeAxis->setTickCount(5);
    // Ticks at round numbers, however far the readings spread.
    valueAxis->setTickType(QValueAxis::TicksDynamic);
    valueAxis->setTickAnchor(0.0);
    setRenderHint(QPainter::Antialiasing, false);
}

QLineSeries &TrendChart::Line(int index) {
    while (pool.size() <= index) {
        auto *line = new QLineSeries;
        line->setColor(LineColour);
        chart()->addSeries(line);
        line->attachAxis(timeAxis);
        line->attachAxis(valueAxis);
        pool.append(line);
    }
    return *pool[index];
}

void TrendChart::Plot(const ReadingHistory &history, std::span<const ReadingHistory::Sample> series,
                      const ReadingHistory::Range &range) {
    const double origin = series.empty() ? 0.0 : series.front().seconds;
    const double span = series.empty() ? 0.0 : series.back().seconds - origin;
    const double clockAtOrigin = static_cast<double>(history.ClockAt(origin).toMSecsSinceEpoch());
    // Before the chart is first laid out its plot area is empty: the view's width stands in.
    const qreal plotWidth = chart()->plotArea().width();
    const int columns = std::max(1, static_cast<int>(plotWidth > 0 ? plotWidth : width()));
    MinMaxDecimation::Trace trace = MinMaxDecimation::Points(series, columns, origin);
    double low = 0.0;
    double high = 0.0;
    bool first = true;
    for (QList<QPointF> &segment : trace.segments)
        for (QPointF &point : segment) {
            point.setX(clockAtOrigin + point.x() * 1000.0);
            low = first ? point.y() : std::min(low, point.y());
            high = first ? point.y() : std::max(high, point.y());
            first = false;
        }
    lines = static_cast<int>(trace.segments.size());
    for (int i = 0; i < lines; ++i)
        Line(i).replace(trace.segments[i]);
    for (qsizetype i = lines; i < pool.size(); ++i)
        pool[i]->clear();
    // A steady reading still gets a readable band: a few steps of the display's last digit.
    const double step = std::pow(10.0, -range.decimals);
    const double margin = std::max((high - low) * 0.05, 2 * step);
    overRangeMarks->replace(AtHeight(trace.overRange, clockAtOrigin, high + margin));
    unreadMarks->replace(AtHeight(trace.unread, clockAtOrigin, low - margin));
    const auto start = static_cast<qint64>(clockAtOrigin);
    timeAxis->setRange(
        QDateTime::fromMSecsSinceEpoch(start),
        QDateTime::fromMSecsSinceEpoch(start + static_cast<qint64>(std::max(span, 1.0) * 1000.0)));
    valueAxis->setTitleText(range.caption.isEmpty()
                                ? range.unit
                                : QStringLiteral("%1 (%2)").arg(range.unit, range.caption));
    valueAxis->setLabelFormat(QStringLiteral("%.%1f").arg(range.decimals));
    valueAxis->setRange(low - margin, high + margin);
    valueAxis->setTickInterval(NiceStep((high - low + 2 * margin) / 4));
}

int TrendChart::PointCount() const {
    int count = 0;
    for (int i = 0; i < lines; ++i)
        count += static_cast<int>(pool[i]->count());
    return count;
}

int TrendChart::OverRangeMarks() const {
    return static_cast<int>(overRangeMarks->count());
}

int TrendChart::UnreadMarks() const {
    return static_cast<int>(unreadMarks->count());
}

} // namespace vk220::ui
