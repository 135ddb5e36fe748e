#include "graph/node_registry.h"
#include "nodes/look_components.h"

namespace {
// Puts a slid box back to its start: not translated, and hidden.
class ResetBoxNode : public Node<ResetBoxNode> {
public:
    ResetBoxNode() : Node(kResetBoxNode, {"Next"}, {{"Translated", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        Sprite* sprite = OwnerSprite(ctx);
        bool* translated = GetInput<bool>(0, ctx);
        if (sprite && translated && *translated) {
            *translated = false;
            sprite->state.rgba[3] = 0;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterResetBoxNode() { RegisterNode<ResetBoxNode>("ResetBoxNode"); }
