#include "platform/steady_clock.h"

#include <chrono>
#include <thread>

namespace platform {
namespace {

using Ticks = std::chrono::duration<int64_t, std::ratio<1, kTicksPerSecond>>;

// Sleeps can overshoot by a scheduler slice; below this margin we stop trusting them.
constexpr uint64_t kSpinMargin = 2 * kTicksPerMillisecond;

}  // namespace

uint64_t SteadyClock::Now() {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<Ticks>(sinceEpoch).count());
}

void SteadyClock::WaitUntil(uint64_t tick) {
    for (uint64_t now = Now(); now < tick && tick - now > kSpinMargin; now = Now()) {
        std::this_thread::sleep_for(Ticks(static_cast<int64_t>(tick - now - kSpinMargin)));
    }
    // Spin the rest without yielding: under load a yield hands the CPU away for a whole slice.
    while (Now() < tick) {
    }
}

}  // namespace platform
