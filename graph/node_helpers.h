#pragma once

#include <string>

#include "core/game_object.h"
#include "graph/ai_component.h"
#include "graph/variable_store.h"

class AI_Manager;

// The AI manager of the running engine; null when none is registered.
AI_Manager* TheAiManager();

// The object whose graph is running; null without one.
inline GameObject* OwnerOf(const AI_Component* ctx) { return ctx ? ctx->owner : nullptr; }

// The variable-store of an object's (visible) AI component; null without one.
VariableStore* ObjectStore(const GameObject* object);

// Another object's variable by name (the lowest index when names repeat); null when the
// object, its AI component or the variable is missing.
template <class T>
InputNode<T>* ObjectVariableNode(const GameObject* object, const std::string& name) {
    return LookupVariableNodeByName<T>(ObjectStore(object), name);
}
template <class T>
T* ObjectVariable(const GameObject* object, const std::string& name) {
    InputNode<T>* variable = ObjectVariableNode<T>(object, name);
    return variable ? &variable->value : nullptr;
}

// A player's team, and that of the ball, an attack or a boundary, kept in the graph variable
// "Team"; null without one.
constexpr const char* kTeamVariable = "Team";
inline int* TeamOf(const GameObject* object) { return ObjectVariable<int>(object, kTeamVariable); }
// The team of the object whose graph is running.
inline int* OwnTeam(const AI_Component* ctx) {
    return ctx ? LookupVariableByName<int>(ctx->store.get(), kTeamVariable) : nullptr;
}

// The level object, found once and then kept: nodes live no longer than their level. A
// search that fails is tried again on the next run.
class LevelObjectLookup {
public:
    GameObject* Get();

private:
    GameObject* object_ = nullptr;
};
