#pragma once

#include "platform/clock.h"

namespace platform {

// Wall time for the running game. Frames are paced at 1/60 s and need sub-0.05 ms accuracy,
// which a plain sleep cannot give: WaitUntil sleeps off the bulk and spins the last stretch.
class SteadyClock : public Clock {
public:
    uint64_t Now() override;
    void WaitUntil(uint64_t tick) override;
};

}  // namespace platform
