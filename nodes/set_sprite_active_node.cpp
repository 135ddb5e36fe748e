#include "graph/node_registry.h"
#include "nodes/look_components.h"

namespace {
// Shows or hides an object's sprite alone: the object and its other components keep running.
class SetSpriteActiveNode : public Node<SetSpriteActiveNode> {
public:
    SetSpriteActiveNode() : Node(kSetSpriteActiveNode, {"Next"}, {{"Active", VT_BOOL}, {"Obj", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        const bool* active = GetInput<bool>(0, ctx);
        GameObject* const* object = GetInput<GameObject*>(1, ctx);
        if (OwnerOf(ctx) && active && object) {
            if (Sprite* sprite = SpriteOf(*object)) sprite->active = *active;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetSpriteActiveNode() { RegisterNode<SetSpriteActiveNode>("SetSpriteActiveNode"); }
