#include "functions/continuity/ContForm.h"
#include "functions/measurement/DMMForm.h"
#include "tests/functions/insulation/InsRig.h"
#include "tests/support/FindControl.h"
#include "tests/support/LoadedWindow.h"

#include "ui/ButtonArray.h"
#include "ui/PollingTimer.h"
#include "ui/ReadingMarks.h"
#include "ui/ReadingTools.h"
#include "ui/TrendChart.h"
#include "ui/TrendWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDebug>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QValueAxis>

#include <algorithm>

using namespace vk220::continuity;
using namespace vk220::measurement;
using namespace vk220::ui;

using Box = RecordingMessageBoxes::Box;

namespace {

// Readings stamped by the rig's virtual clock, at 14:05:09.000 (UTC+1) and 500 ms apart; the log
// file the operator picks is the next of `logFiles`, and the name offered is kept in `offered`.
void Script(ReadingTools &tools, FunctionRig &rig, QStringList &logFiles, QString &offered) {
    tools.monotonicSeconds = [&rig] {
        return rig.clock.Now();
    };
    tools.timeOfDay = [tick = 0]() mutable {
        return QDateTime(QDate(2026, 3, 1), QTime(14, 5, 9), QTimeZone(3600))
            .addMSecs(500 * tick++);
    };
    tools.chooseLogFile = [&logFiles, &offered](const QString &proposed) {
        offered = proposed;
        return logFiles.takeFirst();
    };
}

// One reading of a polling window, as the operator sees it during its exchange (SMPL shown) and
// after it.
struct Seen {
    bool sampling = false;
    QRect readingDuring;
    QRect readingAfter;
    QString text;
    bool noReply = false;
    QColor colour;
    bool operator==(const Seen &other) const = default;
};

char *toString(const Seen &seen) {
    QString text;
    QDebug(&text) << "sampling" << seen.sampling << "during" << seen.readingDuring << "after"
                  << seen.readingAfter << seen.text << "no reply" << seen.noReply << seen.colour;
    return qstrdup(text.toUtf8().constData());
}

// Takes one reading of `timer`'s window: answered with `counts`, or no reply when they are empty.
Seen Take(FunctionRig &rig, PollingTimer &timer, QLabel &reading, ReadingMarks &marks,
          const QByteArray &counts) {
    Seen seen;
    // The layout is brought up to date before each look: a mark that moved the reading would show.
    const auto settle = [] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    };
    rig.port.responder = [&](const QString &) {
        settle();
        seen.sampling = !Find<QLabel>(&marks, "SampleLab")->isHidden();
        seen.readingDuring = reading.geometry();
        return counts.isEmpty()
                   ? QList<FakeSerialPort::Chunk>()
                   : QList<FakeSerialPort::Chunk>{{0, counts + FakeSerialPort::Marker}};
    };
    timer.Tick();
    settle();
    seen.readingAfter = reading.geometry();
    seen.text = reading.text();
    seen.noReply = !Find<QLabel>(&marks, "NoReplyLab")->isHidden();
    seen.colour = reading.palette().color(QPalette::WindowText);
    return seen;
}

// Two zero readings, one without a reply and an answered one: the reading without reply shows the
// display's 0, greyed and marked "NO REPLY"; the next answered one clears the mark. Neither "SMPL"
// nor "NO REPLY" moves the reading.
void MarksAReadingWithoutReply(FunctionRig &rig, PollingTimer &timer, QLabel &reading,
                               ReadingMarks &marks, const QByteArray &counts, const QString &shown,
                               const QString &zero) {
    QCOMPARE(Find<QLabel>(&marks, "NoReplyLab")->text(), QStringLiteral("NO REPLY"));
    QCOMPARE(Find<QLabel>(&marks, "NoReplyLab")->palette().color(QPalette::WindowText),
             ReadingMarks::NoReplyColour);
    const QColor colour = reading.palette().color(QPalette::WindowText);
    const QRect place = Take(rig, timer, reading, marks, "0").readingAfter;
    QCOMPARE(Take(rig, timer, reading, marks, "0"),
             (Seen{true, place, place, zero, false, colour}));
    QCOMPARE(Take(rig, timer, reading, marks, QByteArray()),
             (Seen{true, place, place, zero, true, ReadingMarks::GreyedColour}));
    const Seen answered = Take(rig, timer, reading, marks, counts);
    QCOMPARE(answered.text, shown);
    QVERIFY(!answered.noReply);
    QCOMPARE(answered.colour, colour);
}

