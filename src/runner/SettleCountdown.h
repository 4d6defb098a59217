#pragma once

#include <QObject>
#include <QTimer>

namespace vk220::runner {

// The settling time of a point counted down in whole seconds, shown as it goes.
class SettleCountdown : public QObject {
    Q_OBJECT
public:
    static constexpr int SecondMs = 1000;

    SettleCountdown();

    void Start(double seconds);
    void Stop();
    bool Running() const { return timer.isActive(); }
    int Remaining() const { return remaining; }

    // One second gone; tests call it instead of waiting for the timer.
    void Tick();

signals:
    void Counted(int remaining);
    void Settled();

private:
    QTimer timer;
    int remaining = 0;
};

} // namespace vk220::runner
