#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The frame timer: 60 frames per second, measured in ticks of 100 ns.
class FrameRateController {
public:
    static FrameRateController& GetInstance();

    // Reserves a time-stamp slot and returns its index.
    size_t AddStamp(uint64_t time);
    // The last frame's length in seconds, in whole milliseconds: the dt every system sees.
    double LastElapsedSeconds() const;
    void Reset();

    int fps = 0;
    uint64_t frameTicks = 0;
    int frameCount = 0;
    uint64_t lastElapsed = 0;
    uint64_t frameStart = 0;
    uint64_t now = 0;
    std::vector<uint64_t> stamps;
};

// Ticks to seconds at millisecond resolution, as the frame timer reports every duration.
double TicksToWholeMillisecondSeconds(uint64_t ticks);
