#include "physics/collision_message.h"

std::map<GameObject*, GameObject*>& CollisionMessage::Pairs() {
    static std::map<GameObject*, GameObject*> pairs;
    return pairs;
}

std::vector<std::pair<GameObject*, GameObject*>>& CollisionMessage::Touches() {
    static std::vector<std::pair<GameObject*, GameObject*>> touches;
    return touches;
}
