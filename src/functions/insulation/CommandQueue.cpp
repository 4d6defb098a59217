#include "CommandQueue.h"

CommandQueue::CommandQueue(Sender send, Action drained)
    : send(std::move(send)), drained(std::move(drained)) {}

void CommandQueue::Run(const QStringList &lines, Action then) {
    waiting.append({lines, std::move(then)});
    if (running)
        return;
    running = true;
    while (!waiting.isEmpty()) {
        const Sequence sequence = waiting.takeFirst();
        for (const QString &line : sequence.lines)
            send(line);
        if (waiting.isEmpty() && sequence.then)
            sequence.then();
    }
    running = false;
    if (drained)
        drained();
}
