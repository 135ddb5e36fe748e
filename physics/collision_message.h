#pragma once

#include <map>

#include "core/message.h"

class GameObject;

// Announces the frame's collisions; the pairs themselves sit in the shared map, each pair
// entered both ways, an object keeping its first partner.
class CollisionMessage : public MessageOf<CollisionMessage, COLLISION> {
public:
    static std::map<GameObject*, GameObject*>& Pairs();
};
