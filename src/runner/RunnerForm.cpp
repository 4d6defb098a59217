#include "runner/RunnerForm.h"

#include "functions/terminal/logic/TerminalMemory.h"
#include "link/CalibratorLink.h"
#include "records/ResultsWindow.h"
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
#include <QTimer>
#include <QVBoxLayout>

namespace vk220::runner {

namespace {

constexpr int WidthTwips = 10800;
constexpr int HeightTwips = 9000;
// How often results waiting on the bench are sent, the server tried again for them.
constexpr int SendWaitingMs = 30000;
const QString Adapter = QStringLiteral("VK220 multi-function workstation adapter");

} // namespace

RunnerForm::RunnerForm(ui::FunctionContext &context)
    : ui::PollingFunctionWindow(context, Title, WidthTwips, HeightTwips),
      workstation(context.state.Kept<Workstation>()), setup(new RunSetupPage(context.boxes)),
      panel(new PointPanel), pages(new QStackedLayout),
      sequence(new PointSequence(*this, context.boxes, workstation,
                                 context.state.Kept<terminal::TerminalMemory>(), *panel)),
      storeLab(new QLabel), storeTimer(new QTimer(this)) {
    sequence->setParent(this);
    chooseProcedure = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Procedure"), QString(),
                                            QStringLiteral("Procedures (*.yaml *.yml)"));
    };
    MakePoller(panel->ReadingLab(),
               {QStringLiteral("ReadTimer"), QStringLiteral("PROC"), QStringLiteral("Procedure")},
               panel, [this](double counts) { sequence->Measure(counts); });
    panel->ToolsRow().addWidget(&Polls().Marks());
    panel->ToolsRow().addWidget(&Polls().Readings());
    connect(setup, &RunSetupPage::BrowseAsked, this, [this] {
        if (const QString file = chooseProcedure(); !file.isEmpty())
            setup->LoadProcedure(file);
    });
    connect(&setup->StartButton(), &QPushButton::clicked, this,
            [this] { Act([this] { StartRun(); }, setup->StartButton().objectName()); });
    connect(&panel->OutputOnButton(), &QPushButton::clicked, sequence,
            &PointSequence::PressOutputOn);
    connect(&panel->AcceptButton(), &QPushButton::clicked, sequence, &PointSequence::AcceptKeyed);
    connect(&panel->Entry(), &QLineEdit::returnPressed, sequence, &PointSequence::AcceptKeyed);
    connect(&panel->RepeatButton(), &QPushButton::clicked, sequence, &PointSequence::Repeat);
    connect(&panel->SkipButton(), &QPushButton::clicked, sequence, &PointSequence::Skip);
    connect(&panel->NextButton(), &QPushButton::clicked, sequence, &PointSequence::Next);
    connect(&panel->AbortButton(), &QPushButton::clicked, sequence, &PointSequence::Abort);

    pages->addWidget(setup);
    pages->addWidget(panel);
    auto *resultsBut = new QPushButton(QStringLiteral("Results..."));
    ui::Controls::Name(*resultsBut, QStringLiteral("OpenResults"));
    resultsBut->setAccessibleName(QStringLiteral("Results"));
    connect(resultsBut, &QPushButton::clicked, this, &RunnerForm::ShowResults);
    auto *closeRow = new QHBoxLayout;
    ui::Controls::Name(*storeLab, QStringLiteral("ResultsState"));
    storeTimer->setInterval(SendWaitingMs);
    connect(storeTimer, &QTimer::timeout, this, [this] {
        // Not inside an exchange: a server that does not answer holds the panel up to its
        // connect timeout, which a reply wait must not add to.
        Actions().ActIfIdle([this] {
            workstation.SendWaiting();
            ShowStoreState();
        });
    });
    closeRow->addWidget(resultsBut);
    closeRow->addWidget(storeLab);
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
    if (const QString pending = std::exchange(workstation.pendingProcedure, {}); !pending.isEmpty())
        setup->LoadProcedure(pending);
    workstation.NoticesTo(context.boxes);
    ShowStoreState();
    storeTimer->start();
    OfferResume();
}

void RunnerForm::ShowStoreState() {
    storeLab->setText(workstation.StoreState());
}

void RunnerForm::OnUnload() {
    storeTimer->stop();
    sequence->Stop();
    PollingFunctionWindow::OnUnload();
}

void RunnerForm::ShowResults() {
    QString problem;
    results::ResultStore *store = workstation.Store(&problem);
    if (!store)
        return sequence->StoreFault(problem);
    auto *window = new records::ResultsWindow(*store, workstation.Lab(&problem), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void RunnerForm::OfferResume() {
    QString problem;
    results::ResultStore *store = workstation.Store(&problem);
    if (!store)
        return sequence->StoreFault(problem);
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
    const std::optional<results::LabSettings> lab =
        Laboratory(QStringLiteral("close this window and open it again to resume the calibration"));
    if (!lab || !setup->LoadProcedure(file))
        return;
    sent = true;
    pages->setCurrentWidget(panel);
    Act([this, store, run, phase = open->phase, lab = *lab] {
        auto session = std::make_unique<RunSession>(*store, *setup->Procedure());
        session->Resume(run, phase);
        sequence->Run(std::move(session), lab);
    });
}

void RunnerForm::StartRun() {
    // A second click that waited behind the first finds the run started.
    if (sequence->Running())
        return;
    std::optional<results::CalibrationRun> run = setup->Run();
    QString problem;
    results::ResultStore *store = run ? workstation.Store(&problem) : nullptr;
    if (!run)
        return;
    if (!store)
        return sequence->StoreFault(problem);
    const std::optional<results::LabSettings> lab =
        Laboratory(QStringLiteral("start the calibration"));
    if (!lab)
        return;
    sent = true;
    // The standards of the run: the calibrator as it names itself, and the adapter.
    run->standards = {link::ReplyText(Send(QStringLiteral("T"))), Adapter};
    run->started = QDateTime::currentDateTimeUtc();
    run->decisionRule = lab->decisionRule;
    auto session = std::make_unique<RunSession>(*store, *setup->Procedure());
    if (!session->Start(*run, &problem))
        return sequence->StoreFault(problem);
    workstation.KeepOpenRunProcedure(session->Run().id, setup->Procedure()->file);
    ShowStoreState();
    pages->setCurrentWidget(panel);
    sequence->Run(std::move(session), *lab);
}

std::optional<results::LabSettings> RunnerForm::Laboratory(const QString &then) {
    QString problem;
    const results::LabSettings lab = workstation.Lab(&problem);
    if (problem.isEmpty())
        return lab;
    context.boxes.Warn(LabTitle, problem + QStringLiteral("\r\rCorrect the laboratory's settings, "
                                                          "then %1.")
                                               .arg(then));
    return std::nullopt;
}

} // namespace vk220::runner
