#include "platform/steady_clock.h"

#include <chrono>
#include <thread>

namespace platform {
namespace {

using Ticks = std::chrono::duration<int64_t, std::ratio<1, kTicksPerSecond>>;

}  // namespace

uint64_t SteadyClock::Now() {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint64_t>(std::chrono::duration_cast<Ticks>(sinceEpoch).count());
}

void SteadyClock::WaitUntil(uint64_t tick) {
    SleepThenSpin(
        tick, [this] { return Now(); },
        [](uint64_t ticks) { std::this_thread::sleep_for(Ticks(static_cast<int64_t>(ticks))); });
}

}  // namespace platform
