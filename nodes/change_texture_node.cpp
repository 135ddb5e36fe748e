#include "graph/node_registry.h"
#include "nodes/look_components.h"

namespace {
// Swaps the owner's sheet when its ball state changes: the "with ball" sheet on a grab, the
// normal one on a drop. "CurrentGrabBall" remembers the state shown, so the swap happens once
// per change and not on every run.
class ChangeTextureNode : public Node<ChangeTextureNode> {
public:
    ChangeTextureNode()
        : Node(kChangeTextureNode, {"Next"},
               {{"GrabBall", VT_BOOL}, {"NormalTexID", VT_INT}, {"WithBallTexID", VT_INT}, {"CurrentGrabBall", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        const bool* grabBall = GetInput<bool>(0, ctx);
        const int* normalTexture = GetInput<int>(1, ctx);
        const int* ballTexture = GetInput<int>(2, ctx);
        bool* shownGrabBall = GetInput<bool>(3, ctx);
        Sprite* sprite = OwnerSprite(ctx);
        if (grabBall && normalTexture && ballTexture && shownGrabBall && sprite && *shownGrabBall != *grabBall) {
            const int texture = *grabBall ? *ballTexture : *normalTexture;
            // A negative id names no texture: the sprite keeps its sheet, as with any unknown id.
            if (texture >= 0) sprite->SetTexture(static_cast<unsigned>(texture));
            *shownGrabBall = *grabBall;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterChangeTextureNode() { RegisterNode<ChangeTextureNode>("ChangeTextureNode"); }
