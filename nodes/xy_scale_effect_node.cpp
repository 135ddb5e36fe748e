#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/graph_float.h"
#include "nodes/look_components.h"

namespace {
// Pulses one dimension of an object's sprite between its body's size and "Desired Max Size",
// a "Duration"-th of the span per run.
class XYScaleEffectNode : public Node<XYScaleEffectNode> {
public:
    XYScaleEffectNode()
        : Node(kXYScaleEffectNode, {"Next"},
               {{"Obj", VT_GAME_OBJECT},
                {"Desired Max Size", VT_DOUBLE},
                {"Duration", VT_DOUBLE},
                {"DIR X0 Y1", VT_INT},
                {"Scaled", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* obj = GetInput<GameObject*>(0, ctx);
        const double* maxSize = GetInput<double>(1, ctx);
        const double* duration = GetInput<double>(2, ctx);
        const int* axis = GetInput<int>(3, ctx);
        bool* scaled = GetInput<bool>(4, ctx);
        Sprite* sprite = obj ? SpriteOf(*obj) : nullptr;
        Body* body = obj ? BodyOf(*obj) : nullptr;
        // A pulse of no runs has no step.
        if (!maxSize || !duration || !axis || !scaled || !sprite || !body || *duration == 0) return RunOutput(0, ctx);
        if (*axis != 0 && *axis != 1) return RunOutput(0, ctx);
        float& size = *axis == 0 ? sprite->width : sprite->height;
        const float rest = *axis == 0 ? body->width : body->height;
        const float most = FloatFromGraph(*maxSize);
        float delta = (most - rest) / FloatFromGraph(*duration);
        if (*scaled) delta = -delta;
        size += delta;
        if (size >= most) {
            *scaled = true;
        } else if (size <= rest) {
            *scaled = false;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterXYScaleEffectNode() { RegisterNode<XYScaleEffectNode>("XYScaleEffectNode"); }
