#pragma once

#include "graph/node.h"

// Keeps input 2 between input 0 and input 1; a missing bound is not applied. With the
// bounds the wrong way round the value ends at the upper one.
template <class Derived, class T>
class ClampNode : public Node<Derived> {
    static constexpr ValueType kType = static_cast<ValueType>(ValueTypeOf<T>::code);

public:
    explicit ClampNode(NODE_TYPE type)
        : Node<Derived>(type, {"Next"},
                        {{"Min Value", kType},
                         {"Max Value", kType},
                         {"Value", kType}}) {}

    int Execute(AI_Component* ctx) override {
        const T* low = this->template GetInput<T>(0, ctx);
        const T* high = this->template GetInput<T>(1, ctx);
        if (T* value = this->template GetInput<T>(2, ctx)) {
            if (low && Derived::Exceeds(*low, *value)) *value = *low;
            if (high && Derived::Exceeds(*value, *high)) *value = *high;
        }
        return this->RunOutput(0, ctx);
    }
};
