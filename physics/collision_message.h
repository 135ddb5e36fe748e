#pragma once

#include <map>
#include <utility>
#include <vector>

#include "core/message.h"

class GameObject;

// Announces the frame's collisions; the pairs themselves sit in the shared map, each pair
// entered both ways, an object keeping its first partner.
class CollisionMessage : public MessageOf<CollisionMessage, COLLISION> {
public:
    static std::map<GameObject*, GameObject*>& Pairs();
    // Every partner of every object in the frame, both ways, sorted by object: what the
    // one-partner map leaves out, for a question no single partner answers (is anything
    // under me?).
    static std::vector<std::pair<GameObject*, GameObject*>>& Touches();
};