QByteArray Contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PollingReadingsTest : public QObject {
    Q_OBJECT
private slots:
    void MeasurementWindowTrendsAndLogsWhatItShows();
    void InsulationAndContinuityFeedTheirReadings();
    void EveryPollingWindowMarksAReadingWithoutReply();
};

void PollingReadingsTest::MeasurementWindowTrendsAndLogsWhatItShows() {
    LoadedWindow<DMMForm> w;
    DMMForm &form = *w.form;
    QTemporaryDir folder;
    // Typed without a suffix: ".csv" is added.
    QStringList logFiles{folder.filePath(QStringLiteral("dmm")),
                         folder.filePath(QStringLiteral("closing.csv"))};
    QString offered;
    Script(*Find<ReadingTools>(&form, "ReadingTools"), w.rig, logFiles, offered);
    const QString path = folder.filePath(QStringLiteral("dmm.csv"));
    const auto read = [&](const QByteArray &counts) {
        w.rig.port.AnswerReading(counts);
        Find<PollingTimer>(&form, "ReadTimer")->Tick();
    };
    w.rig.TakeWritten();

    QLabel &logMark = *Find<QLabel>(Find<ReadingTools>(&form, "ReadingTools"), "LogLab");
    QTest::mouseClick(Find<QPushButton>(Find<ReadingTools>(&form, "ReadingTools"), "LogBut"),
                      Qt::LeftButton);
    QCOMPARE(offered, QDir::current().absoluteFilePath(QStringLiteral("DMM-2026-03-01-1405.csv")));
    QCOMPARE(Find<QPushButton>(Find<ReadingTools>(&form, "ReadingTools"), "LogBut")->text(),
             QStringLiteral("Stop Log"));
    QVERIFY(!logMark.isHidden());
    QCOMPARE(logMark.text(), QStringLiteral("\u25CF LOG"));
    QCOMPARE(logMark.toolTip(), QDir::toNativeSeparators(path));
    read("1000000");
    QTest::mouseClick(Find<QPushButton>(&form, "NULLBut"), Qt::LeftButton);
    read("1000000");
    read("1001000");
    read("10000001");
    QCOMPARE(Find<QLabel>(&form, "ReadLab")->text(), QStringLiteral("Overrange"));
    // Logged exactly as shown: not rounded a second time, the "-" of a negative zero kept.
    QTest::mouseClick(Find<QPushButton>(&form, "NULLBut"), Qt::LeftButton);
    read("5885000");
    QCOMPARE(Find<QLabel>(&form, "ReadLab")->text(), QStringLiteral("0.6473V"));
    read("-100");
    QCOMPARE(Find<QLabel>(&form, "ReadLab")->text(), QStringLiteral("-0.0000V"));
    read("ABC");
    QCOMPARE(Find<QLabel>(&form, "ReadLab")->text(), QStringLiteral("0.0000V"));
    QTest::mouseClick(Find<QPushButton>(&form, "DMMBut", 0), Qt::LeftButton);
    read("1000000");
    read("1002000");
    // Silence: the window shows 0, but the log says that nothing was read.
    w.rig.port.responder = [](const QString &) {
        return QList<FakeSerialPort::Chunk>();
    };
    Find<PollingTimer>(&form, "ReadTimer")->Tick();
    QTest::mouseClick(Find<QPushButton>(Find<ReadingTools>(&form, "ReadingTools"), "TrendBut"),
                      Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(Find<ReadingTools>(&form, "ReadingTools"), "LogBut"),
                      Qt::LeftButton);
    QCOMPARE(Find<QPushButton>(Find<ReadingTools>(&form, "ReadingTools"), "LogBut")->text(),
             QStringLiteral("Log..."));
    QVERIFY(logMark.isHidden());
    read("1003000");

    // Not a line more than the window sent before.
    const QString v = QStringLiteral("v");
    QCOMPARE(w.rig.TakeWritten(),
             QStringList({v, v, v, v, v, v, v, QStringLiteral("p17858560"), QStringLiteral("p0"),
                          QStringLiteral("#Measure : 20mA"), v, v, v, v}));
    QCOMPARE(Contents(path),
             QByteArray("Time,Window,Range,Value,Unit,Flags\r\n"
                        "2026-03-01T14:05:09.500+01:00,DMM,1V Range,0.1100,V,\r\n"
                        "2026-03-01T14:05:10.000+01:00,DMM,1V Range,0.1100,V,NULL Offset\r\n"
                        "2026-03-01T14:05:10.500+01:00,DMM,1V Range,0.0000,V,NULL\r\n"
                        "2026-03-01T14:05:11.000+01:00,DMM,1V Range,0.0001,V,NULL\r\n"
                        "2026-03-01T14:05:11.500+01:00,DMM,1V Range,,V,Over Range;NULL\r\n"
                        "2026-03-01T14:05:12.000+01:00,DMM,1V Range,0.6473,V,\r\n"
                        "2026-03-01T14:05:12.500+01:00,DMM,1V Range,-0.0000,V,\r\n"
                        "2026-03-01T14:05:13.000+01:00,DMM,1V Range,0.0000,V,No Number\r\n"
                        "2026-03-01T14:05:13.500+01:00,DMM,30mA Range,3.413,mA,\r\n"
                        "2026-03-01T14:05:14.000+01:00,DMM,30mA Range,3.420,mA,\r\n"
                        "2026-03-01T14:05:14.500+01:00,DMM,30mA Range,,mA,No Reply\r\n"));

    // The trend shows the 30 mA series only, in its unit, and follows each reading.
    TrendWindow *trend = Find<ReadingTools>(&form, "ReadingTools")->Trend();
    QVERIFY(trend && trend->isVisible());
    QCOMPARE(trend->Figure(QStringLiteral("Count")), QStringLiteral("3"));
    QCOMPARE(trend->Figure(QStringLiteral("Min")), QStringLiteral("3.413mA"));
    QCOMPARE(trend->Figure(QStringLiteral("Max")), QStringLiteral("3.424mA"));
    QCOMPARE(trend->Figure(QStringLiteral("Peak-Peak")), QStringLiteral("0.011mA"));
    QCOMPARE(trend->Figure(QStringLiteral("Mean")), QStringLiteral("3.4190mA"));
    QCOMPARE(trend->Figure(QStringLiteral("Std Dev")), QStringLiteral("0.0056mA"));
    // The line breaks where no reply came, and the gap is marked; the time axis reads the clock,
    // the value axis the unit and the range.
    const TrendChart &chart = *Find<TrendChart>(trend, "TrendChart");
    QCOMPARE(chart.PointCount(), 3);
    QCOMPARE(chart.LineCount(), 2);
    QCOMPARE(chart.UnreadMarks(), 1);
    QCOMPARE(chart.OverRangeMarks(), 0);
    QCOMPARE(chart.TimeAxis().format(), QStringLiteral("HH:mm:ss"));
    // It ends at the clock time of the last reading (14:05:15.000, after the log stopped).
    const QDateTime last(QDate(2026, 3, 1), QTime(14, 5, 15), QTimeZone(3600));
    QVERIFY(std::abs(chart.TimeAxis().max().msecsTo(last)) <= 1);
    QCOMPARE(chart.ValueAxis().titleText(), QStringLiteral("mA (30mA Range)"));
    QVERIFY(trend->findChild<QLabel *>(QStringLiteral("StdDevLab")));
    const QList<QLabel *> captions = trend->findChildren<QLabel *>();
    QVERIFY(std::any_of(captions.begin(), captions.end(), [](const QLabel *label) {
        return label->text() == QStringLiteral("\u03C3 (n\u22121):");
    }));
    Find<QComboBox>(trend, "LastBox")->setCurrentIndex(0);
    QCOMPARE(Find<QComboBox>(trend, "LastBox")->currentText(), QStringLiteral("Last 10"));
    QTest::mouseClick(Find<QPushButton>(trend, "ResetBut"), Qt::LeftButton);
    QCOMPARE(trend->Figure(QStringLiteral("Count")), QStringLiteral("0"));
    QCOMPARE(trend->Figure(QStringLiteral("Mean")), QStringLiteral("-"));
    // One reading has a mean but no spread.
    read("1000000");
    QCOMPARE(trend->Figure(QStringLiteral("Mean")), QStringLiteral("3.4130mA"));
    QCOMPARE(trend->Figure(QStringLiteral("Std Dev")), QStringLiteral("-"));
    // Large enough for the axes' numbers; "Close" and Esc close it.
    QVERIFY(trend->width() >= 640 && trend->height() >= 420);
    QCOMPARE(Find<QPushButton>(trend, "CloseBut")->text(), QStringLiteral("Close"));
    QTest::mouseClick(Find<QPushButton>(trend, "CloseBut"), Qt::LeftButton);
    QVERIFY(!trend->isVisible());
    QTest::mouseClick(Find<QPushButton>(Find<ReadingTools>(&form, "ReadingTools"), "TrendBut"),
                      Qt::LeftButton);
    QVERIFY(trend->isVisible());
    QApplication::setActiveWindow(trend);
    QVERIFY(QTest::qWaitForWindowActive(trend));
    QTest::keyClick(trend, Qt::Key_Escape);
    QVERIFY(!trend->isVisible());
    QVERIFY(!Find<QPushButton>(Find<ReadingTools>(&form, "ReadingTools"), "TrendBut")->isChecked());

    // Closing the window ends a log still written, and says where the readings went.
    QTest::mouseClick(Find<QPushButton>(Find<ReadingTools>(&form, "ReadingTools"), "LogBut"),
                      Qt::LeftButton);
    read("1004000");
    QTest::mouseClick(&form.CloseButton(), Qt::LeftButton);
    QVERIFY(w.rig.boxes.shown.isEmpty());
    read("1005000");
    QVERIFY(form.IsUnloaded());
    const QString closing = folder.filePath(QStringLiteral("closing.csv"));
    QCOMPARE(w.rig.boxes.shown,
             QList<Box>{RecordingMessageBoxes::Information(
                 QStringLiteral("Reading Log"),
                 QStringLiteral("The window has closed and its log has ended: 2 readings were "
                                "written to %1.")
                     .arg(QDir::toNativeSeparators(closing)))});
    QVERIFY(!Find<ReadingTools>(&form, "ReadingTools")->Log().Active());
    QVERIFY(logMark.isHidden());
    QCOMPARE(Contents(closing).count("\r\n"), 3);
}

