#include "graph/node_registry.h"
#include "nodes/look_components.h"

namespace {
// Gives the level's background the picture chosen in the selection ("bg_texture" of the level
// object), once: the object's graph then stops running. Missing a piece, the background keeps
// its picture, and the graph still stops.
class InitBackgroundNode : public Node<InitBackgroundNode> {
public:
    InitBackgroundNode() : Node(kInitBackgroundNode, {}, {{"Level obj", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* level = GetInput<GameObject*>(0, ctx);
        const int* texture = ObjectVariable<int>(level ? *level : nullptr, "bg_texture");
        Sprite* sprite = OwnerSprite(ctx);
        if (texture && sprite && *texture >= 0) sprite->SetTexture(static_cast<unsigned>(*texture));
        if (ctx) ctx->active = false;
        return 0;
    }
};
}  // namespace

void RegisterInitBackgroundNode() { RegisterNode<InitBackgroundNode>("InitBackgroundNode"); }
