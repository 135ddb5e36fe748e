#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// Puts the running object's body at a position; without the position the chain stops.
class SetPositionNode : public Node<SetPositionNode> {
public:
    SetPositionNode() : Node(kSetPositionNode, {"Next"}, {{"Set Value", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        const Vec2* position = GetInput<Vec2>(0, ctx);
        if (!position) return 0;
        if (Body* body = OwnerBody(ctx)) body->shape->SetPosition(*position);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetPositionNode() { RegisterNode<SetPositionNode>("SetPositionNode"); }
