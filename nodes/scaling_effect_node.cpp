#include "core/frame_rate_controller.h"
#include "graph/node_registry.h"
#include "nodes/look_components.h"

namespace {
// Pulses the running object's sprite scale between 1 and "Scale", taking "Timing" seconds
// each way, by the frame's length.
class ScalingEffectNode : public Node<ScalingEffectNode> {
public:
    ScalingEffectNode()
        : Node(kScalingEffectNode, {"Next Action"}, {{"Scale", VT_DOUBLE}, {"Timing", VT_DOUBLE}, {"Up scale", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        Sprite* sprite = OwnerSprite(ctx);
        const double* scale = GetInput<double>(0, ctx);
        const double* timing = GetInput<double>(1, ctx);
        bool* up = GetInput<bool>(2, ctx);
        // A pulse that takes no time has no speed.
        if (!sprite || !scale || !timing || !up || *timing == 0) return RunOutput(0, ctx);
        const double dt = FrameRateController::GetInstance().LastElapsedSeconds();
        const double step = dt * (*scale / *timing);
        if (*up) {
            sprite->scaleX = static_cast<float>(sprite->scaleX + step);
            sprite->scaleY = static_cast<float>(sprite->scaleY + step);
            if (sprite->scaleX >= *scale) {
                sprite->scaleX = sprite->scaleY = static_cast<float>(*scale);
                *up = false;
            }
        } else {
            sprite->scaleX = static_cast<float>(sprite->scaleX - step);
            sprite->scaleY = static_cast<float>(sprite->scaleY - step);
            if (sprite->scaleX <= 1.0f) {
                sprite->scaleX = sprite->scaleY = 1.0f;
                *up = true;
            }
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterScalingEffectNode() { RegisterNode<ScalingEffectNode>("ScalingEffectNode"); }
