#pragma once

#include "runner/PointDrive.h"
#include "runner/PointPanel.h"
#include "runner/SettleCountdown.h"
#include "ui/PollingFunctionWindow.h"

#include <QList>

#include <functional>
#include <memory>

class QStackedLayout;

namespace vk220::runner {

class RunSession;
class RunSetupPage;
struct Workstation;

// The procedure runner: the technician picks a procedure and enters the UUT, and the runner takes
// the UUT through the procedure's points as found, then the failed ones as left. Each point is
// set through its function's own logic, under this window's sender and so through the interlock;
// an output above 30 V or through a coil goes on only on the technician's press; the settling
// time counts down; the reading is keyed, or measured by the panel as a mean; the verdict shows
// at once and every result is committed as it is taken. A run left open (a crash, a closed
// window) is offered for resuming when the runner opens.
class RunnerForm final : public ui::PollingFunctionWindow {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("CALIBRATION PROCEDURES");
    static inline const QString StoreTitle = QStringLiteral("Results Store");
    static inline const QString AbortTitle = QStringLiteral("Abort Calibration");
    static inline const QString AsLeftTitle = QStringLiteral("As Left");
    static inline const QString ResumeTitle = QStringLiteral("Resume Calibration");
    static inline const QString SkipTitle = QStringLiteral("Skip Point");
    static inline const QString CertificateTitle = QStringLiteral("Certificate");

    explicit RunnerForm(ui::FunctionContext &context);
    ~RunnerForm() override;

    // The file chooser of "Browse..."; tests put their own here.
    std::function<QString()> chooseProcedure;
    SettleCountdown &Countdown() { return countdown; }

protected:
    void OnLoad() override;
    void OnUnload() override;
    // Only once the runner has sent a line: a runner closed before any run hands back nothing.
    bool ReleasesOnUnload() const override { return sent; }

private:
    void OfferResume();
    void StartRun();
    void BeginPoint();
    void PressOutputOn();
    // Counts the point's settling time down, then waits for its reading.
    void Settle();
    void Settled();
    void Measure(double counts);
    void AcceptKeyed();
    void Taken(const results::PointResult &result, const QString &spread = {});
    void SkipPoint();
    void NextPoint();
    void EndPhase();
    void AbortRun();
    // The results window over the store: every calibration, to open, reprint or export.
    void ShowResults();
    void SendSteps(const QList<DriveStep> &steps);
    // Shows a fault of the store; the run stands where it was.
    void StoreFault(const QString &problem);

    Workstation &workstation;
    RunSetupPage *setup;
    PointPanel *panel;
    QStackedLayout *pages;
    std::unique_ptr<RunSession> session;
    PointDrive drive;
    SettleCountdown countdown;
    QList<double> samples;
    bool sent = false;
};

} // namespace vk220::runner
