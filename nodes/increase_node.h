#pragma once

#include "graph/node.h"

// Input 0 += input 1, when both are there.
template <class Derived, class T>
class IncreaseNode : public Node<Derived> {
public:
    explicit IncreaseNode(NODE_TYPE type)
        : Node<Derived>(type, {"Next"}, {{"Value", static_cast<ValueType>(ValueTypeOf<T>::code)},
                                         {"Amount to add", static_cast<ValueType>(ValueTypeOf<T>::code)}}) {}

    int Execute(AI_Component* ctx) override {
        T* value = this->template GetInput<T>(0, ctx);
        const T* amount = this->template GetInput<T>(1, ctx);
        if (value && amount) *value += *amount;
        return this->RunOutput(0, ctx);
    }
};
