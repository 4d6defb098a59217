#pragma once

#include "link/Clock.h"

namespace vk220::link {

// The production clock: the system's monotonic clock, and a pause that sleeps the thread.
class SteadyClock final : public Clock {
public:
    double Now() const override;
    void Pause(double seconds) override;
};

} // namespace vk220::link
