#pragma once

#include "link/Clock.h"

// A clock that moves only when the link pauses: the two-second silence rule runs at once.
class VirtualClock final : public vk220::link::Clock {
public:
    double Now() const override { return now; }
    void Pause(double seconds) override { now += seconds; }
    void Advance(double seconds) { now += seconds; }

private:
    double now = 1000.0;
};
