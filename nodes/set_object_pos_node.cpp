#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// Puts another object's body at a position.
class SetObjectPosNode : public Node<SetObjectPosNode> {
public:
    SetObjectPosNode() : Node(kSetObjectPosNode, {"Next"}, {{"GameObj", VT_GAME_OBJECT}, {"NewPos", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* object = GetInput<GameObject*>(0, ctx);
        const Vec2* position = GetInput<Vec2>(1, ctx);
        Body* body = object ? BodyOf(*object) : nullptr;
        if (body && position) body->shape->SetPosition(*position);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetObjectPosNode() { RegisterNode<SetObjectPosNode>("SetObjectPosNode"); }
