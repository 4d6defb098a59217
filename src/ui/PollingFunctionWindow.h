#pragma once

#include "ui/FunctionWindow.h"
#include "ui/Poller.h"

#include <memory>

namespace vk220::ui {

// The base of the windows that read the calibrator on a timer. The window, or a part of it, makes
// the window's one `Poller` over the label that shows the reading; the base then answers for the
// polling skeleton: the window polls while the poller's timer runs (a close waits for the next
// reading), and the timer stops as the window unloads.
class PollingFunctionWindow : public FunctionWindow {
    Q_OBJECT
public:
    using FunctionWindow::FunctionWindow;

    // Makes the window's poller; see Poller.
    Poller &MakePoller(QLabel &reading, const Poller::Names &names, QWidget *parent,
                       PollingTimer::Cycle cycle);
    Poller &Polls() const { return *poller; }

protected:
    void OnUnload() override;
    bool Polling() const override;

private:
    std::unique_ptr<Poller> poller;
};

} // namespace vk220::ui
