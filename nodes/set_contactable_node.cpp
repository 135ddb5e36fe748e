#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// A body that stops taking part in contacts also stops falling, or it would drop through the
// floor it no longer touches.
class SetContactableNode : public Node<SetContactableNode> {
public:
    SetContactableNode() : Node(kSetContactableNode, {"Next"}, {{"Boolean", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        const bool* on = GetInput<bool>(0, ctx);
        Body* body = OwnerBody(ctx);
        if (on && body) {
            body->isContact = *on;
            body->isGravity = *on;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetContactableNode() { RegisterNode<SetContactableNode>("SetContactableNode"); }
