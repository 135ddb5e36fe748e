#pragma once

#include <cmath>

#include "core/vector2d.h"

inline float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline float LengthSquared(Vec2 v) { return Dot(v, v); }
inline float Length(Vec2 v) { return std::sqrt(LengthSquared(v)); }
// v scaled to unit length; a zero vector stays zero.
inline Vec2 NormalisedOrZero(Vec2 v) {
    const float length = Length(v);
    return length != 0 ? v * (1.0f / length) : v;
}
