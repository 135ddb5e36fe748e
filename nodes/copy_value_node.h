#pragma once

#include "graph/node.h"

// Input 0 takes the value of input 1. A missing input skips the copy; nodes that must not go
// on without it stop the chain with 0 instead.
template <class Derived, class T>
class CopyValueNode : public Node<Derived> {
public:
    CopyValueNode(NODE_TYPE type, const char* output, std::initializer_list<InputSpec> inputs, bool stopWhenMissing)
        : Node<Derived>(type, {output}, inputs), stopWhenMissing_(stopWhenMissing) {}

    int Execute(AI_Component* ctx) override {
        T* destination = this->template GetInput<T>(0, ctx);
        T* source = this->template GetInput<T>(1, ctx);
        if (destination && source) {
            *destination = *source;
        } else if (stopWhenMissing_) {
            return 0;
        }
        return this->RunOutput(0, ctx);
    }

private:
    bool stopWhenMissing_;
};
