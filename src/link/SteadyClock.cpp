#include "link/SteadyClock.h"

#include <chrono>
#include <thread>

namespace vk220::link {

double SteadyClock::Now() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

void SteadyClock::Pause(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

} // namespace vk220::link
