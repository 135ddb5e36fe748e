#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// Reads the running object's position into a variable. Without the variable, or without a
// body to read, the chain stops: the nodes after it would work with a stale position.
class GetPositionNode : public Node<GetPositionNode> {
public:
    GetPositionNode() : Node(kGetPositionNode, {"Next"}, {{"Target Value", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        Vec2* target = GetInput<Vec2>(0, ctx);
        const Body* body = OwnerBody(ctx);
        if (!target || !body) return 0;
        *target = body->Position();
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterGetPositionNode() { RegisterNode<GetPositionNode>("GetPositionNode"); }
