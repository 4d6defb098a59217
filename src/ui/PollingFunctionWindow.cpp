#include "ui/PollingFunctionWindow.h"

#include <utility>

namespace vk220::ui {

Poller &PollingFunctionWindow::MakePoller(QLabel &reading, const Poller::Names &names,
                                          QWidget *parent, PollingTimer::Cycle cycle) {
    poller =
        std::make_unique<Poller>(*this, context.boxes, reading, names, parent, std::move(cycle));
    return *poller;
}

void PollingFunctionWindow::OnUnload() {
    if (poller)
        poller->Stop();
}

bool PollingFunctionWindow::Polling() const {
    return poller && poller->Active();
}

} // namespace vk220::ui
