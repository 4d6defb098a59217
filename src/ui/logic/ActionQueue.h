#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace vk220::ui {

// The operator's actions on one window, carried out one at a time.
//
// The link services window events while it waits for a reply, so a click or a timer tick can
// arrive while an earlier action is still exchanging with the calibrator. Run at once, its lines
// would interleave with the earlier action's and the window could end up showing one setting
// while the calibrator holds another. Instead an action that arrives while another runs waits and
// runs when that one has ended, in the order asked; nothing is dropped but timer ticks, which
// come again.
class ActionQueue {
public:
    using Action = std::function<void()>;

    // Runs `action` now when no action runs; otherwise after the running one and those already
    // waiting. A waiting action with the same non-empty `key` (a repeated click on one control)
    // is replaced by this one, in its place, unless it was given to RunNext.
    void Run(Action action, const QString &key = {});
    // As Run, but ahead of every waiting action except those given to RunNext before it; waiting
    // actions with the same non-empty `key` are dropped (STAND BY overtakes OUTPUT ON).
    void RunNext(Action action, const QString &key = {});
    // Runs `action` now when no action runs; otherwise drops it and returns false.
    bool RunIfIdle(Action action);

    bool Busy() const { return running; }
    // The actions asked for that have not ended: those waiting and the one running. A timer tick
    // running with nothing waiting behind it is nobody's request and is not counted.
    int Pending() const;
    // Forgets the waiting actions; returns how many there were.
    int Clear();
    // Runs each time the running action and every action waiting behind it have ended.
    void SetDrained(Action action) { drained = std::move(action); }
    // Runs each time Pending() may have changed.
    void SetChanged(Action action) { changed = std::move(action); }

private:
    struct Waiting {
        Action action;
        QString key;
        bool next = false;
    };

    void RunAll(const Action &first, bool tick);
    void Changed() const;

    QList<Waiting> waiting;
    Action drained;
    Action changed;
    bool running = false;
    // The running action is a tick given to RunIfIdle.
    bool ticking = false;
};

} // namespace vk220::ui