void PollingReadingsTest::InsulationAndContinuityFeedTheirReadings() {
    InsRig ins;
    ins.ClickTab(1);
    for (const QByteArray counts : {"7275400", "10000001"}) {
        ins.port.AnswerReading(counts);
        Find<PollingTimer>(ins.window, "InsVTimer")->Tick();
    }
    const ReadingHistory &volts = Find<ReadingTools>(&ins.Volt(), "ReadingTools")->History();
    QCOMPARE(volts.Count(), std::size_t(2));
    QCOMPARE(volts.CurrentSeries()[0].value, 50.0);
    QCOMPARE(volts.RangeOf(volts.CurrentSeries()[0]),
             (ReadingHistory::Range{QStringLiteral("50V Range"), QStringLiteral("V"), 2}));
    QVERIFY(volts.CurrentSeries()[1].IsOverRange());

    LoadedWindow<ContForm> cont;
    cont.rig.port.AnswerReading("231428");
    Find<PollingTimer>(cont.form, "ContTimer")->Tick();
    const ReadingHistory &current = Find<ReadingTools>(cont.form, "ReadingTools")->History();
    QCOMPARE(current.Count(), std::size_t(1));
    QCOMPARE(current.CurrentSeries()[0].value, 10.0);
    QCOMPARE(current.RangeOf(current.CurrentSeries()[0]),
             (ReadingHistory::Range{QStringLiteral("1 Ohm"), QStringLiteral("mA"), 1}));
    // The tools stand beside Close without moving it off the window.
    QVERIFY(cont.form->rect().contains(cont.form->CloseButton().geometry()));
}

