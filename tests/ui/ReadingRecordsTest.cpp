#include "MinMaxDecimation.h"
#include "ReadingHistory.h"
#include "ReadingLog.h"
#include "ReadingStatistics.h"
#include "RecordingMessageBoxes.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <cmath>

namespace {

ReadingHistory::Shown On(const QString &range, double value, bool overRange = false) {
    return {value, range, QStringLiteral("mA"), 3, overRange, false};
}

} // namespace

class ReadingRecordsTest : public QObject {
    Q_OBJECT
private slots:
    void StatisticsOverASeriesWithOverRangeAndARangeChange();
    void DecimationKeepsEveryColumnsMinimumAndMaximum();
    void LogLinesAndAFullDisk();
};

void ReadingRecordsTest::StatisticsOverASeriesWithOverRangeAndARangeChange() {
    ReadingHistory history;
    const QString first = QStringLiteral("30mA Range");
    double t = 0;
    for (double value : {2.0, 4.0, 4.0, 4.0})
        history.Add(On(first, value), t += 0.5);
    history.Add(On(first, 0, true), t += 0.5);
    for (double value : {5.0, 5.0, 7.0, 9.0004})
        history.Add(On(first, value), t += 0.5);
    QCOMPARE(history.SeriesCount(), 1);
    // Kept as shown, to the display's three decimals.
    QCOMPARE(history.CurrentSeries().back().value, 9.0);

    ReadingStatistics all = ReadingStatistics::Of(history.CurrentSeries(), 0);
    QCOMPARE(all.count, 8);
    QCOMPARE(all.overRange, 1);
    QCOMPARE(all.mean, 5.0);
    QVERIFY(std::fabs(all.standardDeviation - std::sqrt(32.0 / 7.0)) < 1e-12);
    QCOMPARE(all.min, 2.0);
    QCOMPARE(all.max, 9.0);
    QCOMPARE(all.PeakToPeak(), 7.0);
    // The last five readings hold the over-range one.
    const ReadingStatistics last = ReadingStatistics::Of(history.CurrentSeries(), 5);
    QCOMPARE(last.count, 4);
    QCOMPARE(last.overRange, 1);
    QCOMPARE(last.mean, 6.5);
    QCOMPARE(last.min, 5.0);

    // Another range starts a new series: the earlier readings leave the figures.
    for (double value : {10.0, 12.0, 14.0})
        history.Add({value, QStringLiteral("30V Range"), QStringLiteral("V"), 3}, t += 0.5);
    QCOMPARE(history.SeriesCount(), 2);
    QCOMPARE(history.Count(), std::size_t(12));
    all = ReadingStatistics::Of(history.CurrentSeries(), 200);
    QCOMPARE(all.count, 3);
    QCOMPARE(all.overRange, 0);
    QCOMPARE(all.mean, 12.0);
    QCOMPARE(all.standardDeviation, 2.0);
    QCOMPARE(history.RangeOf(history.CurrentSeries().front()).unit, QStringLiteral("V"));
    // The same range again after a reset begins afresh.
    history.Reset();
    QCOMPARE(ReadingStatistics::Of(history.CurrentSeries(), 10).count, 0);
    history.Add(On(first, 1.0), t += 0.5);
    QCOMPARE(history.SeriesCount(), 1);

    // Past two days the oldest readings make room, an eighth at a time.
    constexpr std::size_t Most = ReadingHistory::MaximumCount;
    for (std::size_t i = 1; i <= Most; ++i)
        history.Add(On(first, 1.0), t += 0.5);
    QCOMPARE(history.Count(), Most - Most / 8 + 1);
    QCOMPARE(history.CurrentSeries().size(), history.Count());
    QCOMPARE(history.CurrentSeries().front().seconds, t - (Most - Most / 8) * 0.5);
}

