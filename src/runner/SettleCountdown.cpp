#include "runner/SettleCountdown.h"

#include <cmath>

namespace vk220::runner {

SettleCountdown::SettleCountdown() {
    timer.setInterval(SecondMs);
    connect(&timer, &QTimer::timeout, this, &SettleCountdown::Tick);
}

void SettleCountdown::Start(double seconds) {
    remaining = static_cast<int>(std::ceil(std::max(seconds, 0.0)));
    if (remaining == 0) {
        emit Settled();
        return;
    }
    emit Counted(remaining);
    timer.start();
}

void SettleCountdown::Stop() {
    timer.stop();
    remaining = 0;
}

void SettleCountdown::Tick() {
    if (remaining <= 0)
        return;
    --remaining;
    emit Counted(remaining);
    if (remaining == 0) {
        timer.stop();
        emit Settled();
    }
}

} // namespace vk220::runner
