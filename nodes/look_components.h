#pragma once

#include "core/game_object.h"
#include "graph/node_helpers.h"
#include "graphics/font.h"
#include "graphics/sprite.h"

// An object's (visible) sprite or text; null for no object or no such component. Nodes that
// would change a look they cannot find skip that change and go on.
inline Sprite* SpriteOf(const GameObject* object) { return object ? object->Get<Sprite>(SPRITE) : nullptr; }
inline Font* FontOf(const GameObject* object) { return object ? object->Get<Font>(FONT) : nullptr; }
inline Sprite* OwnerSprite(const AI_Component* ctx) { return SpriteOf(OwnerOf(ctx)); }
inline Font* OwnerFont(const AI_Component* ctx) { return FontOf(OwnerOf(ctx)); }
