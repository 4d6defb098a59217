#include "ActionQueue.h"

#include <algorithm>

void ActionQueue::Run(Action action, const QString &key) {
    if (!running) {
        RunAll(action);
        return;
    }
    if (!key.isEmpty()) {
        // A STAND BY waiting is never replaced: what comes after it runs after it.
        const auto same =
            std::find_if(waiting.begin(), waiting.end(),
                         [&key](const Waiting &entry) { return !entry.next && entry.key == key; });
        if (same != waiting.end()) {
            same->action = std::move(action);
            return;
        }
    }
    waiting.append({std::move(action), key, false});
}

void ActionQueue::RunNext(Action action, const QString &key) {
    if (!running) {
        RunAll(action);
        return;
    }
    if (!key.isEmpty())
        waiting.removeIf([&key](const Waiting &entry) { return entry.key == key; });
    const auto after = std::find_if(waiting.begin(), waiting.end(),
                                    [](const Waiting &entry) { return !entry.next; });
    waiting.insert(after, {std::move(action), key, true});
}

bool ActionQueue::RunIfIdle(Action action) {
    if (running)
        return false;
    RunAll(action);
    return true;
}

void ActionQueue::RunAll(const Action &first) {
    running = true;
    first();
    while (!waiting.isEmpty()) {
        const Action next = waiting.takeFirst().action;
        next();
    }
    running = false;
    if (drained)
        drained();
}
