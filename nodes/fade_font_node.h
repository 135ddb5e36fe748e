#pragma once

#include "graph/node.h"
#include "nodes/graph_float.h"
#include "nodes/look_components.h"

// One step per run of fading the owner's text in (direction true) or out, through the graph's
// "Alpha Value": "Fading" while a step was taken, "Fade Completed" once the alpha reached 1 (in)
// or 0 (out). The last step may overshoot; the next run then completes. Without "Alpha Value",
// the direction or a text to fade, nothing changes and "Fading" runs.
template <class Derived>
class FadeFontNodeBase : public Node<Derived> {
public:
    explicit FadeFontNodeBase(NODE_TYPE type)
        : Node<Derived>(type, {"Fading", "Fade Completed"},
                        {{"Fade amount", VT_DOUBLE}, {"Alpha Value", VT_DOUBLE}, {"In (true), Out (false)", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        double* alphaValue = this->template GetInput<double>(1, ctx);
        const bool* fadeIn = this->template GetInput<bool>(2, ctx);
        Font* font = OwnerFont(ctx);
        if (!alphaValue || !fadeIn || !font) return this->RunOutput(0, ctx);
        const double* amountValue = this->template GetInput<double>(0, ctx);
        const float amount = amountValue ? FloatFromGraph(*amountValue) : 0.1f;
        float alpha = FloatFromGraph(*alphaValue);
        font->rgba[3] = alpha;
        if (*fadeIn ? alpha >= 1.0f : alpha <= 0.0f) return this->RunOutput(1, ctx);
        alpha += *fadeIn ? amount : -amount;
        font->rgba[3] = alpha;
        *alphaValue = alpha;
        return this->RunOutput(0, ctx);
    }
};
