#pragma once

#include "graph/node.h"

// "True" (output 0) when the bool input is true, else "False"; without it the chain stops
// with 0.
template <class Derived>
class BoolTestNode : public Node<Derived> {
public:
    BoolTestNode(NODE_TYPE type, const char* label) : Node<Derived>(type, {"True", "False"}, {{label, VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        const bool* value = this->template GetInput<bool>(0, ctx);
        if (!value) return 0;
        return this->RunOutput(*value ? 0 : 1, ctx);
    }
};
