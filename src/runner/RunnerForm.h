#pragma once

#include "runner/PointPanel.h"
#include "runner/PointSequence.h"
#include "ui/PollingFunctionWindow.h"

#include "results/LabSettings.h"

#include <functional>
#include <optional>

class QLabel;
class QStackedLayout;
class QTimer;

namespace vk220::runner {

class RunSetupPage;
struct Workstation;

// The procedure runner: the technician picks a procedure and enters the UUT, and the runner takes
// the UUT through the procedure's points as found, then the failed ones as left (PointSequence),
// every line under this window's sender and so through the interlock, every result committed as
// it is taken. A run left open (a crash, a closed window) is offered for resuming when the runner
// opens; "Results..." opens the results window over the store.
class RunnerForm final : public ui::PollingFunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("CALIBRATION PROCEDURES");
    static inline const QString ResumeTitle = QStringLiteral("Resume Calibration");
    static inline const QString LabTitle = QStringLiteral("Laboratory Settings");

    explicit RunnerForm(ui::FunctionContext &context);
    ~RunnerForm() override;

    // The file chooser of "Browse..."; tests put their own here.
    std::function<QString()> chooseProcedure;
    SettleCountdown &Countdown() { return sequence->Countdown(); }

protected:
    void OnLoad() override;
    void OnUnload() override;
    // Only once the runner has sent a line: a runner closed before any run hands back nothing.
    bool ReleasesOnUnload() const override { return sent; }

private:
    void OfferResume();
    // The laboratory's settings a run is judged by; nothing, with the fault shown and what to do
    // `then`, when the file cannot be read.
    std::optional<results::LabSettings> Laboratory(const QString &then);
    void StartRun();
    // The results window over the store: every calibration, to open, reprint or export.
    void ShowResults();
    // The store's indicator.
    void ShowStoreState();

    Workstation &workstation;
    RunSetupPage *setup;
    PointPanel *panel;
    QStackedLayout *pages;
    PointSequence *sequence;
    QLabel *storeLab;
    QTimer *storeTimer;
    bool sent = false;
};

} // namespace vk220::runner
