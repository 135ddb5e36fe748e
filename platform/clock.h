#pragma once

#include <cstdint>

namespace platform {

// Monotonic time in ticks of 100 ns.
constexpr uint64_t kTicksPerSecond = 10'000'000;
constexpr uint64_t kTicksPerMillisecond = 10'000;

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint64_t Now() = 0;
    // Returns once Now() >= tick. The scripted clock jumps there at once.
    virtual void WaitUntil(uint64_t tick) = 0;
};

}  // namespace platform
