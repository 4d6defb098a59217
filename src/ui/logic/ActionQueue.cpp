#include "ui/logic/ActionQueue.h"

#include <algorithm>

namespace vk220::ui {

void ActionQueue::Run(Action action, const QString &key) {
    if (!running) {
        RunAll(action, false);
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
    Changed();
}

void ActionQueue::RunNext(Action action, const QString &key) {
    if (!running) {
        RunAll(action, false);
        return;
    }
    if (!key.isEmpty())
        waiting.removeIf([&key](const Waiting &entry) { return entry.key == key; });
    const auto after = std::find_if(waiting.begin(), waiting.end(),
                                    [](const Waiting &entry) { return !entry.next; });
    waiting.insert(after, {std::move(action), key, true});
    Changed();
}

bool ActionQueue::RunIfIdle(Action action) {
    if (running)
        return false;
    RunAll(action, true);
    return true;
}

int ActionQueue::Pending() const {
    const bool countRunning = running && !(ticking && waiting.isEmpty());
    return static_cast<int>(waiting.size()) + (countRunning ? 1 : 0);
}

int ActionQueue::Clear() {
    const int dropped = static_cast<int>(waiting.size());
    waiting.clear();
    if (dropped > 0)
        Changed();
    return dropped;
}

void ActionQueue::RunAll(const Action &first, bool tick) {
    running = true;
    ticking = tick;
    Changed();
    first();
    ticking = false;
    while (!waiting.isEmpty()) {
        const Action next = waiting.takeFirst().action;
        Changed();
        next();
    }
    running = false;
    Changed();
    if (drained)
        drained();
}

void ActionQueue::Changed() const {
    if (changed)
        changed();
}

} // namespace vk220::ui
