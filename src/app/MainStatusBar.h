#pragma once

#include "link/ExchangeReport.h"
#include "ui/logic/StatusNotices.h"

#include <QStatusBar>

#include <functional>
#include <optional>

class QTimer;

namespace vk220::ui {
struct ProgramState;
} // namespace vk220::ui

namespace vk220::app {

class StatusField;

// The main window's status bar: what is live and what is pending. From left to right: the link
// (the port and the device it opened: OK, slow, lost, offline), the function window open, the
// calibrator's output as the interlock's model holds it (never as a window's labels show it), the
// last line sent, and the open window's queued work or a click that was not taken.
//
// It follows the link, not a timer: the link tells it of every line written and every exchange
// ended (through ConsoleSide), so it keeps up with a slow, a silent and a vanishing calibrator.
class MainStatusBar final : public QStatusBar, public ui::StatusNotices {
    Q_OBJECT
public:
    // A prompt reply is returned 0.1 to 0.21 s after its line left; an exchange markedly longer
    // than that, or one that ended by silence, makes the link "slow".
    static constexpr double SlowSeconds = 0.5;
    // How long a click that was not taken stays on show.
    static constexpr int RefusalMs = 5000;

    // `openTitle` gives the title of the function window (or diagram) open, empty for none.
    MainStatusBar(ui::ProgramState &state, std::function<QString()> openTitle);

    // A line is being written: the output and the last line change.
    void LineWritten(const QString &line);
    void ExchangeEnded(const link::ExchangeReport &report);
    // Reads the link, the function and the output again.
    void Refresh();

    void ShowPending(int actions) override;
    void ShowRefused(const QString &message) override;

    const StatusField &LinkLab() const { return *linkLab; }
    const StatusField &FunctionLab() const { return *functionLab; }
    const StatusField &OutputLab() const { return *outputLab; }
    const StatusField &SentLab() const { return *sentLab; }
    const StatusField &NoticeLab() const { return *noticeLab; }

private:
    // "OK", "slow", "lost", "offline", or "error" after a fault that left the port open.
    QString LinkHealth() const;
    void ShowNotice();

    ui::ProgramState &state;
    std::function<QString()> openTitle;
    StatusField *linkLab;
    StatusField *functionLab;
    StatusField *outputLab;
    StatusField *sentLab;
    StatusField *noticeLab;
    // The last exchange that reached the line, refused and offline lines aside.
    std::optional<link::ExchangeReport> lastExchange;
    int pending = 0;
    QString refusal;
    QTimer *refusalTimer;
};

} // namespace vk220::app
