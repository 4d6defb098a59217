#pragma once

#include "ui/FunctionContext.h"
#include "ui/WindowActions.h"
#include "ui/logic/ActionQueue.h"
#include "ui/logic/WindowSender.h"

#include <QWidget>

class QPushButton;

namespace vk220::ui {

// The base of every function window: the load handling that places the window, the unload
// handling that runs exactly once however the window closes, the "Close" button with its
// deferred-close marker, Enter anywhere in the window (EnterKeys), and the one rule for operator
// actions.
//
// The window's actions and its closing are its WindowActions (Actions()): every operator action
// and every timer tick that talks to the calibrator goes through its action queue, and a close
// asked for while an action runs, or while the window polls, is deferred. The main window's exit
// unloads a window at once, even from inside one of its exchanges.
//
// Every line the window sends goes through the interlock under the window's own sender
// (Sender()), which is revoked as the unload begins: nothing of the window reaches the calibrator
// after that, however deep in a reply wait the rest of an action still runs. The window itself is
// deleted only once no action of its own and no exchange is under way (FunctionArea), so an
// action that outlives the unload ends on controls that still exist.
class FunctionWindow : public QWidget {
    Q_OBJECT
public:
    // `widthTwips` and `heightTwips` are the window's outer design size.
    FunctionWindow(FunctionContext &context, const QString &title, int widthTwips, int heightTwips);

    // The load handling: PlaceFunctionWindow first, then the window's own set-up.
    void Load();
    // Closes the window, with its frame in the main window's work area; the unload handling
    // runs once. The frame's own close button does not unload: it asks as "Close" does.
    void Unload();
    bool IsUnloaded() const { return unloaded; }

signals:
    // The unload handling has run.
    void Unloaded();

public:
    // The window's actions and its closing.
    WindowActions &Actions() { return actions; }
    // Runs an operator action now, or after the running action and those waiting (ActionQueue).
    void Act(ActionQueue::Action action, const QString &key = {}) {
        actions.Act(std::move(action), key);
    }

    // The window's sending side.
    WindowSender &Sender() { return sender; }
    // Sends one command line through the interlock and returns the reply; nothing once unloaded
    // or abandoned. For the window and its parts, from inside one of its actions.
    QString Send(const QString &command) { return sender.Send(command); }

    QPushButton &CloseButton() const { return *closeBut; }
    // The outer size of the window, frame included, as designed.
    QSize DesignSize() const { return designSize; }

    // Whether the main window gives this window the function background picture.
    virtual bool TakesFunctionBackground() const { return true; }

protected:
    virtual void OnLoad() = 0;
    // Stops the window's timers; runs before the adapter is released.
    virtual void OnUnload() {}
    // Whether unloading hands the adapter back with the release sequence.
    virtual bool ReleasesOnUnload() const { return true; }
    // Enter pressed anywhere in the window; return true when it was used.
    virtual bool OnEnterKey() { return false; }
    // Whether the window reads the calibrator on a timer; its close then waits for the next
    // reading, which honours the marker.
    virtual bool Polling() const { return false; }

    void closeEvent(QCloseEvent *event) override;

    FunctionContext &context;

private:
    QPushButton *closeBut;
    QSize designSize;
    WindowSender sender;
    WindowActions actions;
    bool unloadRequested = false;
    bool unloaded = false;
};

} // namespace vk220::ui
