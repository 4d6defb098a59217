#include "runner/RunnerForm.h"

#include "functions/terminal/logic/TerminalMemory.h"
#include "records/ResultsWindow.h"
#include "results/CertificateDocument.h"
#include "runner/KeyedReading.h"
#include "runner/RunSession.h"
#include "runner/RunSetupPage.h"
#include "runner/Workstation.h"
#include "ui/Controls.h"
#include "ui/FontSizes.h"
#include "ui/ReadingMarks.h"
#include "ui/ReadingTools.h"
#include "ui/logic/MessageBoxes.h"
#include "ui/logic/ProgramState.h"

#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <cmath>
#include <numeric>

namespace vk220::runner {

using Stage = PointPanel::Stage;

namespace {

constexpr int WidthTwips = 10800;
constexpr int HeightTwips = 9000;
const QString Adapter = QStringLiteral("VK220 multi-function workstation adapter");

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

// The calibrator's identification: its "T" reply without the completion marker.
QString Identification(QString reply) {
    reply = reply.trimmed();
    if (reply.endsWith(QStringLiteral("*0")))
        reply.chop(2);
    return reply.trimmed();
}

} // namespace

RunnerForm::RunnerForm(ui::FunctionContext &context)
    : ui::PollingFunctionWindow(context, Title, WidthTwips, HeightTwips),
      workstation(context.state.Kept<Workstation>()), setup(new RunSetupPage(context.boxes)),
      panel(new PointPanel), pages(new QStackedLayout) {
    chooseProcedure = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Procedure"), QString(),
                                            QStringLiteral("Procedures (*.yaml *.yml)"));
    };
    MakePoller(panel->ReadingLab(),
               {QStringLiteral("ReadTimer"), QStringLiteral("PROC"), QStringLiteral("Procedure")},
               panel, [this](double counts) { Measure(counts); });
    panel->ToolsRow().addWidget(&Polls().Marks());
    panel->ToolsRow().addWidget(&Polls().Readings());
    connect(&countdown, &SettleCountdown::Counted, this, [this](int remaining) {
        panel->SetStatus(QStringLiteral("Settling: %1 s").arg(remaining));
    });
    connect(&countdown, &SettleCountdown::Settled, this, &RunnerForm::Settled);
    connect(setup, &RunSetupPage::BrowseAsked, this, [this] {
        if (const QString file = chooseProcedure(); !file.isEmpty())
            setup->LoadProcedure(file);
    });
    connect(&setup->StartButton(), &QPushButton::clicked, this,
            [this] { Act([this] { StartRun(); }); });
    connect(&panel->OutputOnButton(), &QPushButton::clicked, this,
            [this] { Act([this] { PressOutputOn(); }); });
    connect(&panel->AcceptButton(), &QPushButton::clicked, this, &RunnerForm::AcceptKeyed);
    connect(&panel->Entry(), &QLineEdit::returnPressed, this, &RunnerForm::AcceptKeyed);
    connect(&panel->RepeatButton(), &QPushButton::clicked, this,
            [this] { Act([this] { BeginPoint(); }); });
    connect(&panel->SkipButton(), &QPushButton::clicked, this, &RunnerForm::SkipPoint);
    connect(&panel->NextButton(), &QPushButton::clicked, this,
            [this] { Act([this] { NextPoint(); }); });
    connect(&panel->AbortButton(), &QPushButton::clicked, this,
            [this] { Act([this] { AbortRun(); }); });

    pages->addWidget(setup);
    pages->addWidget(panel);
    auto *resultsBut = new QPushButton(QStringLiteral("Results..."));
    ui::Controls::Name(*resultsBut, QStringLiteral("OpenResults"));
    connect(resultsBut, &QPushButton::clicked, this, &RunnerForm::ShowResults);
    auto *closeRow = new QHBoxLayout;
    closeRow->addWidget(resultsBut);
    closeRow->addStretch(1);
    closeRow->addWidget(&CloseButton());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        ui::Controls::BoldLabel(QStringLiteral("CALIBRATION PROCEDURES"), ui::FontSizes::Heading));
    layout->addLayout(pages, 1);
    layout->addLayout(closeRow);
}

RunnerForm::~RunnerForm() = default;

void RunnerForm::OnLoad() {
    drive.SetLastRangeCommand(context.state.Kept<terminal::TerminalMemory>().LastRangeCommand);
    if (const QString pending = std::exchange(workstation.pendingProcedure, {}); !pending.isEmpty())
        setup->LoadProcedure(pending);
    OfferResume();
}

void RunnerForm::OnUnload() {
    countdown.Stop();
    PollingFunctionWindow::OnUnload();
}

