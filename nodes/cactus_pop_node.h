#pragma once

#include "graph/node.h"
#include "nodes/body_of.h"
#include "nodes/graph_float.h"
#include "nodes/look_components.h"

// A cactus that rises by its sprite's height in "Speed" steps (kRising) or sinks back the same
// way. "CurrDis" counts the distance covered; the step that would reach the end flips
// "Popped" instead of moving, so with a whole "Speed" n the cactus moves n - 1 steps each way
// and ends where it started.
template <class Derived, bool kRising>
class CactusPopNode : public Node<Derived> {
public:
    explicit CactusPopNode(NODE_TYPE type)
        : Node<Derived>(type, {"Next"}, {{"Speed", VT_DOUBLE}, {"Popped", VT_BOOL}, {"CurrDis", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        Body* body = OwnerBody(ctx);
        Sprite* sprite = OwnerSprite(ctx);
        const double* speed = this->template GetInput<double>(0, ctx);
        bool* popped = this->template GetInput<bool>(1, ctx);
        double* distance = this->template GetInput<double>(2, ctx);
        // A pop in no steps has no step size.
        if (!body || !sprite || !speed || !popped || !distance || *speed == 0 || *popped == kRising) {
            return this->RunOutput(0, ctx);
        }
        const float step = sprite->height / FloatFromGraph(*speed);
        const double covered = kRising ? *distance + step : *distance - step;
        *distance = covered;
        const bool done = kRising ? covered >= sprite->height : covered <= 0.0;
        if (done) {
            *popped = kRising;
        } else {
            body->shape->SetPosition(body->shape->GetX(), body->shape->GetY() + (kRising ? step : -step));
        }
        return this->RunOutput(0, ctx);
    }
};
