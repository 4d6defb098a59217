#include "ui/Poller.h"

#include "ui/FunctionWindow.h"
#include "ui/ReadingMarks.h"
#include "ui/ReadingTools.h"

#include <utility>

namespace vk220::ui {

Poller::Poller(FunctionWindow &window, MessageBoxes &boxes, QLabel &reading, const Names &names,
               QWidget *parent, PollingTimer::Cycle cycle)
    : marks(new ReadingMarks(reading, parent)),
      timer(new PollingTimer(names.timer, window, *marks, std::move(cycle))),
      readings(new ReadingTools(window, names.log, names.title, boxes, parent)) {}

void Poller::Start() {
    timer->Start();
}

void Poller::Stop() {
    timer->Stop();
}

bool Poller::Active() const {
    return timer->IsActive();
}

void Poller::Record(ReadingHistory::Shown shown) {
    shown.noReply = !timer->Answered();
    shown.noNumber = !shown.noReply && !timer->Numbered();
    readings->Record(shown);
}

QLabel &Poller::SampleLab() const {
    return marks->SampleLab();
}

} // namespace vk220::ui
