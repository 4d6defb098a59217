// The runner over the fake port: a whole run as found and as left, with the exact lines of each
// point, the results in the store and the certificate's text; a run cut short and resumed with
// nothing lost, then aborted; and a procedure file that cannot be run, which sends nothing.
#include "runner/RunnerForm.h"
#include "results/ResultStore.h"
#include "runner/Workstation.h"
#include "tests/support/FindControl.h"
#include "tests/support/FunctionRig.h"
#include "ui/ConnectionPicture.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::runner;
using namespace vk220::results;

namespace {

const char *const Procedure = R"(id: P-9
revision: C
title: Tachometer and voltage
uut: {make: Maker, models: [M1]}
author: A. Author
approved: 2026-01-01
points:
  - {function: tachometer, nominal: 600 RPM, tolerance: ±1 RPM, result: UUT indicates, settle: 2 s, connect: Aim at the output.}
  - {function: terminal, terminals: VOLTAGE, nominal: 100 V, tolerance: ±0.5 %, result: UUT indicates, settle: 0 s, connect: Leads to V HI and V LO.}
  - {function: measurement, nominal: 20 mA, tolerance: ±0.1 % of range, range: 20 mA, result: panel measures, readings: 2, settle: 0 s, connect: Loop source to mA.}
)";
const QStringList Release{"p16777216", "p0", "R1/O0/S1/# PC Control"};

// The runner on its own rig, its results and procedure in a temporary folder.
struct Runner {
    explicit Runner(const QString &folder, const QString &store = {}) {
        Workstation &workstation = rig.state.Kept<Workstation>();
        workstation.storePath =
            store.isEmpty() ? folder + QStringLiteral("/results.sqlite") : store;
        workstation.labPath = folder + QStringLiteral("/lab.conf");
        form = new RunnerForm(rig.context);
        form->show();
        form->Load();
    }
    ~Runner() { delete form.data(); }

    void Click(const char *name) { Find<QPushButton>(form, name)->click(); }
    void Key(const char *name, const QString &text) { Find<QLineEdit>(form, name)->setText(text); }
    QString Status() { return Find<QLabel>(form, "RunStatus")->text(); }

    FunctionRig rig;
    QPointer<RunnerForm> form;
};

} // namespace

class RunnerFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void WholeRunAsFoundAndAsLeft();
    void RunResumedThenAborted();
    void BadFileSendsNothing();
    void LostPortHaltsThePoint();
    void EveryMessageSaysWhatToDo();
    void ServerAwayKeepsTheRunOnTheBench();

private:
    void Begin(Runner &runner);
    // Skips the points up to the last with a reason, from the one the run stands at.
    static void SkipRest(Runner &runner, int points);

    std::unique_ptr<QTemporaryDir> dir;
    QString file;
};

