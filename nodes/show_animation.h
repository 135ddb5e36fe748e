#pragma once

#include "graphics/sprite.h"

// Switches a sprite to animation `index` of its sheet; the renderer brings the frame into the
// new animation's range on its next step. A negative index names no animation and changes
// nothing (as an unsigned id it would freeze the sprite on its current cell).
inline void ShowAnimation(Sprite* sprite, int index) {
    if (sprite && index >= 0) sprite->state.animId = static_cast<unsigned>(index);
}
