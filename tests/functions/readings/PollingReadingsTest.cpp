#include "ContForm.h"
#include "DMMForm.h"
#include "InsRig.h"
#include "LoadedWindow.h"

#include "ButtonArray.h"
#include "PollingTimer.h"
#include "ReadingTools.h"
#include "TrendChart.h"
#include "TrendWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {

// Readings stamped by the rig's virtual clock, at 14:05:09.000 (UTC+1) and 500 ms apart, into a
// log file in a folder of their own.
void Script(ReadingTools &tools, FunctionRig &rig, const QString &logFile) {
    tools.monotonicSeconds = [&rig] {
        return rig.clock.Now();
    };
    tools.timeOfDay = [tick = 0]() mutable {
        return QDateTime(QDate(2026, 3, 1), QTime(14, 5, 9), QTimeZone(3600))
            .addMSecs(500 * tick++);
    };
    tools.chooseLogFile = [logFile] {
        return logFile;
    };
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
};

void PollingReadingsTest::MeasurementWindowTrendsAndLogsWhatItShows() {
    LoadedWindow<DMMForm> w;
    DMMForm &form = *w.form;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dmm.csv"));
    Script(form.Readings(), w.rig, path);
    const auto read = [&](const QByteArray &counts) {
        w.rig.port.AnswerReading(counts);
        form.ReadTimer().Tick();
    };
    w.rig.TakeWritten();

    QTest::mouseClick(&form.Readings().LogBut(), Qt::LeftButton);
    QCOMPARE(form.Readings().LogBut().text(), QStringLiteral("Stop Log"));
    read("1000000");
    QTest::mouseClick(&form.NULLBut(), Qt::LeftButton);
    read("1000000");
    read("1001000");
    read("10000001");
    QCOMPARE(form.ReadLab().text(), QStringLiteral("Overrange"));
    QTest::mouseClick(form.DMMBut().At(0), Qt::LeftButton);
    read("1000000");
    read("1002000");
    // Silence: the window shows 0, but the log says that nothing was read.
    w.rig.port.responder = [](const QString &) {
        return QList<FakeSerialPort::Chunk>();
    };
    form.ReadTimer().Tick();
    QTest::mouseClick(&form.Readings().TrendBut(), Qt::LeftButton);
    QTest::mouseClick(&form.Readings().LogBut(), Qt::LeftButton);
    QCOMPARE(form.Readings().LogBut().text(), QStringLiteral("Log..."));
    read("1003000");

    // Not a line more than the window sent before.
    const QString v = QStringLiteral("v");
    QCOMPARE(w.rig.TakeWritten(),
             QStringList({v, v, v, v, QStringLiteral("p17858560"), QStringLiteral("p0"),
                          QStringLiteral("#Measure : 20mA"), v, v, v, v}));
    QCOMPARE(Contents(path),
             QByteArray("Time,Window,Range,Value,Unit,Flags\r\n"
                        "2026-03-01T14:05:09.000+01:00,DMM,1V Range,0.1100,V,\r\n"
                        "2026-03-01T14:05:09.500+01:00,DMM,1V Range,0.0000,V,NULL\r\n"
                        "2026-03-01T14:05:10.000+01:00,DMM,1V Range,0.0001,V,NULL\r\n"
                        "2026-03-01T14:05:10.500+01:00,DMM,1V Range,,V,Over Range;NULL\r\n"
                        "2026-03-01T14:05:11.000+01:00,DMM,30mA Range,3.413,mA,\r\n"
                        "2026-03-01T14:05:11.500+01:00,DMM,30mA Range,3.420,mA,\r\n"
                        "2026-03-01T14:05:12.000+01:00,DMM,30mA Range,,mA,No Reply\r\n"));

    // The trend shows the 30 mA series only, in its unit, and follows each reading.
    TrendWindow *trend = form.Readings().Trend();
    QVERIFY(trend && trend->isVisible());
    QCOMPARE(trend->Figure(QStringLiteral("Count")), QStringLiteral("3"));
    QCOMPARE(trend->Figure(QStringLiteral("Min")), QStringLiteral("3.413mA"));
    QCOMPARE(trend->Figure(QStringLiteral("Max")), QStringLiteral("3.424mA"));
    QCOMPARE(trend->Figure(QStringLiteral("Peak-Peak")), QStringLiteral("0.011mA"));
    QCOMPARE(trend->Figure(QStringLiteral("Mean")), QStringLiteral("3.4190mA"));
    QCOMPARE(trend->Figure(QStringLiteral("Std Dev")), QStringLiteral("0.0056mA"));
    QCOMPARE(trend->Chart().PointCount(), 3);
    trend->LastBox().setCurrentIndex(0);
    QCOMPARE(trend->LastBox().currentText(), QStringLiteral("Last 10"));
    QTest::mouseClick(&trend->ResetBut(), Qt::LeftButton);
    QCOMPARE(trend->Figure(QStringLiteral("Count")), QStringLiteral("0"));
    QCOMPARE(trend->Figure(QStringLiteral("Mean")), QStringLiteral("-"));
    trend->close();
    QVERIFY(!form.Readings().TrendBut().isChecked());
}

void PollingReadingsTest::InsulationAndContinuityFeedTheirReadings() {
    InsRig ins;
    ins.ClickTab(1);
    for (const QByteArray counts : {"7275400", "10000001"}) {
        ins.port.AnswerReading(counts);
        ins.Volt().InsVTimer().Tick();
    }
    const ReadingHistory &volts = ins.Volt().Readings().History();
    QCOMPARE(volts.Count(), std::size_t(2));
    QCOMPARE(volts.CurrentSeries()[0].value, 50.0);
    QCOMPARE(volts.RangeOf(volts.CurrentSeries()[0]),
             (ReadingHistory::Range{QStringLiteral("50V Range"), QStringLiteral("V"), 2}));
    QVERIFY(volts.CurrentSeries()[1].IsOverRange());

    LoadedWindow<ContForm> cont;
    cont.rig.port.AnswerReading("231428");
    cont.form->ContTimer().Tick();
    const ReadingHistory &current = cont.form->Readings().History();
    QCOMPARE(current.Count(), std::size_t(1));
    QCOMPARE(current.CurrentSeries()[0].value, 10.0);
    QCOMPARE(current.RangeOf(current.CurrentSeries()[0]),
             (ReadingHistory::Range{QStringLiteral("1 Ohm"), QStringLiteral("mA"), 1}));
    // The tools stand beside Close without moving it off the window.
    QVERIFY(cont.form->rect().contains(cont.form->CloseButton().geometry()));
}

QTEST_MAIN(PollingReadingsTest)
#include "PollingReadingsTest.moc"
