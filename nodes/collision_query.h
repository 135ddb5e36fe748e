#pragma once

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "core/game_object.h"
#include "graph/ai_manager.h"
#include "graph/node.h"
#include "graph/node_helpers.h"
#include "physics/collision_message.h"

// What `object` collided with in the last physics step; null before physics first reported,
// or when it touched nothing.
inline GameObject* CollisionPartner(const GameObject* object) {
    const AI_Manager* manager = TheAiManager();
    if (!object || !manager || !manager->collisions) return nullptr;
    auto it = manager->collisions->find(const_cast<GameObject*>(object));
    return it == manager->collisions->end() ? nullptr : it->second;
}

// Where `object`'s touches of the last physics step begin in the sorted list of every touch.
inline std::vector<std::pair<GameObject*, GameObject*>>::const_iterator FirstTouchOf(const GameObject* object) {
    const auto& touches = CollisionMessage::Touches();
    return std::lower_bound(touches.begin(), touches.end(), object, [](const auto& touch, const GameObject* key) {
        return std::less<const GameObject*>()(touch.first, key);
    });
}

// The first thing `object` touched in the last physics step that passes `test`: its first
// partner, then everything else it touched in the order physics found it. Null before physics
// first reported, when it touched nothing, or when nothing passes. A player pressed against a
// character must not hide the ball, a door or a punch it touches in the same step.
template <typename Test>
GameObject* FindCollisionPartner(const GameObject* object, Test test) {
    GameObject* first = CollisionPartner(object);
    if (!first) return nullptr;
    if (test(*first)) return first;
    const auto& touches = CollisionMessage::Touches();
    for (auto it = FirstTouchOf(object); it != touches.end() && it->first == object; ++it) {
        if (it->second != first && test(*it->second)) return it->second;
    }
    return nullptr;
}

// Whether anything `object` touched in the last physics step passes `test`; unlike
// CollisionPartner, every partner counts, not only the first.
template <typename Test>
bool AnyCollisionPartner(const GameObject* object, Test test) {
    const auto& touches = CollisionMessage::Touches();
    for (auto it = FirstTouchOf(object); it != touches.end() && it->first == object; ++it) {
        if (test(*it->second)) return true;
    }
    return false;
}

// An object input that only counts when it is bound to a graph-wide variable.
inline InputNode<GameObject*>* GlobalObjectInput(const INode& node, int slot, AI_Component* ctx) {
    auto it = node.inputs.find(slot);
    if (it == node.inputs.end() || !it->second.isGlobal) return nullptr;
    return node.GetInputVariable<GameObject*>(slot, ctx);
}

// Whether `object` has the type an object variable searches for (search term 0) and, when
// asked, its name too (search term 1).
inline bool IsSoughtObject(const GameObject& object, const InputNode<GameObject*>& sought, bool byName) {
    if (object.typeId != GameObject::LookUpTypeId(sought.GetSearchTerm(0))) return false;
    return !byName || object.name == sought.GetSearchTerm(1);
}