void ReadingRecordsTest::DecimationKeepsEveryColumnsMinimumAndMaximum() {
    ReadingHistory history;
    constexpr int Count = 20000;
    for (int i = 0; i < Count; ++i) {
        const double spike = i == 12345 ? 50.0 : i == 777 ? -50.0 : 0.0;
        history.Add(On(QStringLiteral("30mA Range"), std::sin(i / 100.0) + spike, i == 9000),
                    100.0 + i * 0.5);
    }
    constexpr int Columns = 300;
    const QList<QPointF> points = MinMaxDecimation::Points(history.CurrentSeries(), Columns, 100.0);
    QVERIFY(points.size() <= 2 * Columns);
    QVERIFY(points.size() > Columns);
    double low = 0;
    double high = 0;
    for (qsizetype i = 0; i < points.size(); ++i) {
        low = std::min(low, points[i].y());
        high = std::max(high, points[i].y());
        if (i > 0)
            QVERIFY(points[i].x() > points[i - 1].x());
    }
    // The two spikes survive, at their own times.
    const auto series = history.CurrentSeries();
    QVERIFY(points.contains(QPointF(12345 * 0.5, series[12345].value)));
    QVERIFY(points.contains(QPointF(777 * 0.5, series[777].value)));
    QCOMPARE(high, series[12345].value);
    QCOMPARE(low, series[777].value);
    QVERIFY(high > 49 && low < -49);
    // The first column, a 300th of the time, keeps exactly its lowest and highest reading.
    const double width = (Count - 1) * 0.5 / Columns;
    double columnMin = 1e9;
    double columnMax = -1e9;
    for (const ReadingHistory::Sample &sample : series)
        if (sample.seconds - 100.0 < width) {
            columnMin = std::min(columnMin, sample.value);
            columnMax = std::max(columnMax, sample.value);
        }
    QCOMPARE(points[0].y(), columnMin);
    QCOMPARE(points[1].y(), columnMax);
    // A short series is drawn whole.
    QCOMPARE(MinMaxDecimation::Points(history.CurrentSeries().first(5), Columns, 100.0).size(),
             qsizetype(5));
}

void ReadingRecordsTest::LogLinesAndAFullDisk() {
    ReadingHistory history;
    const QDateTime at(QDate(2026, 3, 1), QTime(14, 5, 9, 42), QTimeZone(3600));
    const ReadingHistory::Sample relative = history.Add(
        {-0.0123, QStringLiteral("100mV Range"), QStringLiteral("mV"), 2, false, true}, 1.0);
    QCOMPARE(ReadingLog::Line(at, QStringLiteral("DMM"), history.RangeOf(relative), relative),
             QByteArray("2026-03-01T14:05:09.042+01:00,DMM,100mV Range,-0.01,mV,NULL\r\n"));
    const ReadingHistory::Sample over =
        history.Add({0, QStringLiteral("1, 2"), QStringLiteral("V"), 1, true, true}, 1.5);
    QCOMPARE(ReadingLog::Line(at, QStringLiteral("INS"), history.RangeOf(over), over),
             QByteArray("2026-03-01T14:05:09.042+01:00,INS,\"1, 2\",,V,Over Range;NULL\r\n"));

    RecordingMessageBoxes boxes;
    ReadingLog log(boxes);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("readings.csv"));
    QVERIFY(log.Start(path));
    log.Write(at, QStringLiteral("DMM"), history.RangeOf(relative), relative);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    // On disk at once, while the log is still open.
    QCOMPARE(written.readAll(),
             ReadingLog::Header +
                 ReadingLog::Line(at, QStringLiteral("DMM"), history.RangeOf(relative), relative));

    // A full disk: one box, the log stops, later readings are not tried.
    QVERIFY(!log.Start(QStringLiteral("/dev/full")));
    QVERIFY(!log.Active());
    log.Write(at, QStringLiteral("DMM"), history.RangeOf(relative), relative);
    const QList<RecordingMessageBoxes::Box> expected{RecordingMessageBoxes::Exclamation(
        QStringLiteral("Reading Log"), QStringLiteral("Logging has stopped: /dev/full could not "
                                                      "be written.\r\rNo space left on device"))};
    QCOMPARE(boxes.shown, expected);
}

QTEST_MAIN(ReadingRecordsTest)
#include "ReadingRecordsTest.moc"