void RunnerForm::ShowResults() {
    QString problem;
    results::ResultStore *store = workstation.Store(&problem);
    if (!store)
        return StoreFault(problem);
    auto *window = new records::ResultsWindow(*store, workstation.Lab(&problem), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void RunnerForm::StoreFault(const QString &problem) {
    context.boxes.Warn(StoreTitle, problem);
}

void RunnerForm::OfferResume() {
    QString problem;
    results::ResultStore *store = workstation.Store(&problem);
    if (!store)
        return StoreFault(problem);
    const std::optional<results::Resumption> open = store->OpenRun();
    if (!open)
        return;
    const results::CalibrationRun &run = open->run;
    const QString file = workstation.OpenRunProcedure(run.id);
    if (!context.boxes.Ask(
            ResumeTitle,
            QStringLiteral("The calibration of %1 %2, serial %3, by procedure %4 rev. %5 was left "
                           "open at point %6, %7.\r\rResume it? No ends it as incomplete.")
                .arg(run.uut.make, run.uut.model, run.uut.serial, run.procedureId,
                     run.procedureRevision)
                .arg(open->nextPoint + 1)
                .arg(results::PhaseName(open->phase)))) {
        store->Abort(run.id, QDateTime::currentDateTimeUtc(), &problem);
        return;
    }
    if (file.isEmpty() || results::FileHash(file) != run.procedureHash) {
        context.boxes.Warn(ResumeTitle,
                           QStringLiteral("The procedure file %1 is missing or has changed since "
                                          "the calibration began: it is ended as incomplete.")
                               .arg(file.isEmpty() ? run.procedureId : file));
        store->Abort(run.id, QDateTime::currentDateTimeUtc(), &problem);
        return;
    }
    if (!setup->LoadProcedure(file))
        return;
    session = std::make_unique<RunSession>(*store, *setup->Procedure());
    session->Resume(run, open->phase);
    sent = true;
    pages->setCurrentWidget(panel);
    Act([this] { BeginPoint(); });
}

void RunnerForm::StartRun() {
    std::optional<results::CalibrationRun> run = setup->Run();
    QString problem;
    results::ResultStore *store = run ? workstation.Store(&problem) : nullptr;
    if (!run)
        return;
    if (!store)
        return StoreFault(problem);
    sent = true;
    // The standards of the run: the calibrator as it names itself, and the adapter.
    run->standards = {Identification(Send(QStringLiteral("T"))), Adapter};
    run->started = QDateTime::currentDateTimeUtc();
    session = std::make_unique<RunSession>(*store, *setup->Procedure());
    if (!session->Start(*run, &problem)) {
        session.reset();
        return StoreFault(problem);
    }
    workstation.KeepOpenRunProcedure(session->Run().id, setup->Procedure()->file);
    pages->setCurrentWidget(panel);
    BeginPoint();
}

void RunnerForm::SendSteps(const QList<DriveStep> &steps) {
    for (const DriveStep &step : steps) {
        if (step.kind == DriveStep::Kind::Mask)
            Sender().SendMask(step.line);
        else
            Send(step.line);
    }
    context.state.Kept<terminal::TerminalMemory>().LastRangeCommand = drive.LastRangeCommand();
}

void RunnerForm::BeginPoint() {
    if (!session || session->Index() < 0)
        return;
    countdown.Stop();
    Polls().Stop();
    panel->ShowPoint(*session);
    const bool measures = session->Point().result == procedures::ResultMode::PanelMeasures;
    Polls().Marks().setVisible(measures);
    Polls().Readings().setVisible(measures);
    panel->ShowResults(session->Points(), session->Procedure().points.size());
    if (Sender().Silenced())
        return panel->SetStage(Stage::Ended,
                               QStringLiteral("The port was lost: close this window and open it "
                                              "again to resume the calibration."));
    panel->SetStage(Stage::Setting, QStringLiteral("Setting the point..."));
    const procedures::TestPoint &point = session->Point();
    SendSteps(drive.Set(point));
    if (PointDrive::NeedsPress(point))
        return panel->SetStage(Stage::AwaitPress,
                               QStringLiteral("Check the connection, then press Output On."));
    Settle();
}

void RunnerForm::Settle() {
    panel->SetStage(Stage::Settling, QStringLiteral("Settling..."));
    countdown.Start(session->Point().settleSeconds);
}

void RunnerForm::PressOutputOn() {
    if (!session || !PointDrive::NeedsPress(session->Point()))
        return;
    SendSteps(drive.OutputOn());
    Settle();
}

void RunnerForm::Settled() {
    if (!session || session->Index() < 0)
        return;
    if (session->Point().result == procedures::ResultMode::UutIndicates)
        return panel->SetStage(Stage::AwaitEntry, QStringLiteral("Key the reading the UUT shows."));
    samples.clear();
    panel->SetStage(Stage::Measuring, QStringLiteral("Measuring..."));
    Polls().Start();
}

void RunnerForm::Measure(double counts) {
    if (!session || session->Index() < 0 || !Polls().Timer().Answered())
        return;
    const std::optional<double> value = PointDrive::Measured(session->Point(), counts);
    panel->ReadingLab().setText(value ? results::ValueText(*value, session->Point().nominal.unit)
                                      : QStringLiteral("Over Range"));
    if (!value) {
        Polls().Stop();
        return panel->SetStage(Stage::Taken,
                               QStringLiteral("Over range: check the connection and repeat."));
    }
    samples << *value;
    panel->SetStatus(
        QStringLiteral("Measuring: %1 of %2").arg(samples.size()).arg(session->Point().readings));
    if (samples.size() < session->Point().readings)
        return;
    Polls().Stop();
    const auto [mean, spread] = Mean(samples, session->Point().nominal.unit);
    QString problem;
    if (const std::optional<results::PointResult> result = session->Accept(mean, &problem))
        return Taken(*result, spread);
    StoreFault(problem);
}

void RunnerForm::AcceptKeyed() {
    if (!session || !panel->AcceptButton().isEnabled())
        return;
    QString refusal;
    const std::optional<double> reading =
        KeyedReading::Read(panel->Entry().text(), session->Point().nominal, &refusal);
    if (!reading)
        return context.boxes.Inform(KeyedReading::RefusalTitle, refusal);
    if (const std::optional<results::PointResult> result = session->Accept(*reading, &refusal))
        return Taken(*result);
    StoreFault(refusal);
}

void RunnerForm::Taken(const results::PointResult &result, const QString &spread) {
    panel->ShowResult(result, spread);
    panel->ShowResults(session->Points(), session->Procedure().points.size());
    panel->SetStage(Stage::Taken, QStringLiteral("Taken: Next, or Repeat the point."));
}

void RunnerForm::SkipPoint() {
    if (!session || session->Index() < 0)
        return;
    const QString reason = panel->Reason().text().trimmed();
    if (reason.isEmpty())
        return context.boxes.Warn(SkipTitle,
                                  QStringLiteral("Enter the reason for skipping the point."));
    countdown.Stop();
    Polls().Stop();
    QString problem;
    if (!session->Skip(reason, &problem))
        return StoreFault(problem);
    Act([this] { NextPoint(); });
}

void RunnerForm::NextPoint() {
    if (!session)
        return;
    session->Next();
    if (session->Index() >= 0)
        return BeginPoint();
    EndPhase();
}

void RunnerForm::EndPhase() {
    Send(QStringLiteral("S1"));
    // In standby now: the next point, as left, opens its function anew and switches it on.
    drive.Reset();
    const qsizetype failed = session->Failed().size();
    if (session->Phase() == results::Phase::AsFound && failed > 0 &&
        context.boxes.Ask(AsLeftTitle, QStringLiteral("%1 point(s) failed as found. Adjust the "
                                                      "UUT, then take them again as left?")
                                           .arg(failed))) {
        session->BeginAsLeft();
        return BeginPoint();
    }
    QString problem;
    const QString number = session->Finish(workstation.Lab(&problem).prefix, &problem);
    panel->ShowResults(session->Points(), session->Procedure().points.size());
    if (number.isEmpty())
        return StoreFault(problem);
    const QString path = workstation.CertificatePath(number);
    if (!results::WriteCertificate(session->Run(), session->Points(), workstation.Lab(&problem),
                                   path, &problem))
        context.boxes.Warn(CertificateTitle, problem);
    panel->SetStage(Stage::Ended,
                    QStringLiteral("Complete, %1: certificate %2 written to %3")
                        .arg(results::VerdictName(*session->Run().verdict), number, path));
}

void RunnerForm::AbortRun() {
    if (!session ||
        !context.boxes.Ask(AbortTitle, QStringLiteral("Abort the calibration? The output goes to "
                                                      "standby and the adapter is released; the "
                                                      "results taken so far are kept, marked "
                                                      "incomplete.")))
        return;
    countdown.Stop();
    Polls().Stop();
    Send(QStringLiteral("S1"));
    QString problem;
    if (!session->Abort(&problem))
        StoreFault(problem);
    session.reset();
    Unload();
}

} // namespace vk220::runner
