#include "ui/WindowActions.h"

#include "ui/FunctionContext.h"
#include "ui/FunctionHost.h"
#include "ui/FunctionWindow.h"
#include "ui/logic/ProgramState.h"
#include "ui/logic/StatusNotices.h"
#include "ui/logic/WindowSender.h"

#include "link/CalibratorLink.h"

#include <QPushButton>

namespace vk220::ui {

WindowActions::WindowActions(FunctionWindow &window, FunctionContext &context,
                             QPushButton &closeBut, WindowSender &sender,
                             std::function<bool()> polling)
    : window(window), context(context), closeBut(closeBut), sender(sender),
      polling(std::move(polling)) {
    queue.SetDrained([this] { HonourPendingClose(); });
    queue.SetChanged([this] { this->context.host.Notices().ShowPending(queue.Pending()); });
}

QString WindowActions::DroppedRefusal(int clicks) {
    return clicks == 1 ? QStringLiteral("Closing: 1 waiting click was not taken")
                       : QStringLiteral("Closing: %1 waiting clicks were not taken").arg(clicks);
}

void WindowActions::SetUp(std::function<void()> setUp) {
    Act([this, setUp = std::move(setUp)] {
        loading = true;
        setUp();
        loading = false;
    });
}

void WindowActions::CloseOnRequest() {
    // Closed while its set-up still exchanges: the window unloads at once and the rest of its
    // set-up sends nothing.
    if (loading)
        window.Unload();
    else if (Acting() || polling())
        RequestDeferredClose();
    else
        window.Unload();
}

void WindowActions::RequestDeferredClose() {
    closeBut.setText(ClosingCaption);
    if (const int dropped = queue.Clear())
        context.host.Notices().ShowRefused(DroppedRefusal(dropped));
}

void WindowActions::HonourPendingClose() {
    // Not yet unloaded, a silenced sender means an abandoned window.
    if (ClosePending() && !window.IsUnloaded() && (!polling() || sender.Silenced()))
        window.Unload();
}

void WindowActions::Abandon() {
    sender.Silence();
    if (Acting())
        RequestDeferredClose();
    else
        window.Unload();
}

bool WindowActions::ClosePending() const {
    return closeBut.text() == ClosingCaption;
}

bool WindowActions::TakesActions() const {
    return !window.IsUnloaded() && !ClosePending();
}

ActionQueue::Action WindowActions::Stamped(ActionQueue::Action action) {
    return [this, action = std::move(action), stamp = context.state.interlock.Standbys()] {
        sender.Stamp(stamp);
        context.state.link.Resume();
        // Silenced once the window is closed or abandoned.
        if (!sender.Silenced())
            action();
    };
}

void WindowActions::Act(ActionQueue::Action action, const QString &key) {
    if (TakesActions())
        queue.Run(Stamped(std::move(action)), key);
    else
        context.host.Notices().ShowRefused(ClosingRefusal);
}

void WindowActions::ActStandby(ActionQueue::Action action, const QString &key) {
    if (window.IsUnloaded())
        return;
    context.state.interlock.OperatorStandby();
    queue.RunNext(Stamped(std::move(action)), key);
}

bool WindowActions::ActIfIdle(ActionQueue::Action action) {
    return !window.IsUnloaded() && queue.RunIfIdle(Stamped(std::move(action)));
}

} // namespace vk220::ui
