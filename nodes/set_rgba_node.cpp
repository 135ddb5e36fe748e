#include <cmath>

#include "graph/node_registry.h"
#include "nodes/graph_float.h"
#include "nodes/look_components.h"

namespace {
// Colours a sprite, the owner's unless another object is given. Unbound channels keep their
// value. With "isMod" a channel takes only the fraction of its value (2.75 gives 0.75, -0.75
// stays -0.75), so a steadily growing variable cycles the channel.
class SetRGBANode : public Node<SetRGBANode> {
public:
    SetRGBANode()
        : Node(kSetRGBANode, {"Next Action"},
               {{"Red Value", VT_DOUBLE},
                {"Green Value", VT_DOUBLE},
                {"Blue Value", VT_DOUBLE},
                {"Alpha Value", VT_DOUBLE},
                {"isMod", VT_BOOL},
                {"gameObj (Optional)", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* target = GetInput<GameObject*>(5, ctx);
        if (Sprite* sprite = SpriteOf(target ? *target : OwnerOf(ctx))) {
            const bool* isMod = GetInput<bool>(4, ctx);
            for (int channel = 0; channel < 4; ++channel) {
                const double* value = GetInput<double>(channel, ctx);
                if (!value) continue;
                // fmod keeps the sign of the value as truncation would, without an integer
                // that a large value would overflow.
                sprite->state.rgba[channel] = FloatFromGraph(isMod && *isMod ? std::fmod(*value, 1.0) : *value);
            }
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetRGBANode() { RegisterNode<SetRGBANode>("SetRGBANode"); }
