#pragma once

#include "core/game_object.h"
#include "graph/node_helpers.h"
#include "physics/body.h"

// An object's (visible) body; null for no object or no body. Nodes skip the work that needs
// a body they cannot find.
inline Body* BodyOf(const GameObject* object) { return object ? object->Get<Body>(BODY) : nullptr; }
inline Body* OwnerBody(const AI_Component* ctx) { return BodyOf(OwnerOf(ctx)); }
