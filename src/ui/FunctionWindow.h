#pragma once

#include "ActionQueue.h"
#include "FunctionContext.h"
#include "Interlock.h"

#include <QWidget>

class QPushButton;

// The base of every function window: the load handling that places the window, the unload
// handling that runs exactly once however the window closes, the "Close" button with its
// deferred-close marker, Enter anywhere in the window (EnterKeys), and the one rule for operator
// actions.
//
// Every operator action and every timer tick that talks to the calibrator goes through the
// window's action queue (Act, ActStandby, ActIfIdle): an action that arrives while another is still
// exchanging waits for it, so the lines of two actions never interleave and what the window shows
// is what the calibrator was last told. The window's set-up is its first action.
//
// Close asked for while an action runs, or while the window polls, is deferred: the Close button
// reads "Closing..." and the window unloads once the running action has ended (a polling window
// at the end of its next reading); actions still waiting are dropped, and so are the operator's
// clicks from then on, but STAND BY; the main window says so (StatusNotices), as it shows how
// many actions are still to run. Only a close during the window's set-up unloads it at once.
// The main window's exit unloads a window at once, even from inside one of its exchanges.
//
// Every line the window sends goes through the interlock under the window's own sender, which is
// revoked as the unload begins: nothing of the window reaches the calibrator after that, however
// deep in a reply wait the rest of an action still runs. The window itself is deleted only once
// no action of its own and no exchange is under way (FunctionArea), so an action that outlives
// the unload ends on controls that still exist.
class FunctionWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString ClosingCaption = QStringLiteral("Closing...");
    // Shown in the main window for a click that a closing window does not take.
    static inline const QString ClosingRefusal = QStringLiteral("Closing: the click was not taken");
    // Shown in the main window for the clicks still waiting when a close drops them.
    static QString DroppedRefusal(int clicks);

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
    // What "Close" and the main window's CloseCurrentFunction ask of this window: it closes at
    // once when idle, else once its running action or its next reading has ended.
    void CloseOnRequest();
    bool ClosePending() const;

    // Runs an operator action now, or after the running action and those waiting (ActionQueue).
    void Act(ActionQueue::Action action, const QString &key = {});
    // The operator's STAND BY: runs next, ahead of the actions already waiting; those with the
    // same `key` are dropped. No action asked for before it switches the output on again.
    void ActStandby(ActionQueue::Action action, const QString &key = {});
    // A timer tick: runs only when no action runs, since the timer comes again.
    bool ActIfIdle(ActionQueue::Action action);
    bool Acting() const { return actions.Busy(); }
    // Whether the operator's actions are taken: not once the window unloads or a close waits.
    bool TakesActions() const { return !unloaded && !ClosePending(); }
    // Whether lines of this window may have been lost with the port: one went out before the
    // port was lost, or a line it sent met a lost port. Such a window no longer matches the
    // calibrator's settings.
    bool MissedCommands() const;
    // The window's settings are gone from the calibrator: it sends nothing more and closes as
    // soon as no action of its own runs.
    void Abandon();

    QPushButton &CloseButton() const { return *closeBut; }
    // The outer size of the window, frame included, as designed.
    QSize DesignSize() const { return designSize; }

    // Whether the main window gives this window the function background picture.
    virtual bool TakesFunctionBackground() const { return true; }

    // Sends one command line through the interlock and returns the reply; nothing once unloaded
    // or abandoned. For the window and its parts, from inside one of its actions.
    QString Send(const QString &command);
    // Switches the adapter: the switching mask command, then "p0", the empty mask that every
    // window but the insulation window sends after its own.
    void SendMask(const QString &maskCommand);
    // Asks the calibrator for its present measurement ("v") and returns the reply.
    QString ReadMeasurement() { return Send(QStringLiteral("v")); }

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
    // The action, run with the interlock stamp of the moment it was asked for, once a port lost
    // meanwhile is back; not when the window was closed or abandoned meanwhile.
    ActionQueue::Action Stamped(ActionQueue::Action action);
    // Sets the deferred-close marker; actions still waiting are dropped.
    void RequestDeferredClose();
    // After the last waiting action: a close asked for meanwhile that no reading will honour.
    void HonourPendingClose();

    QPushButton *closeBut;
    QSize designSize;
    ActionQueue actions;
    Interlock::SenderId sender;
    // The interlock stamp of the action running.
    int actionStamp = 0;
    bool loading = false;
    bool missed = false;
    bool abandoned = false;
    bool unloadRequested = false;
    bool unloaded = false;
};
