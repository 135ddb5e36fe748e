#pragma once

#include "graph/node.h"

// The position input of camera scene `scene` among three consecutive Vec2 inputs starting at
// `firstSlot`; null for a scene outside 0 to 2 or an unbound input.
inline const Vec2* ScenePosition(const INode& node, int firstSlot, int scene, AI_Component* ctx) {
    if (scene < 0 || scene > 2) return nullptr;
    return node.GetInput<Vec2>(firstSlot + scene, ctx);
}
