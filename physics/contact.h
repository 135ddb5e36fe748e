#pragma once

#include "core/vector2d.h"

class Body;

// Two bodies that overlap this frame: how deep, and the unit direction from a to b (zero when
// they share a centre exactly). Resolving replaces the normal by the impulse's direction.
struct Contact {
    Body* a = nullptr;
    Body* b = nullptr;
    float depth = 0;
    Vec2 normal;
};