void PollingReadingsTest::EveryPollingWindowMarksAReadingWithoutReply() {
    LoadedWindow<DMMForm> dmm;
    MarksAReadingWithoutReply(dmm.rig, *Find<PollingTimer>(dmm.form, "ReadTimer"),
                              *Find<QLabel>(dmm.form, "ReadLab"),
                              *Find<ReadingMarks>(dmm.form, "ReadingMarks"), "1000000",
                              QStringLiteral("0.1100V"), QStringLiteral("0.0000V"));
    LoadedWindow<ContForm> cont;
    MarksAReadingWithoutReply(cont.rig, *Find<PollingTimer>(cont.form, "ContTimer"),
                              *Find<QLabel>(cont.form, "ContCurLab"),
                              *Find<ReadingMarks>(cont.form, "ReadingMarks"), "231428",
                              QStringLiteral("10.0mA"), QStringLiteral("0.0mA"));
    InsRig ins;
    ins.ClickTab(1);
    MarksAReadingWithoutReply(ins, *Find<PollingTimer>(ins.window, "InsVTimer"),
                              *Find<QLabel>(&ins.Volt(), "InsVLab"),
                              *Find<ReadingMarks>(&ins.Volt(), "ReadingMarks"), "1455080",
                              QStringLiteral("10.00V"), QStringLiteral("0.00V"));
}

QTEST_MAIN(PollingReadingsTest)
#include "PollingReadingsTest.moc"
