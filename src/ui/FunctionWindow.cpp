#include "FunctionWindow.h"

#include "Controls.h"
#include "EnterKeys.h"
#include "FunctionHost.h"
#include "ProgramState.h"
#include "StatusNotices.h"
#include "TabOrder.h"

#include "CalibratorLink.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

FunctionWindow::FunctionWindow(FunctionContext &context, const QString &title, int widthTwips,
                               int heightTwips)
    : context(context), closeBut(new QPushButton(QStringLiteral("Close"), this)),
      designSize(Controls::Twips(widthTwips), Controls::Twips(heightTwips)),
      sender(context.state.interlock.OpenSender()) {
    setWindowTitle(title);
    resize(designSize);
    Controls::Name(*closeBut, QStringLiteral("CloseBut"));
    connect(closeBut, &QPushButton::clicked, this, [this] { CloseOnRequest(); });
    new EnterKeys(*this, [this] { return OnEnterKey(); });
    actions.SetDrained([this] { HonourPendingClose(); });
    actions.SetChanged([this] { this->context.host.Notices().ShowPending(actions.Pending()); });
}

QString FunctionWindow::DroppedRefusal(int clicks) {
    return clicks == 1 ? QStringLiteral("Closing: 1 waiting click was not taken")
                       : QStringLiteral("Closing: %1 waiting clicks were not taken").arg(clicks);
}

void FunctionWindow::Load() {
    // Made with the window, before the controls of the window's own: Tab reaches it last.
    TabOrder::MoveToEnd(*this, *closeBut);
    context.host.PlaceFunctionWindow(*this);
    Act([this] {
        loading = true;
        OnLoad();
        loading = false;
    });
}

void FunctionWindow::Unload() {
    unloadRequested = true;
    Controls::CloseWindow(*this);
}

void FunctionWindow::CloseOnRequest() {
    // Closed while its set-up still exchanges: the window unloads at once and the rest of its
    // set-up sends nothing.
    if (loading)
        Unload();
    else if (Acting() || Polling())
        RequestDeferredClose();
    else
        Unload();
}

void FunctionWindow::RequestDeferredClose() {
    closeBut->setText(ClosingCaption);
    if (const int dropped = actions.Clear())
        context.host.Notices().ShowRefused(DroppedRefusal(dropped));
}

void FunctionWindow::HonourPendingClose() {
    if (ClosePending() && !unloaded && (!Polling() || abandoned))
        Unload();
}

void FunctionWindow::Abandon() {
    abandoned = true;
    if (Acting())
        RequestDeferredClose();
    else
        Unload();
}

bool FunctionWindow::ClosePending() const {
    return closeBut->text() == ClosingCaption;
}

ActionQueue::Action FunctionWindow::Stamped(ActionQueue::Action action) {
    return [this, action = std::move(action), stamp = context.state.interlock.Standbys()] {
        actionStamp = stamp;
        context.state.link.Resume();
        if (!unloaded && !abandoned)
            action();
    };
}

void FunctionWindow::Act(ActionQueue::Action action, const QString &key) {
    if (TakesActions())
        actions.Run(Stamped(std::move(action)), key);
    else
        context.host.Notices().ShowRefused(ClosingRefusal);
}

void FunctionWindow::ActStandby(ActionQueue::Action action, const QString &key) {
    if (unloaded)
        return;
    context.state.interlock.OperatorStandby();
    actions.RunNext(Stamped(std::move(action)), key);
}

bool FunctionWindow::ActIfIdle(ActionQueue::Action action) {
    return !unloaded && actions.RunIfIdle(Stamped(std::move(action)));
}

bool FunctionWindow::MissedCommands() const {
    return missed || context.state.interlock.SentBeforeLoss(sender);
}

void FunctionWindow::SendMask(const QString &maskCommand) {
    Send(maskCommand);
    Send(QStringLiteral("p0"));
}

QString FunctionWindow::Send(const QString &command) {
    if (unloaded || abandoned)
        return QString();
    const QString reply = context.state.interlock.Send(sender, command, actionStamp);
    if (context.state.link.PortLost())
        missed = true;
    return reply;
}

void FunctionWindow::closeEvent(QCloseEvent *event) {
    if (!unloadRequested) {
        // The frame's own close button asks as "Close" does: a polling window may have to wait
        // for its reading. Asked once control is back in the event loop, not inside the close.
        event->ignore();
        QTimer::singleShot(0, this, [this] { CloseOnRequest(); });
        return;
    }
    if (!unloaded) {
        // Marked first: nothing the window does while the release sequence waits for its replies
        // may reach the calibrator again.
        unloaded = true;
        context.state.interlock.Revoke(sender);
        actions.Clear();
        OnUnload();
        if (ReleasesOnUnload())
            context.host.ReleaseAdapter();
        context.host.SetFunctionControlsEnabled(true);
        emit Unloaded();
    }
    event->accept();
}
