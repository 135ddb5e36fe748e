#include "graph/node_registry.h"
#include "nodes/look_components.h"

namespace {
// "True" when the object's sprite is being drawn. No object, or no (visible) sprite, is "False".
class IsSpriteActiveNode : public Node<IsSpriteActiveNode> {
public:
    IsSpriteActiveNode() : Node(kIsSpriteActiveNode, {"True", "False"}, {{"Obj", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* object = GetInput<GameObject*>(0, ctx);
        const Sprite* sprite = OwnerOf(ctx) && object ? SpriteOf(*object) : nullptr;
        return RunOutput(sprite && sprite->active ? 0 : 1, ctx);
    }
};
}  // namespace

void RegisterIsSpriteActiveNode() { RegisterNode<IsSpriteActiveNode>("IsSpriteActiveNode"); }
