#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
class SetVelocityNode : public Node<SetVelocityNode> {
public:
    SetVelocityNode() : Node(kSetVelocityNode, {"Next"}, {{"Velocity", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        const Vec2* velocity = GetInput<Vec2>(0, ctx);
        Body* body = OwnerBody(ctx);
        if (velocity && body) {
            body->velX = velocity->x;
            body->velY = velocity->y;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetVelocityNode() { RegisterNode<SetVelocityNode>("SetVelocityNode"); }
