#pragma once

#include <string>

#include "graph/ai_component.h"
#include "graph/variable_store.h"

// The running object's own variable by name ("resSeq", "Scene"); null without it.
template <class T>
T* OwnVariable(const AI_Component* ctx, const std::string& name) {
    return ctx ? LookupVariableByName<T>(ctx->store.get(), name) : nullptr;
}
