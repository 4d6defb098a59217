#pragma once

namespace vk220::link {

// Elapsed time and the blocking pause of the link. The production clock is monotonic; tests put
// a virtual clock here so that the two-second silence rule runs in microseconds.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary origin; never jumps.
    virtual double Now() const = 0;
    // Blocks the calling thread without servicing window events.
    virtual void Pause(double seconds) = 0;
};

} // namespace vk220::link
