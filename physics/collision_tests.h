#pragma once

#include "physics/shape.h"

// One intersection test per ordered pair of shape types, indexed by typeA * 3 + typeB. Every
// test takes (shape A, A's velocity, shape B, B's velocity).
using CollisionTest = bool (*)(const Shape& a, float aVelX, float aVelY, const Shape& b, float bVelX, float bVelY);

const CollisionTest* CollisionTests();
inline bool TestShapes(const Shape& a, Vec2 aVel, const Shape& b, Vec2 bVel) {
    return CollisionTests()[a.type * kShapeTypes + b.type](a, aVel.x, aVel.y, b, bVel.x, bVel.y);
}

class BC;
class AABB;
class PolygonalPillar;

// Touching counts; when apart, A is swept along the relative velocity for one whole velocity
// vector (not scaled by the frame time).
bool CircleCircle(const BC& a, Vec2 aVel, const BC& b, Vec2 bVel);
bool CircleBox(const BC& circle, const AABB& box);
// The strict overlap: touching boxes are apart.
bool BoxesOverlap(const AABB& a, const AABB& b);
// Overlap, else a sweep of the relative motion over `seconds`. Zero gaps at zero speed divide
// 0 by 0; the resulting NaN must leave both bounds alone, so this needs IEEE arithmetic.
bool BoxBoxSwept(const AABB& a, Vec2 aVel, const AABB& b, Vec2 bVel, float seconds);
// Touching counts.
bool PillarPillar(const PolygonalPillar& a, const PolygonalPillar& b);
// A circle wholly inside the pillar is not reported.
bool PillarCircle(const PolygonalPillar& pillar, const BC& circle);
bool PillarBox(const PolygonalPillar& pillar, const AABB& box);
// The box as a pillar with its corners counter-clockwise from the top right.
PolygonalPillar PillarFromBox(const AABB& box);

// The time the box sweep covers: the frame timer's last frame, in whole milliseconds, but no
// longer than the step bodies take in it.
float BoxSweepSeconds();
