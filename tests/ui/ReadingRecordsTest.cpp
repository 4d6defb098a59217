#include "link/Reading.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "ui/logic/MinMaxDecimation.h"
#include "ui/logic/ReadingHistory.h"
#include "ui/logic/ReadingLog.h"
#include "ui/logic/ReadingStatistics.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <cmath>

#include <csignal>
#include <sys/resource.h>

using namespace vk220::link;
using namespace vk220::ui;

namespace {

ReadingHistory::Shown On(const QString &range, double value, bool overRange = false) {
    return {Reading::Fixed(value, 3, QStringLiteral("mA")), range, QStringLiteral("mA"), 3,
            overRange};
}

QList<QPointF> Joined(const MinMaxDecimation::Trace &trace) {
    QList<QPointF> points;
    for (const QList<QPointF> &segment : trace.segments)
        points.append(segment);
    return points;
}

QByteArray Contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ReadingRecordsTest : public QObject {
    Q_OBJECT
private slots:
    void StatisticsOverASeriesWithOverRangeAndARangeChange();
    void DecimationKeepsEveryColumnsMinimumAndMaximum();
    void ReadingsWithoutANumberBreakTheTraceAndTakeNoPlace();
    void LogLinesAndAFullDisk();
    void ALogFileDeletedReplacedOrCutShort();
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
        history.Add({Reading::Fixed(value, 3, QString()), QStringLiteral("30V Range"),
                     QStringLiteral("V"), 3},
                    t += 0.5);
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
    const MinMaxDecimation::Trace trace =
        MinMaxDecimation::Points(history.CurrentSeries(), Columns, 100.0);
    // The over-range reading breaks the line, and is marked where it stands.
    QCOMPARE(trace.segments.size(), qsizetype(2));
    QCOMPARE(trace.overRange, QList<QPointF>{QPointF(9000 * 0.5, 0)});
    const QList<QPointF> points = Joined(trace);
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
    QCOMPARE(
        Joined(MinMaxDecimation::Points(history.CurrentSeries().first(5), Columns, 100.0)).size(),
        qsizetype(5));
}

void ReadingRecordsTest::ReadingsWithoutANumberBreakTheTraceAndTakeNoPlace() {
    ReadingHistory history;
    const QString range = QStringLiteral("30mA Range");
    double t = 0;
    const auto add = [&](double value, bool over, bool noReply, bool noNumber = false) {
        ReadingHistory::Shown shown = On(range, value, over);
        shown.noReply = noReply;
        shown.noNumber = noNumber;
        history.Add(shown, t += 0.5);
    };
    add(1, false, false);
    add(2, false, false);
    add(0, true, false);
    add(0, true, false);
    add(3, false, false);
    add(0, false, true);
    add(0, false, true);
    add(0, false, false, true);
    add(5, false, false);
    const MinMaxDecimation::Trace trace =
        MinMaxDecimation::Points(history.CurrentSeries(), 1000, 0.0);
    QCOMPARE(trace.segments, (QList<QList<QPointF>>{{{0.5, 1}, {1.0, 2}}, {{2.5, 3}}, {{4.5, 5}}}));
    QCOMPARE(trace.overRange, QList<QPointF>{QPointF(1.5, 0)});
    QCOMPARE(trace.unread, QList<QPointF>{QPointF(3.0, 0)});

    // The last three readings with a reply: 3, the over-range one and 5.
    const ReadingStatistics last = ReadingStatistics::Of(history.CurrentSeries(), 3);
    QCOMPARE(last.count, 2);
    QCOMPARE(last.overRange, 1);
    QCOMPARE(last.mean, 4.0);
    QCOMPARE(ReadingStatistics::Of(history.CurrentSeries(), 1).mean, 5.0);

    // NULL switched on, and off again, starts a series of its own.
    ReadingHistory::Shown relative = On(range, 0);
    relative.relative = true;
    history.Add(relative, t += 0.5);
    QCOMPARE(history.SeriesCount(), 2);
    history.Add(On(range, 1), t += 0.5);
    QCOMPARE(history.SeriesCount(), 3);
}

void ReadingRecordsTest::LogLinesAndAFullDisk() {
    ReadingHistory history;
    const QDateTime at(QDate(2026, 3, 1), QTime(14, 5, 9, 42), QTimeZone(3600));
    const ReadingHistory::Shown relative{QStringLiteral("-0.0123mV"),
                                         QStringLiteral("100mV Range"),
                                         QStringLiteral("mV"),
                                         2,
                                         false,
                                         true};
    QCOMPARE(ReadingLog::Line(at, QStringLiteral("DMM"), relative),
             QByteArray("2026-03-01T14:05:09.042+01:00,DMM,100mV Range,-0.0123,mV,NULL\r\n"));
    const ReadingHistory::Shown over{
        QStringLiteral("Over Range"), QStringLiteral("1, 2"), QStringLiteral("V"), 1, true, true};
    QCOMPARE(ReadingLog::Line(at, QStringLiteral("INS"), over),
             QByteArray("2026-03-01T14:05:09.042+01:00,INS,\"1, 2\",,V,Over Range;NULL\r\n"));
    // At UTC the offset is written as at any other; the number is the display's, its "-" too.
    const QDateTime utc(QDate(2026, 3, 1), QTime(14, 5, 9, 42), QTimeZone(0));
    const ReadingHistory::Shown negativeZero{QStringLiteral("-0.0000V"), QStringLiteral("1V Range"),
                                             QStringLiteral("V"), 4};
    QCOMPARE(ReadingLog::Line(utc, QStringLiteral("DMM"), negativeZero),
             QByteArray("2026-03-01T14:05:09.042+00:00,DMM,1V Range,-0.0000,V,\r\n"));
    ReadingHistory::Shown noNumber{QStringLiteral("0.0000V"), QStringLiteral("1V Range"),
                                   QStringLiteral("V"), 4};
    noNumber.noNumber = true;
    QCOMPARE(ReadingLog::Line(utc, QStringLiteral("DMM"), noNumber),
             QByteArray("2026-03-01T14:05:09.042+00:00,DMM,1V Range,0.0000,V,No Number\r\n"));
    QCOMPARE(ReadingLog::NullOffsetLine(
                 utc.toOffsetFromUtc(-5400), QStringLiteral("DMM"),
                 {QStringLiteral("0.1100V"), QStringLiteral("1V Range"), QStringLiteral("V"), 4}),
             QByteArray("2026-03-01T12:35:09.042-01:30,DMM,1V Range,0.1100,V,NULL Offset\r\n"));

    RecordingMessageBoxes boxes;
    ReadingLog log(boxes);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("readings.csv"));
    QVERIFY(log.Start(path));
    log.Write(at, QStringLiteral("DMM"), relative);
    // On disk at once, while the log is still open.
    QCOMPARE(Contents(path),
             ReadingLog::Header + ReadingLog::Line(at, QStringLiteral("DMM"), relative));

