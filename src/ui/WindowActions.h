#pragma once

#include "ui/logic/ActionQueue.h"

#include <QString>

#include <functional>

class QPushButton;

namespace vk220::ui {

class FunctionWindow;
class WindowSender;
struct FunctionContext;

// The operator's actions on one function window and its closing, with the one rule for both.
//
// Every operator action and every timer tick that talks to the calibrator goes through the
// window's action queue (Act, ActStandby, ActIfIdle): an action that arrives while another is still
// exchanging waits for it, so the lines of two actions never interleave and what the window shows
// is what the calibrator was last told. The window's set-up is its first action. Each action runs
// with the interlock stamp of the moment it was asked for, so the operator's later STAND BY
// overtakes it.
//
// Close asked for while an action runs, or while the window polls, is deferred: the Close button
// reads "Closing..." and the window unloads once the running action has ended (a polling window
// at the end of its next reading); actions still waiting are dropped, and so are the operator's
// clicks from then on, but STAND BY; the main window says so (StatusNotices), as it shows how
// many actions are still to run. Only a close during the window's set-up unloads it at once.
class WindowActions {
public:
    static inline const QString ClosingCaption = QStringLiteral("Closing...");
    // Shown in the main window for a click that a closing window does not take.
    static inline const QString ClosingRefusal = QStringLiteral("Closing: the click was not taken");
    // Shown in the main window for the clicks still waiting when a close drops them.
    static QString DroppedRefusal(int clicks);

    // `polling` tells whether the window reads the calibrator on a timer: its close then waits
    // for the next reading, which honours the marker.
    WindowActions(FunctionWindow &window, FunctionContext &context, QPushButton &closeBut,
                  WindowSender &sender, std::function<bool()> polling);

    // Runs an operator action now, or after the running action and those waiting (ActionQueue).
    void Act(ActionQueue::Action action, const QString &key = {});
    // The operator's STAND BY: runs next, ahead of the actions already waiting; those with the
    // same `key` are dropped. No action asked for before it switches the output on again.
    void ActStandby(ActionQueue::Action action, const QString &key = {});
    // A timer tick: runs only when no action runs, since the timer comes again.
    bool ActIfIdle(ActionQueue::Action action);
    // The window's set-up, its first action; a close asked for while it runs unloads at once.
    void SetUp(std::function<void()> setUp);
    bool Acting() const { return queue.Busy(); }
    // Whether the operator's actions are taken: not once the window unloads or a close waits.
    bool TakesActions() const;
    // Drops the actions still waiting, as the window unloads.
    void Clear() { queue.Clear(); }

    // What "Close" and the main window's CloseCurrentFunction ask of the window: it closes at
    // once when idle, else once its running action or its next reading has ended.
    void CloseOnRequest();
    bool ClosePending() const;
    // The window's settings are gone from the calibrator: it sends nothing more and closes as
    // soon as no action of its own runs.
    void Abandon();

private:
    // The action, run with the interlock stamp of the moment it was asked for, once a port lost
    // meanwhile is back; not when the window was closed or abandoned meanwhile.
    ActionQueue::Action Stamped(ActionQueue::Action action);
    // Sets the deferred-close marker; actions still waiting are dropped.
    void RequestDeferredClose();
    // After the last waiting action: a close asked for meanwhile that no reading will honour.
    void HonourPendingClose();

    FunctionWindow &window;
    FunctionContext &context;
    QPushButton &closeBut;
    WindowSender &sender;
    std::function<bool()> polling;
    ActionQueue queue;
    bool loading = false;
};

} // namespace vk220::ui
