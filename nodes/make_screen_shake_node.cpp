#include "graph/node_registry.h"
#include "graph/node_helpers.h"

namespace {
// Starts a shake from any object's graph: the level object's graph does the shaking with its
// "intensity", "decay" and "isShaking" variables.
class MakeScreenShakeNode : public Node<MakeScreenShakeNode> {
public:
    MakeScreenShakeNode()
        : Node(kMakeScreenShakeNode, {"Next"},
               {{"Intensity", VT_DOUBLE}, {"decay", VT_DOUBLE}, {"Level obj", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        const double* intensity = GetInput<double>(0, ctx);
        const double* decay = GetInput<double>(1, ctx);
        GameObject* const* level = GetInput<GameObject*>(2, ctx);
        if (!intensity || !decay || !level) return RunOutput(0, ctx);
        double* theirIntensity = ObjectVariable<double>(*level, "intensity");
        double* theirDecay = ObjectVariable<double>(*level, "decay");
        bool* theirShaking = ObjectVariable<bool>(*level, "isShaking");
        // All three or none: half a shake setting would shake with stale values.
        if (theirIntensity && theirDecay && theirShaking) {
            *theirIntensity = *intensity;
            *theirDecay = *decay;
            *theirShaking = true;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterMakeScreenShakeNode() { RegisterNode<MakeScreenShakeNode>("MakeScreenShakeNode"); }
