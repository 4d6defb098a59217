#pragma once

#include <QObject>

#include <initializer_list>

class QSocketNotifier;

namespace vk220::sim {

// Turns the termination signals into a Qt signal on the event loop, through a pipe written by
// the handler (a handler may do nothing else safely), so calsim can clean up before it ends.
class SignalRelay : public QObject {
    Q_OBJECT
public:
    explicit SignalRelay(std::initializer_list<int> signalNumbers, QObject *parent = nullptr);
    ~SignalRelay() override;

signals:
    void Received(int signalNumber);

private:
    static void Handle(int signalNumber);
    void Drain();

    static inline int writeFd = -1;
    int readFd = -1;
    QSocketNotifier *notifier = nullptr;
};

} // namespace vk220::sim
