#pragma once

#include <limits>

// A graph's double as a float field takes it. A double beyond float's range has no float to
// become (the plain conversion is undefined there): it becomes the infinity of its sign.
inline float FloatFromGraph(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (value > kLargest) return std::numeric_limits<float>::infinity();
    if (value < -kLargest) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}
