#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

class Body;

// Finds the pairs worth testing without trying every moving body against every other. Each
// active body gets a box around everything the narrow tests can reach this frame (a circle's
// whole velocity, a box's motion over the sweep time) with a margin against rounding; the
// pairs come out in the order of the plain loop, so both give the same collisions.
class BroadPhase {
public:
    // (i, j) with i < j, i below `movingEnd` (the end of the outer loop), both active, sorted.
    void FindPairs(const std::deque<Body*>& bodies, size_t movingEnd, float boxSweepSeconds,
                   std::vector<std::pair<uint32_t, uint32_t>>& pairs);

private:
    struct Reach {
        float lo;   // along the sweep axis
        float hi;
        float otherLo;
        float otherHi;
        uint32_t index;
    };
    std::vector<Reach> reaches_;
};
