#include "core/frame_rate_controller.h"

#include "platform/clock.h"

FrameRateController& FrameRateController::GetInstance() {
    static FrameRateController instance;
    return instance;
}

size_t FrameRateController::AddStamp(uint64_t time) {
    stamps.push_back(time);
    return stamps.size() - 1;
}

double TicksToWholeMillisecondSeconds(uint64_t ticks) {
    return static_cast<double>(ticks / platform::kTicksPerMillisecond) / 1000.0;
}

double FrameRateController::LastElapsedSeconds() const { return TicksToWholeMillisecondSeconds(lastElapsed); }

void FrameRateController::Reset() { *this = FrameRateController(); }
