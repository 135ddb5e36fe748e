#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace platform {

// Sleeps can overshoot by a scheduler slice; closer to the deadline than this we stop trusting them.
constexpr uint64_t kSpinMargin = 2 * kTicksPerMillisecond;

// Returns once now() >= tick: sleeps off all but the last kSpinMargin, then spins the rest
// without yielding (under load a yield hands the CPU away for a whole slice). The time source
// and the sleep are passed in so that the hand-over can be checked on a clock a test drives.
template <typename Now, typename Sleep>
void SleepThenSpin(uint64_t tick, Now&& now, Sleep&& sleep) {
    for (uint64_t at = now(); at < tick && tick - at > kSpinMargin; at = now()) sleep(tick - at - kSpinMargin);
    while (now() < tick) {
    }
}

// Wall time for the running game. Frames are paced at 1/60 s and need sub-0.05 ms accuracy,
// which a plain sleep cannot give.
class SteadyClock : public Clock {
public:
    uint64_t Now() override;
    void WaitUntil(uint64_t tick) override;
};

}  // namespace platform
