#pragma once

#include <optional>

#include "core/vector2d.h"
#include "physics/shape.h"

class Body;

// How far a reaches into b: a vector from a towards b whose length is the overlap depth. Bodies
// apart or only touching give zero, whatever their shapes.
using PenetrationFunction = Vec2 (*)(const Body& a, const Body& b);

// The pair's penetration, by their shapes; none for a pair with a pillar, which only reports.
std::optional<Vec2> Penetration(const Body& a, const Body& b);

Vec2 CircleCirclePenetration(const Body& a, const Body& b);
Vec2 CircleBoxPenetration(const Body& circle, const Body& box);
Vec2 BoxCirclePenetration(const Body& box, const Body& circle);
// Uses the bodies' width and height, not their shapes; the shallower axis wins, y on a tie.
Vec2 BoxBoxPenetration(const Body& a, const Body& b);
