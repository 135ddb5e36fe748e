#pragma once

#include "graphics/sprite.h"

// Characters face the way their sprite is mirrored: a negative x scale looks left, anything
// else (a flat 0 included) looks right.
inline bool FacesLeft(const Sprite& sprite) { return sprite.scaleX < 0.0f; }
