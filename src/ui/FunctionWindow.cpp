#include "ui/FunctionWindow.h"

#include "ui/Controls.h"
#include "ui/EnterKeys.h"
#include "ui/FunctionHost.h"
#include "ui/TabOrder.h"
#include "ui/logic/ProgramState.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

namespace vk220::ui {

FunctionWindow::FunctionWindow(FunctionContext &context, const QString &title, int widthTwips,
                               int heightTwips)
    : context(context), closeBut(new QPushButton(QStringLiteral("Close"), this)),
      designSize(Controls::Twips(widthTwips), Controls::Twips(heightTwips)),
      sender(context.state.interlock, context.state.link),
      actions(*this, context, *closeBut, sender, [this] { return Polling(); }) {
    setWindowTitle(title);
    resize(designSize);
    Controls::Name(*closeBut, QStringLiteral("CloseBut"));
    connect(closeBut, &QPushButton::clicked, this, [this] { actions.CloseOnRequest(); });
    new EnterKeys(*this, [this] { return OnEnterKey(); });
}

void FunctionWindow::Load() {
    // Made with the window, before the controls of the window's own: Tab reaches it last.
    TabOrder::MoveToEnd(*this, *closeBut);
    context.host.PlaceFunctionWindow(*this);
    actions.SetUp([this] { OnLoad(); });
}

void FunctionWindow::Unload() {
    unloadRequested = true;
    Controls::CloseWindow(*this);
}

void FunctionWindow::closeEvent(QCloseEvent *event) {
    if (!unloadRequested) {
        // The frame's own close button asks as "Close" does: a polling window may have to wait
        // for its reading. Asked once control is back in the event loop, not inside the close.
        event->ignore();
        QTimer::singleShot(0, this, [this] { actions.CloseOnRequest(); });
        return;
    }
    if (!unloaded) {
        // Marked first: nothing the window does while the release sequence waits for its replies
        // may reach the calibrator again.
        unloaded = true;
        sender.Revoke();
        actions.Clear();
        OnUnload();
        if (ReleasesOnUnload())
            context.host.ReleaseAdapter();
        context.host.SetFunctionControlsEnabled(true);
        emit Unloaded();
    }
    event->accept();
}

} // namespace vk220::ui
