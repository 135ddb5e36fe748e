#include "graph/node_registry.h"
#include "nodes/look_components.h"

namespace {
// Shows the portrait of the picked character (inputs 1 to 7 hold the textures, in character
// order) animated, or the still blank picture for "None". A pick that is no character, or
// whose texture is not given, changes nothing and ends the chain.
class SwitchSelectionAnimationNode : public Node<SwitchSelectionAnimationNode> {
public:
    SwitchSelectionAnimationNode()
        : Node(kSwitchSelectionAnimationNode, {"Next"},
               {{"selection", VT_INT},
                {"ladyred", VT_INT},
                {"boxerred", VT_INT},
                {"ninjared", VT_INT},
                {"blank", VT_INT},
                {"ladyblue", VT_INT},
                {"boxerblue", VT_INT},
                {"ninjablue", VT_INT}}) {}

    int Execute(AI_Component* ctx) override {
        const int* selection = GetInput<int>(0, ctx);
        if (!selection || *selection < 0 || *selection > 6) return 0;
        const int* texture = GetInput<int>(*selection + 1, ctx);
        if (!texture || *texture < 0) return 0;
        if (Sprite* sprite = OwnerSprite(ctx)) {
            sprite->SetTexture(static_cast<unsigned>(*texture));
            if (*selection != 3) sprite->state.animId = 1;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSwitchSelectionAnimationNode() { RegisterNode<SwitchSelectionAnimationNode>("SwitchSelectionAnimationNode"); }