void RunnerFormTest::init() {
    dir = std::make_unique<QTemporaryDir>();
    file = dir->filePath(QStringLiteral("procedure.yaml"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(Procedure);
}

void RunnerFormTest::Begin(Runner &runner) {
    runner.Key("ProcedureFile", file);
    QTest::keyClick(Find<QLineEdit>(runner.form, "ProcedureFile"), Qt::Key_Return);
    runner.Key("UutSerial", QStringLiteral("SN-7"));
    runner.Key("Operator", QStringLiteral("J. Smith"));
    runner.rig.TakeWritten();
    runner.rig.port.AnswerAll("CAL-5500 V2.1");
    // A second click while the first waits for the calibrator starts no second run.
    runner.rig.DuringReplyTo(QStringLiteral("T"), [&runner] { runner.Click("StartRun"); });
    runner.Click("StartRun");
}

void RunnerFormTest::WholeRunAsFoundAndAsLeft() {
    Runner runner(dir->path());
    Begin(runner);
    QCOMPARE(runner.rig.TakeWritten(), QStringList({"T", "p16777344", "p0", "R64", "F600", "S0"}));
    QCOMPARE(Find<QLabel>(runner.form, "ResultsState")->text(),
             QStringLiteral("Results: results.sqlite"));
    QCOMPARE(runner.Status(), QStringLiteral("Settling: 2 s"));
    QVERIFY(!Find<QPushButton>(runner.form, "AcceptReading")->isEnabled());
    runner.form->Countdown().Tick();
    runner.form->Countdown().Tick();
    // The keypad's rules, and a reading in another unit, are refused.
    for (const QString &entry : {QStringLiteral("fast"), QStringLiteral("600 V")}) {
        runner.Key("UutReading", entry);
        runner.Click("AcceptReading");
    }
    QCOMPARE(runner.rig.boxes.shown.size(), 2);
    QCOMPARE(runner.rig.boxes.shown.last(),
             RecordingMessageBoxes::Information(
                 QStringLiteral("Invalid Reading"),
                 QStringLiteral("The reading is in V, the point in RPM.")));
    runner.Key("UutReading", QStringLiteral("600.5"));
    runner.Click("AcceptReading");
    QVERIFY(Find<QLabel>(runner.form, "PointResult")->text().startsWith("PASS: reading 600.5 RPM"));

    // 100 V goes on only on the press.
    runner.Click("NextPoint");
    QCOMPARE(runner.rig.TakeWritten(), QStringList({"p17039360", "#Volts Terminals", "p0", "R1",
                                                    "O0", "S0", "S1", "R4", "O100", "S1"}));
    QVERIFY(!Find<QLineEdit>(runner.form, "UutReading")->isEnabled());
    // The diagram rings the voltage terminals, V HI and V LO.
    QCOMPARE(Find<vk220::ui::ConnectionPicture>(runner.form, "ConnectionPart")->Rings().size(), 2);
    runner.Click("RunOutputOn");
    QCOMPARE(runner.rig.TakeWritten(), QStringList({"S0"}));
    runner.Key("UutReading", QStringLiteral("101"));
    runner.Click("AcceptReading");

    // Measured: the mean of two readings on the 30 mA range.
    runner.Click("NextPoint");
    QCOMPARE(runner.rig.TakeWritten(), QStringList({"S1", "p17858560", "p0", "#Measure : 20mA"}));
    runner.rig.port.AnswerReading("5859432"); // 20 mA on the 30 mA range
    runner.form->Polls().Timer().Tick();
    runner.form->Polls().Timer().Tick();
    QCOMPARE(runner.rig.TakeWritten(), QStringList({"v", "v"}));
    QVERIFY(Find<QLabel>(runner.form, "PointResult")
                ->text()
                .startsWith("PASS: reading 20 mA (mean of 2, \u03C3 0 A)"));

    // The failed point again as left, then the certificate.
    runner.rig.boxes.answers = {vk220::ui::MessageBoxes::Answer::Yes};
    runner.Click("NextPoint");
    QCOMPARE(runner.rig.TakeWritten(), QStringList({"S1", "p17039360", "#Volts Terminals", "p0",
                                                    "R1", "O0", "S0", "S1", "R4", "O100", "S1"}));
    runner.Click("RunOutputOn");
    runner.Key("UutReading", QStringLiteral("100.2"));
    runner.Click("AcceptReading");
    runner.Click("NextPoint");
    QCOMPARE(runner.rig.TakeWritten(), QStringList({"S0", "S1"}));

    ResultStore store(dir->filePath(QStringLiteral("results.sqlite")));
    QVERIFY(store.Open(nullptr));
    const CalibrationRun run =
        *store.RunByCertificate(QStringLiteral("VK-%1-0001").arg(QDate::currentDate().year()));
    QCOMPARE(run.state, RunState::Complete);
    QCOMPARE(run.standards.calibrator, QStringLiteral("CAL-5500 V2.1"));
    QList<QString> rows;
    for (const PointResult &point : store.Points(run.id))
        rows << QStringLiteral("%1 %2 %3")
                    .arg(PhaseName(point.phase))
                    .arg(point.index)
                    .arg(VerdictName(point.verdict));
    QCOMPARE(rows, QList<QString>({"as-found 0 PASS", "as-found 1 FAIL", "as-found 2 PASS",
                                   "as-left 1 PASS"}));
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {runner.rig.state.Kept<Workstation>().CertificatePath(run.certificate),
                QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString certificate = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString &part : {run.certificate, QStringLiteral("SN-7"), QStringLiteral("P-9"),
                                QStringLiteral("101 V"), QStringLiteral("Page 1 of")})
        QVERIFY2(certificate.contains(part), qPrintable(part));
    QVERIFY(runner.rig.port.Hazards().isEmpty());
}

void RunnerFormTest::RunResumedThenAborted() {
    {
        Runner runner(dir->path());
        Begin(runner);
        runner.form->Countdown().Tick();
        runner.form->Countdown().Tick();
        runner.Key("UutReading", QStringLiteral("599"));
        runner.Click("AcceptReading");
    } // closed, or crashed, with the run open

    Runner again(dir->path());
    QCOMPARE(again.rig.boxes.shown.size(), 1);
    QCOMPARE(again.rig.boxes.shown.first().title, QStringLiteral("Resume Calibration"));
    QVERIFY(again.rig.boxes.shown.first().text.startsWith(
        "The calibration of Maker M1, serial SN-7, by procedure P-9 rev. C was left open at point "
        "2, as-found."));
    QCOMPARE(Find<QLabel>(again.form, "PointPlace")->text(),
             QStringLiteral("Point 2 of 3, as-found"));
    QCOMPARE(again.rig.TakeWritten(), QStringList({"p17039360", "#Volts Terminals", "p0", "R1",
                                                   "O0", "S0", "S1", "R4", "O100", "S1"}));

    again.Click("AbortRun");
    QCOMPARE(
        again.rig.boxes.shown.last(),
        RecordingMessageBoxes::Question(
            QStringLiteral("Abort Calibration"),
            QStringLiteral("Abort the calibration? The output goes to standby and the adapter is "
                           "released; the results taken so far are kept, marked incomplete.")));
    QCOMPARE(again.rig.TakeWritten(), QStringList({"S1"}) + Release);
    ResultStore store(dir->filePath(QStringLiteral("results.sqlite")));
    QVERIFY(store.Open(nullptr));
    QVERIFY(!store.OpenRun());
    const CalibrationRun run = store.Find({}).constFirst();
    QCOMPARE(run.state, RunState::Incomplete);
    QCOMPARE(store.Points(run.id).size(), 1);
    QCOMPARE(*store.Points(run.id).first().reading, 599.0);
}

void RunnerFormTest::BadFileSendsNothing() {
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray(Procedure).replace("600 RPM", "60 V"));
    out.close();
    Runner runner(dir->path());
    Begin(runner);
    QCOMPARE(runner.rig.boxes.shown.first().title, QStringLiteral("Procedure"));
    QCOMPARE(runner.rig.boxes.shown.first().text,
             file + QStringLiteral(
                        ":8:37: point 1: the nominal of a tachometer point is in RPM, not V"));
    QCOMPARE(runner.rig.boxes.shown.last(),
             RecordingMessageBoxes::Exclamation(
                 QStringLiteral("Procedure"), QStringLiteral("Choose the procedure file first.")));
    QVERIFY(runner.rig.TakeWritten().isEmpty());
}

void RunnerFormTest::LostPortHaltsThePoint() {
    Runner runner(dir->path());
    Begin(runner);
    runner.rig.port.HangUp(QStringLiteral("Device hung up"));
    runner.rig.port.openError = QStringLiteral("No such device");
    runner.form->Countdown().Tick();
    runner.form->Countdown().Tick();
    runner.Key("UutReading", QStringLiteral("600"));
    runner.Click("AcceptReading");
    runner.Click("NextPoint");
    // No reading is taken against a point the calibrator may not hold; the run stays open.
    QVERIFY(
        runner.Status().startsWith("The port was lost: the calibrator may not hold this point."));
    QVERIFY(!Find<QPushButton>(runner.form, "AcceptReading")->isEnabled());
    QVERIFY(!Find<QPushButton>(runner.form, "NextPoint")->isEnabled());
    QVERIFY(Find<QPushButton>(runner.form, "AbortRun")->isEnabled());
    ResultStore store(dir->filePath(QStringLiteral("results.sqlite")));
    QVERIFY(store.Open(nullptr));
    QCOMPARE(store.OpenRun()->nextPoint, 1);
}

void RunnerFormTest::SkipRest(Runner &runner, int points) {
    for (int i = 0; i < points; ++i) {
        runner.Key("SkipReason", QStringLiteral("no lead"));
        runner.Click("SkipPoint");
    }
}

void RunnerFormTest::EveryMessageSaysWhatToDo() {
    using Box = RecordingMessageBoxes::Box;
    using Answer = vk220::ui::MessageBoxes::Answer;
    {
        Runner runner(dir->path());
        QList<Box> &boxes = runner.rig.boxes.shown;
        runner.Key("ProcedureFile", file);
        QTest::keyClick(Find<QLineEdit>(runner.form, "ProcedureFile"), Qt::Key_Return);
        runner.Click("StartRun");
        QCOMPARE(boxes.last(),
                 RecordingMessageBoxes::Exclamation(
                     QStringLiteral("Calibration Details"),
                     QStringLiteral("Enter the UUT's serial number and the operator's name.")));
        // The laboratory's settings the run would be judged by must be readable before it starts.
        QFile lab(dir->filePath(QStringLiteral("lab.conf")));
        QVERIFY(lab.open(QIODevice::WriteOnly));
        lab.write("colour = blue\n");
        lab.close();
        runner.Key("UutSerial", QStringLiteral("SN-7"));
        runner.Key("Operator", QStringLiteral("J. Smith"));
        runner.Click("StartRun");
        QCOMPARE(boxes.last(), RecordingMessageBoxes::Exclamation(
                                   QStringLiteral("Laboratory Settings"),
                                   lab.fileName() + QStringLiteral(":1: unknown key \"colour\"\r\r"
                                                                   "Correct the laboratory's "
                                                                   "settings, then start the "
                                                                   "calibration.")));
        QVERIFY(runner.rig.TakeWritten().isEmpty());
        QVERIFY(lab.remove());
        Begin(runner);
        runner.Click("SkipPoint");
        QCOMPARE(boxes.last(), RecordingMessageBoxes::Exclamation(
                                   QStringLiteral("Skip Point"),
                                   QStringLiteral("Enter the reason for skipping the point.")));
        runner.form->Countdown().Tick();
        runner.form->Countdown().Tick();
        runner.Key("UutReading", QStringLiteral("fast"));
        runner.Click("AcceptReading");
        QCOMPARE(boxes.last(),
                 RecordingMessageBoxes::Information(
                     QStringLiteral("Invalid Reading"),
                     QStringLiteral("Enter the reading the UUT shows as a number, in the unit of "
                                    "the nominal value (600 RPM) or with its own unit.")));
        runner.Key("UutReading", QStringLiteral("590"));
        runner.Click("AcceptReading");
        runner.Click("NextPoint");

        // A laboratory file that cannot be read holds the finish until it is put right.
        QVERIFY(lab.open(QIODevice::WriteOnly));
        lab.write("colour = blue\n");
        lab.close();
        const Box asLeft = RecordingMessageBoxes::Question(
            QStringLiteral("As Left"),
            QStringLiteral("1 point(s) failed as found. Adjust the UUT, then take them again as "
                           "left?"));
        runner.rig.boxes.answers = {Answer::No, Answer::No};
        SkipRest(runner, 2);
        QCOMPARE(boxes.at(boxes.size() - 2), asLeft);
        QCOMPARE(boxes.last(),
                 RecordingMessageBoxes::Exclamation(
                     QStringLiteral("Certificate"),
                     lab.fileName() + QStringLiteral(":1: unknown key \"colour\"\r\rThe "
                                                     "calibration stays open: correct the "
                                                     "laboratory's settings, then press Next to "
                                                     "finish it.")));
        QVERIFY(lab.remove());
        runner.Click("NextPoint");
        QCOMPARE(boxes.last(), asLeft);
        QVERIFY(runner.Status().startsWith("Complete, FAIL: certificate VK-"));

        // Another run, left open.
        delete runner.form.data();
        Runner again(dir->path());
        Begin(again);
    }
    // Resumed with a procedure changed since: the run ends as incomplete.
    QFile changed(file);
    QVERIFY(changed.open(QIODevice::Append));
    changed.write("# revised\n");
    changed.close();
    Runner resumed(dir->path());
    QCOMPARE(resumed.rig.boxes.shown,
             QList<Box>({RecordingMessageBoxes::Question(
                             QStringLiteral("Resume Calibration"),
                             QStringLiteral("The calibration of Maker M1, serial SN-7, by "
                                            "procedure P-9 rev. C was left open at point 1, "
                                            "as-found.\r\rResume it? No ends it as incomplete.")),
                         RecordingMessageBoxes::Exclamation(
                             QStringLiteral("Resume Calibration"),
                             QStringLiteral("The procedure file %1 is missing or has changed "
                                            "since the calibration began: it is ended as "
                                            "incomplete.")
                                 .arg(QFileInfo(file).absoluteFilePath()))}));

    // A store that cannot be opened says why.
    Runner unopened(dir->path(), dir->path());
    QString problem;
    ResultStore(dir->path()).Open(&problem);
    QCOMPARE(
        unopened.rig.boxes.shown,
        QList<Box>({RecordingMessageBoxes::Exclamation(QStringLiteral("Results Store"), problem)}));
}

// The laboratory's server away: one notice, the indicator, and a run completed on the bench
// whose certificate waits for the server's number.
void RunnerFormTest::ServerAwayKeepsTheRunOnTheBench() {
    qputenv("XDG_DATA_HOME", dir->filePath(QStringLiteral("data")).toUtf8());
    const QString server = QStringLiteral("postgresql://127.0.0.1:1/vk220");
    Runner runner(dir->path(), server);
    QList<RecordingMessageBoxes::Box> &boxes = runner.rig.boxes.shown;
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].icon, vk220::ui::MessageBoxes::Icon::Information);
    QCOMPARE(boxes[0].title, QStringLiteral("Results Server"));
    QVERIFY2(boxes[0].text.startsWith(QStringLiteral("The laboratory's results server %1 cannot be "
                                                     "reached (")
                                          .arg(server)) &&
                 boxes[0].text.endsWith(QStringLiteral("The results are kept on this bench and "
                                                       "sent when the server is back.")),
             qPrintable(boxes[0].text));
    Begin(runner);
    QCOMPARE(Find<QLabel>(runner.form, "ResultsState")->text(),
             QStringLiteral("Results: server away, 1 run(s) waiting on this bench"));
    SkipRest(runner, 3);
    QCOMPARE(boxes.last(),
             RecordingMessageBoxes::Information(
                 QStringLiteral("Certificate"),
                 QStringLiteral("The calibration is complete and kept on this bench, but its "
                                "certificate number comes from the laboratory's server, which "
                                "cannot be reached now. Print the certificate from Results... "
                                "once the server is back.")));
    QCOMPARE(runner.Status(),
             QStringLiteral("Complete: the certificate waits for its number from the server."));
    QCOMPARE(boxes.size(), 2); // the outage's one notice
    qunsetenv("XDG_DATA_HOME");
}

QTEST_MAIN(RunnerFormTest)
#include "RunnerFormTest.moc"
