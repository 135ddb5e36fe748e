#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// Keeps a carried object at an offset from the running object.
class SetChildPosNode : public Node<SetChildPosNode> {
public:
    SetChildPosNode() : Node(kSetChildPosNode, {"Next"}, {{"Offset", VT_VEC2}, {"ChildObj", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        const Vec2* offset = GetInput<Vec2>(0, ctx);
        GameObject* const* child = GetInput<GameObject*>(1, ctx);
        Body* childBody = child ? BodyOf(*child) : nullptr;
        const Body* body = OwnerBody(ctx);
        if (childBody && body) childBody->shape->SetPosition(body->Position() + (offset ? *offset : Vec2()));
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetChildPosNode() { RegisterNode<SetChildPosNode>("SetChildPosNode"); }