    // A full disk: one box, the log stops, later readings are not tried.
    QVERIFY(!log.Start(QStringLiteral("/dev/full")));
    QVERIFY(!log.Active());
    log.Write(at, QStringLiteral("DMM"), relative);
    const QList<RecordingMessageBoxes::Box> expected{RecordingMessageBoxes::Exclamation(
        QStringLiteral("Reading Log"), QStringLiteral("Logging has stopped: /dev/full could not "
                                                      "be written.\r\rNo space left on device"))};
    QCOMPARE(boxes.shown, expected);
}

void ReadingRecordsTest::ALogFileDeletedReplacedOrCutShort() {
    const QDateTime at(QDate(2026, 3, 1), QTime(14, 5, 9, 42), QTimeZone(3600));
    const ReadingHistory::Shown reading{QStringLiteral("1.000mA"), QStringLiteral("30mA Range"),
                                        QStringLiteral("mA"), 3};
    const QByteArray line = ReadingLog::Line(at, QStringLiteral("DMM"), reading);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("readings.csv"));
    const auto stopped = [&](const QString &why) {
        return QList<RecordingMessageBoxes::Box>{RecordingMessageBoxes::Exclamation(
            QStringLiteral("Reading Log"),
            QStringLiteral("Logging has stopped: %1 could not be written.\r\r%2").arg(path, why))};
    };
    const QString gone = QStringLiteral("The file was deleted or replaced by another one.");

    // Deleted: the next reading ends the log with one box, and the readings after it try nothing.
    for (const bool replaced : {false, true}) {
        RecordingMessageBoxes boxes;
        ReadingLog log(boxes);
        QVERIFY(log.Start(path));
        log.Write(at, QStringLiteral("DMM"), reading);
        QVERIFY(QFile::remove(path));
        if (replaced) {
            QFile other(path);
            QVERIFY(other.open(QIODevice::WriteOnly));
        }
        log.Write(at, QStringLiteral("DMM"), reading);
        log.Write(at, QStringLiteral("DMM"), reading);
        QVERIFY(!log.Active());
        QCOMPARE(log.Written(), 1);
        QCOMPARE(boxes.shown, stopped(gone));
        QCOMPARE(Contents(path), QByteArray());
    }

    // A write that stops part way leaves the file on its last whole line.
    RecordingMessageBoxes boxes;
    ReadingLog log(boxes);
    QVERIFY(log.Start(path));
    log.Write(at, QStringLiteral("DMM"), reading);
    rlimit before{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
    rlimit limited = before;
    limited.rlim_cur = static_cast<rlim_t>(ReadingLog::Header.size() + line.size() + 10);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
    log.Write(at, QStringLiteral("DMM"), reading);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    QVERIFY(!log.Active());
    QCOMPARE(boxes.shown, stopped(QStringLiteral("File too large")));
    QCOMPARE(Contents(path), ReadingLog::Header + line);
}

QTEST_MAIN(ReadingRecordsTest)
#include "ReadingRecordsTest.moc"
