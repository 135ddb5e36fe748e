#include "physics/collision_message.h"

std::map<GameObject*, GameObject*>& CollisionMessage::Pairs() {
    static std::map<GameObject*, GameObject*> pairs;
    return pairs;
}
