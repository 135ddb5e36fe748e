#pragma once

#include "graph/node.h"
#include "nodes/look_components.h"

// Shows or hides the owner's text; an owner without text just goes on.
template <class Derived, bool kVisible>
class FontVisibilityNode : public Node<Derived> {
public:
    FontVisibilityNode(NODE_TYPE type, const char* output) : Node<Derived>(type, {output}, {}) {}

    int Execute(AI_Component* ctx) override {
        if (Font* font = OwnerFont(ctx)) font->isVisible = kVisible;
        return this->RunOutput(0, ctx);
    }
};
