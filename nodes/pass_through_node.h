#pragma once

#include "graph/node.h"

// Reads nothing, changes nothing, runs its one output.
template <class Derived>
class PassThroughNode : public Node<Derived> {
public:
    PassThroughNode(NODE_TYPE type, const char* output) : Node<Derived>(type, {output}, {}) {}

    int Execute(AI_Component* ctx) override { return this->RunOutput(0, ctx); }
};
