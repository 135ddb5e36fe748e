#include "core/frame_rate_controller.h"
#include "graph/node_registry.h"
#include "nodes/look_components.h"

namespace {
void ResetScale(GameObject* const* neighbour) {
    if (Sprite* sprite = SpriteOf(neighbour ? *neighbour : nullptr)) sprite->scaleX = sprite->scaleY = 1.0f;
}

// Pulses the selected button between scale 1 and "Scale", "Timing" seconds each way, and puts
// its neighbours (the buttons the selection just left) back to scale 1. The direction belongs
// to the node, so every button of one graph pulses in step. A pulse without a button, a scale
// or a time to take (a timing of 0) does nothing.
class ScaleEffectNode : public Node<ScaleEffectNode> {
public:
    ScaleEffectNode()
        : Node(kScaleEffectNode, {"Next Action"},
               {{"Button", VT_GAME_OBJECT},
                {"Prev Button", VT_GAME_OBJECT},
                {"next Button", VT_GAME_OBJECT},
                {"Scale", VT_DOUBLE},
                {"Timing", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        ResetScale(GetInput<GameObject*>(1, ctx));
        ResetScale(GetInput<GameObject*>(2, ctx));
        GameObject* const* button = GetInput<GameObject*>(0, ctx);
        Sprite* sprite = SpriteOf(button ? *button : nullptr);
        const double* scale = GetInput<double>(3, ctx);
        const double* timing = GetInput<double>(4, ctx);
        if (sprite && scale && timing && *timing != 0) Pulse(*sprite, *scale, *timing);
        return RunOutput(0, ctx);
    }

private:
    void Pulse(Sprite& sprite, double scale, double timing) {
        const float step =
            static_cast<float>(FrameRateController::GetInstance().LastElapsedSeconds() * (scale / timing));
        if (growing_) {
            sprite.scaleX += step;
            sprite.scaleY += step;
            if (sprite.scaleX >= scale) {
                sprite.scaleX = sprite.scaleY = static_cast<float>(scale);
                growing_ = false;
            }
        } else {
            sprite.scaleX -= step;
            sprite.scaleY -= step;
            if (1.0f >= sprite.scaleX) {
                sprite.scaleX = sprite.scaleY = 1.0f;
                growing_ = true;
            }
        }
    }

    bool growing_ = false;
};
}  // namespace

void RegisterScaleEffectNode() { RegisterNode<ScaleEffectNode>("ScaleEffectNode"); }
