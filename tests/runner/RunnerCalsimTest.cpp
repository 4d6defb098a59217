// A run against the simulated calibrator over a pseudo-terminal: the lines calsim receives, in
// order, from the runner's start to its abort, the readings the panel measures from calsim's
// replies, and no hazard in calsim's log.
#include "link/CalibratorLink.h"
#include "link/QtSerialPort.h"
#include "link/SteadyClock.h"
#include "results/ResultStore.h"
#include "runner/RunnerForm.h"
#include "runner/Workstation.h"
#include "tests/support/CalsimProcess.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionRig.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220;

namespace {

const char *const Procedure = R"(id: P-SIM
revision: A
title: Against the simulated calibrator
uut: {make: Maker, models: [M1]}
author: A. Author
approved: 2026-01-01
points:
  - {function: tachometer, nominal: 600 RPM, tolerance: ±1 RPM, result: UUT indicates, settle: 0 s, connect: Aim at the output.}
  - {function: measurement, nominal: 1 V, tolerance: ±1 % of range, range: 1 V, result: panel measures, readings: 2, settle: 0 s, connect: Meter output to V.}
)";

} // namespace

class RunnerCalsimTest : public QObject {
    Q_OBJECT
private slots:
    void RunAgainstCalsim();
};

void RunnerCalsimTest::RunAgainstCalsim() {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QString log = folder.filePath(QStringLiteral("calsim.log"));
    const QString file = folder.filePath(QStringLiteral("procedure.yaml"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(Procedure);
    out.close();
    {
        CalsimProcess calsim(folder.path(), 4, {QStringLiteral("--log"), log});
        QVERIFY(calsim.IsReady());
        link::SteadyClock clock;
        link::QtSerialPort port;
        link::CalibratorLink link(port, clock);
        ui::ProgramState state(link);
        RecordingMessageBoxes boxes;
        FakeHost host(state.interlock);
        ui::FunctionContext context{state, host, boxes};
        port.SetPortNumber(4);
        QVERIFY(port.Open());
        state.Kept<runner::Workstation>().storePath = folder.filePath(QStringLiteral("r.sqlite"));
        {
            runner::RunnerForm form(context);
            form.show();
            form.Load();
            Find<QLineEdit>(&form, "ProcedureFile")->setText(file);
            QTest::keyClick(Find<QLineEdit>(&form, "ProcedureFile"), Qt::Key_Return);
            Find<QLineEdit>(&form, "UutSerial")->setText(QStringLiteral("SN-1"));
            Find<QLineEdit>(&form, "Operator")->setText(QStringLiteral("J. Smith"));
            Find<QPushButton>(&form, "StartRun")->click();
            Find<QLineEdit>(&form, "UutReading")->setText(QStringLiteral("600"));
            Find<QPushButton>(&form, "AcceptReading")->click();
            Find<QPushButton>(&form, "NextPoint")->click();
            form.Polls().Timer().Tick();
            form.Polls().Timer().Tick();
            Find<QPushButton>(&form, "AbortRun")->click();
        }
        QCOMPARE(boxes.shown.size(), 1); // the abort's question
        results::ResultStore store(folder.filePath(QStringLiteral("r.sqlite")));
        QVERIFY(store.Open(nullptr));
        const results::CalibrationRun run = store.Find({}).constFirst();
        QCOMPARE(run.state, results::RunState::Incomplete);
        QVERIFY(run.standards.calibrator.contains(QStringLiteral("SIMULATED")));
        const QList<results::PointResult> points = store.Points(run.id);
        QCOMPARE(points.size(), 2);
        QVERIFY(points[1].reading.has_value());
        QTRY_COMPARE(CalsimProcess::LoggedLines(log),
                     QStringList({"T", "p16777344", "p0", "R64", "F600", "S0", "p17317888", "p0",
                                  "#Measure : 2V", "v", "v", "S1", "p16777216", "p0",
                                  "R1/O0/S1/# PC Control"}));
        calsim.Stop();
    }
    QDir::setCurrent(previous);
}

QTEST_MAIN(RunnerCalsimTest)
#include "RunnerCalsimTest.moc"
