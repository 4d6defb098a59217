#pragma once

#include "results/LabSettings.h"
#include "results/RunRecords.h"
#include "runner/PointDrive.h"
#include "runner/SettleCountdown.h"

#include <QList>
#include <QObject>

#include <memory>

namespace vk220::ui {
class MessageBoxes;
class PollingFunctionWindow;
} // namespace vk220::ui

namespace vk220::terminal {
struct TerminalMemory;
} // namespace vk220::terminal

namespace vk220::runner {

class PointPanel;
class RunSession;
struct Workstation;

// Takes a run's points one after another through the runner window: each point set by its
// function's own lines under the window's sender, the press an output above 30 V or through a
// coil waits for, the settling time, the reading keyed or measured as the mean of the panel's
// readings, the verdict, then as left the points that failed, and the certificate. Every line
// goes out inside one of the window's actions.
class PointSequence : public QObject {
    Q_OBJECT
public:
    static inline const QString StoreTitle = QStringLiteral("Results Store");
    static inline const QString AbortTitle = QStringLiteral("Abort Calibration");
    static inline const QString AsLeftTitle = QStringLiteral("As Left");
    static inline const QString SkipTitle = QStringLiteral("Skip Point");
    static inline const QString CertificateTitle = QStringLiteral("Certificate");

    // `memory` is the terminal window's, which the terminal points carry on.
    PointSequence(ui::PollingFunctionWindow &window, ui::MessageBoxes &boxes,
                  Workstation &workstation, terminal::TerminalMemory &memory, PointPanel &panel);
    ~PointSequence() override;

    // Takes the run from the point its session stands at, judging its readings by the
    // laboratory's settings as they were when it started or was resumed (the certificate
    // presents the laboratory as it is when it is issued); inside an action of the window.
    void Run(std::unique_ptr<RunSession> session, const results::LabSettings &lab);
    bool Running() const { return session != nullptr; }
    SettleCountdown &Countdown() { return countdown; }
    // One reading of the window's poller, in counts.
    void Measure(double counts);
    // The window unloads: no more counting down.
    void Stop();

    // The window's buttons; those that send run inside the window's actions.
    void PressOutputOn();
    void AcceptKeyed();
    void Repeat();
    void Skip();
    void Next();
    void Abort();

    // Shows a fault of the store; the run stands where it was.
    void StoreFault(const QString &problem);

private:
    void BeginPoint();
    void Settle();
    void Settled();
    void Taken(const results::PointResult &result, const QString &spread = {});
    void EndPhase();
    void Finish();
    // Sends the steps; false, with the run halted, when the calibrator may have missed them.
    bool SendSteps(const QList<DriveStep> &steps);

    ui::PollingFunctionWindow &window;
    ui::MessageBoxes &boxes;
    Workstation &workstation;
    terminal::TerminalMemory &memory;
    PointPanel &panel;
    std::unique_ptr<RunSession> session;
    results::LabSettings judging;
    PointDrive drive;
    SettleCountdown countdown;
    QList<double> samples;
};

} // namespace vk220::runner
