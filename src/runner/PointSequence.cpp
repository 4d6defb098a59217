#include "runner/PointSequence.h"

#include "functions/terminal/logic/TerminalMemory.h"
#include "results/CertificateDocument.h"
#include "runner/KeyedReading.h"
#include "runner/PointPanel.h"
#include "runner/RunSession.h"
#include "runner/Workstation.h"
#include "ui/PollingFunctionWindow.h"
#include "ui/ReadingMarks.h"
#include "ui/ReadingTools.h"
#include "ui/logic/MessageBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <numeric>

namespace vk220::runner {

using Stage = PointPanel::Stage;

namespace {

// The mean of the readings, and their standard deviation as text: " (mean of 10, σ 0.002 V)".
std::pair<double, QString> Mean(const QList<double> &samples, const QString &unit) {
    const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / samples.size();
    double squares = 0.0;
    for (double sample : samples)
        squares += (sample - mean) * (sample - mean);
    const double sigma = samples.size() > 1 ? std::sqrt(squares / (samples.size() - 1)) : 0.0;
    return {mean, QStringLiteral(" (mean of %1, \u03C3 %2)")
                      .arg(samples.size())
                      .arg(results::ValueText(sigma, unit))};
}

} // namespace

PointSequence::PointSequence(ui::PollingFunctionWindow &window, ui::MessageBoxes &boxes,
                             Workstation &workstation, terminal::TerminalMemory &memory,
                             PointPanel &panel)
    : window(window), boxes(boxes), workstation(workstation), memory(memory), panel(panel) {
    drive.SetLastRangeCommand(memory.LastRangeCommand);
    connect(&countdown, &SettleCountdown::Counted, this, [this](int remaining) {
        this->panel.SetStatus(QStringLiteral("Settling: %1 s").arg(remaining));
    });
    connect(&countdown, &SettleCountdown::Settled, this, &PointSequence::Settled);
}

PointSequence::~PointSequence() = default;

void PointSequence::Run(std::unique_ptr<RunSession> started, const results::LabSettings &lab) {
    session = std::move(started);
    judging = lab;
    // A run resumed after all its points were taken (a crash while it was finished) finishes.
    if (session->Index() < 0)
        return EndPhase();
    BeginPoint();
}

void PointSequence::Stop() {
    countdown.Stop();
}

void PointSequence::StoreFault(const QString &problem) {
    boxes.Warn(StoreTitle, problem);
}

bool PointSequence::SendSteps(const QList<DriveStep> &steps) {
    for (const DriveStep &step : steps) {
        if (step.kind == DriveStep::Kind::Mask)
            window.Sender().SendMask(step.line);
        else
            window.Send(step.line);
    }
    memory.LastRangeCommand = drive.LastRangeCommand();
    if (!window.Sender().MissedCommands() && !window.Sender().Silenced())
        return true;
    // No reading may be taken against a point the calibrator may not hold.
    countdown.Stop();
    window.Polls().Stop();
    panel.SetStage(Stage::Halted,
                   QStringLiteral("The port was lost: the calibrator may not hold this point. "
                                  "Close this window; the run stays open and is taken up at this "
                                  "point when PROCEDURES is opened again."));
    return false;
}

void PointSequence::BeginPoint() {
    if (!session || session->Index() < 0)
        return;
    countdown.Stop();
    window.Polls().Stop();
    panel.ShowPoint(*session);
    const bool measures = session->Point().result == procedures::ResultMode::PanelMeasures;
    window.Polls().Marks().setVisible(measures);
    window.Polls().Readings().setVisible(measures);
    panel.ShowResults(session->Points(), session->Procedure().points.size());
    panel.SetStage(Stage::Setting, QStringLiteral("Setting the point..."));
    const procedures::TestPoint &point = session->Point();
    if (!SendSteps(drive.Set(point)))
        return;
    if (PointDrive::NeedsPress(point))
        return panel.SetStage(Stage::AwaitPress,
                              QStringLiteral("Check the connection, then press Output On."));
    Settle();
}

void PointSequence::Settle() {
    panel.SetStage(Stage::Settling, QStringLiteral("Settling..."));
    countdown.Start(session->Point().settleSeconds);
}

void PointSequence::PressOutputOn() {
    window.Act([this] {
        if (!session || session->Index() < 0 || !PointDrive::NeedsPress(session->Point()))
            return;
        if (SendSteps(drive.OutputOn()))
            Settle();
    });
}

void PointSequence::Settled() {
    if (!session || session->Index() < 0)
        return;
    if (session->Point().result == procedures::ResultMode::UutIndicates)
        return panel.SetStage(Stage::AwaitEntry, QStringLiteral("Key the reading the UUT shows."));
    samples.clear();
    panel.SetStage(Stage::Measuring, QStringLiteral("Measuring..."));
    window.Polls().Start();
}

void PointSequence::Measure(double counts) {
    if (!session || session->Index() < 0 || !window.Polls().Timer().Answered())
        return;
    const procedures::TestPoint &point = session->Point();
    const std::optional<double> value = PointDrive::Measured(point, counts);
    panel.ReadingLab().setText(value ? results::ValueText(*value, point.nominal.unit)
                                     : QStringLiteral("Over Range"));
    if (!value) {
        window.Polls().Stop();
        return panel.SetStage(Stage::Taken,
                              QStringLiteral("Over range: check the connection and repeat."));
    }
    samples << *value;
    panel.SetStatus(QStringLiteral("Measuring: %1 of %2").arg(samples.size()).arg(point.readings));
    if (samples.size() < point.readings)
        return;
    window.Polls().Stop();
    const auto [mean, spread] = Mean(samples, point.nominal.unit);
    QString problem;
    if (const std::optional<results::PointResult> result =
            session->Accept(mean, judging.GuardOf(point), &problem))
        return Taken(*result, spread);
    StoreFault(problem);
}

void PointSequence::AcceptKeyed() {
    if (!session || !panel.AcceptButton().isEnabled())
        return;
    QString refusal;
    const std::optional<double> reading =
        KeyedReading::Read(panel.Entry().text(), session->Point().nominal, &refusal);
    if (!reading)
        return boxes.Inform(KeyedReading::RefusalTitle, refusal);
    if (const std::optional<results::PointResult> result =
            session->Accept(*reading, judging.GuardOf(session->Point()), &refusal))
        return Taken(*result);
    StoreFault(refusal);
}

void PointSequence::Taken(const results::PointResult &result, const QString &spread) {
    panel.ShowResult(result, spread);
    panel.ShowResults(session->Points(), session->Procedure().points.size());
    panel.SetStage(Stage::Taken, QStringLiteral("Taken: Next, or Repeat the point."));
}

void PointSequence::Repeat() {
    window.Act([this] { BeginPoint(); });
}

void PointSequence::Skip() {
    if (!session || session->Index() < 0)
        return;
    const QString reason = panel.Reason().text().trimmed();
    if (reason.isEmpty())
        return boxes.Warn(SkipTitle, QStringLiteral("Enter the reason for skipping the point."));
    countdown.Stop();
    window.Polls().Stop();
    QString problem;
    if (!session->Skip(reason, &problem))
        return StoreFault(problem);
    Next();
}

void PointSequence::Next() {
    window.Act([this] {
        if (!session)
            return;
        // Past the last point already when the finish was held up: it is tried again.
        if (session->Index() >= 0)
            session->Next();
        if (session->Index() >= 0)
            return BeginPoint();
        EndPhase();
    });
}

void PointSequence::EndPhase() {
    window.Send(QStringLiteral("S1"));
    // In standby now: the next point, as left, opens its function anew and switches it on.
    drive.Reset();
    const qsizetype failed = session->Failed().size();
    if (session->Phase() == results::Phase::AsFound && failed > 0 &&
        boxes.Ask(AsLeftTitle, QStringLiteral("%1 point(s) failed as found. Adjust the UUT, then "
                                              "take them again as left?")
                                   .arg(failed))) {
        session->BeginAsLeft();
        return BeginPoint();
    }
    Finish();
}

void PointSequence::Finish() {
    QString problem;
    const results::LabSettings lab = workstation.Lab(&problem);
    if (!problem.isEmpty()) {
        boxes.Warn(CertificateTitle, problem + QStringLiteral("\r\rThe calibration stays open: "
                                                              "correct the laboratory's settings, "
                                                              "then press Next to finish it."));
        return panel.SetStage(Stage::Taken, QStringLiteral("Not finished: correct the "
                                                           "laboratory's settings, then press "
                                                           "Next."));
    }
    const QString number = session->Finish(lab.prefix, &problem);
    panel.ShowResults(session->Points(), session->Procedure().points.size());
    if (number.isEmpty() && session->Run().state == results::RunState::Complete) {
        // Kept on this bench; the laboratory's server numbers it once it is back.
        boxes.Inform(CertificateTitle, QStringLiteral("The calibration is complete and kept on "
                                                      "this bench, but its certificate number "
                                                      "comes from the laboratory's server, which "
                                                      "cannot be reached now. Print the "
                                                      "certificate from Results... once the "
                                                      "server is back."));
        return panel.SetStage(Stage::Ended, QStringLiteral("Complete: the certificate waits for "
                                                           "its number from the server."));
    }
    if (number.isEmpty())
        return StoreFault(problem);
    const QString path = workstation.CertificatePath(number);
    if (!results::WriteCertificate(session->Run(), session->Points(), lab, path, &problem))
        boxes.Warn(CertificateTitle, problem);
    panel.SetStage(Stage::Ended,
                   QStringLiteral("Complete, %1: certificate %2 written to %3")
                       .arg(results::VerdictName(*session->Run().verdict), number, path));
}

void PointSequence::Abort() {
    // As STAND BY: ahead of the clicks still waiting, none of which switches the output on again.
    window.Actions().ActStandby([this] {
        if (!session ||
            !boxes.Ask(AbortTitle, QStringLiteral("Abort the calibration? The output goes to "
                                                  "standby and the adapter is released; the "
                                                  "results taken so far are kept, marked "
                                                  "incomplete.")))
            return;
        countdown.Stop();
        window.Polls().Stop();
        window.Send(QStringLiteral("S1"));
        QString problem;
        if (!session->Abort(&problem))
            StoreFault(problem);
        session.reset();
        window.Unload();
    });
}

} // namespace vk220::runner
