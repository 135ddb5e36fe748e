#pragma once

#include <algorithm>
#include <functional>

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

// Whether anything `object` touched in the last physics step passes `test`; unlike
// CollisionPartner, every partner counts, not only the first.
template <typename Test>
bool AnyCollisionPartner(const GameObject* object, Test test) {
    const auto& touches = CollisionMessage::Touches();
    auto it = std::lower_bound(touches.begin(), touches.end(), object, [](const auto& touch, const GameObject* key) {
        return std::less<const GameObject*>()(touch.first, key);
    });
    for (; it != touches.end() && it->first == object; ++it) {
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
