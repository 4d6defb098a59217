#pragma once

#include "Clock.h"

// The production clock: the system's monotonic clock, and a pause that sleeps the thread.
class SteadyClock final : public Clock {
public:
    double Now() const override;
    void Pause(double seconds) override;
};
