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

// Everything one object touched in the last physics step, in the order physics found it. The
// first is the partner physics keeps for it in the one-partner map, so the list alone answers.
struct TouchesOf {
    using Iterator = std::vector<std::pair<GameObject*, GameObject*>>::const_iterator;

    // Empty before physics first reported.
    explicit TouchesOf(const GameObject* object) {
        const auto& touches = CollisionMessage::Touches();
        const AI_Manager* manager = TheAiManager();
        if (!object || !manager || !manager->collisions) {
            first = last = touches.end();
            return;
        }
        const auto byObject = std::less<const GameObject*>();
        first = std::lower_bound(touches.begin(), touches.end(), object,
                                 [&](const auto& touch, const GameObject* key) { return byObject(touch.first, key); });
        last = std::upper_bound(first, touches.end(), object,
                                [&](const GameObject* key, const auto& touch) { return byObject(key, touch.first); });
    }
    Iterator begin() const { return first; }
    Iterator end() const { return last; }

    Iterator first;
    Iterator last;
};

// The first thing `object` touched in the last physics step that passes `wanted`; null when
// nothing does.
template <typename Wanted>
GameObject* FirstTouched(const GameObject* object, Wanted wanted) {
    for (const auto& touch : TouchesOf(object)) {
        if (wanted(*touch.second)) return touch.second;
    }
    return nullptr;
}

// The partner a collision query answers with: the first touch that passes `wanted`, unless
// that one plays in `object`'s own team and a foe's object of the same kind that passes was
// touched in the same step. A foe's touch counts over a mate's: a punch that overlaps its own
// thrower hits the foe in his face, and a character touched by a mate's punch and a foe's at
// once is hit by the foe's.
template <typename Wanted>
GameObject* FindCollisionPartner(const GameObject* object, Wanted wanted) {
    GameObject* partner = FirstTouched(object, wanted);
    const int* mine = partner ? TeamOf(object) : nullptr;
    const int* theirs = mine ? TeamOf(partner) : nullptr;
    if (!theirs || *theirs != *mine) return partner;
    GameObject* foe = FirstTouched(object, [&](GameObject& touched) {
        const int* team = TeamOf(&touched);
        return touched.typeId == partner->typeId && team && *team != *mine && wanted(touched);
    });
    return foe ? foe : partner;
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
