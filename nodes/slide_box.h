#pragma once

#include "graph/node.h"
#include "nodes/body_of.h"
#include "nodes/look_components.h"

// A menu box that slides out of the owner and back, moving "Obj" beside it and fading the
// owner's text with it. The slide state lives in the graph's variables.
class SlideBox {
public:
    // Reads the five inputs and the pieces they need; see Ready().
    SlideBox(const INode& node, AI_Component* ctx)
        : displacement(node.GetInput<int>(0, ctx)),
          current(node.GetInput<double>(1, ctx)),
          leftward(node.GetInput<bool>(2, ctx)),
          translated(node.GetInput<bool>(3, ctx)),
          sprite(OwnerSprite(ctx)),
          body(OwnerBody(ctx)),
          font(OwnerFont(ctx)) {
        GameObject* const* obj = node.GetInput<GameObject*>(4, ctx);
        objBody = BodyOf(obj ? *obj : nullptr);
    }

    // Every input, the owner's sprite and body and the moved object's body are there, and the
    // displacement gives a step (0 steps would take the box infinitely far).
    bool Ready() const {
        return displacement && current && leftward && translated && sprite && body && objBody && *displacement != 0;
    }

    // One step of w / d outward (sign +1) or back (sign -1).
    void Step(float sign) const {
        const float d = static_cast<float>(*displacement);
        const float step = sign * sprite->width / d;
        if (font) font->rgba[3] += sign / d;
        *current = static_cast<float>(*current) + step;
        objBody->shape->SetX(*leftward ? body->shape->GetX() - step : body->shape->GetX() + step);
    }

    int* displacement;
    double* current;
    bool* leftward;
    bool* translated;
    Sprite* sprite;
    Body* body;
    Font* font;
    Body* objBody = nullptr;
};

// The two slide nodes share their slots.
template <class Derived>
class SlideBoxNodeBase : public Node<Derived> {
public:
    explicit SlideBoxNodeBase(NODE_TYPE type)
        : Node<Derived>(type, {"Next"},
                        {{"Displacement", VT_INT},
                         {"CurrDisplace", VT_DOUBLE},
                         {"Left0Right1", VT_BOOL},
                         {"Translated", VT_BOOL},
                         {"Obj", VT_GAME_OBJECT}}) {}
};
