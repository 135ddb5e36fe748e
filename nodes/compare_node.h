#pragma once

#include "graph/node.h"

// "True" (output 0) when Holds(input 0, input 1), else "False". Without both inputs the
// chain stops with 0, or, for nodes that say so, takes "True".
template <class Derived, class T>
class CompareNode : public Node<Derived> {
public:
    CompareNode(NODE_TYPE type, const char* first, const char* second, bool missingTakesTrue = false)
        : Node<Derived>(type, {"True", "False"},
                        {{first, static_cast<ValueType>(ValueTypeOf<T>::code)},
                         {second, static_cast<ValueType>(ValueTypeOf<T>::code)}}),
          missingTakesTrue_(missingTakesTrue) {}

    int Execute(AI_Component* ctx) override {
        const T* a = this->template GetInput<T>(0, ctx);
        const T* b = this->template GetInput<T>(1, ctx);
        if (!a || !b) return missingTakesTrue_ ? this->RunOutput(0, ctx) : 0;
        return this->RunOutput(Derived::Holds(*a, *b) ? 0 : 1, ctx);
    }

private:
    bool missingTakesTrue_;
};
