#pragma once

#include <QList>
#include <QStringList>

#include <functional>

// Serialises the window's switching sequences on the link. The link services clicks while it
// waits for a reply, so a spin click, a range button or a tab can ask for a sequence in the
// middle of another one; sent at once, its lines would interleave with the running sequence's
// and the adapter could end on a stale mask. A sequence asked for while another runs is sent
// when that one has finished, so the last sequence asked for is always the last one sent.
class CommandQueue {
public:
    using Sender = std::function<void(const QString &line)>;
    using Action = std::function<void()>;

    // `drained` runs each time the last waiting sequence has been sent.
    CommandQueue(Sender send, Action drained);

    // Sends `lines` in order, now or after the running sequence, then runs `then` unless a later
    // sequence is already waiting (that one takes over what `then` would have set up).
    void Run(const QStringList &lines, Action then = {});
    bool Busy() const { return running; }

private:
    struct Sequence {
        QStringList lines;
        Action then;
    };

    Sender send;
    Action drained;
    QList<Sequence> waiting;
    bool running = false;
};
