#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// Whether the running object takes part in contacts; an object without a body does not.
class IsBodyContactNode : public Node<IsBodyContactNode> {
public:
    IsBodyContactNode() : Node(kIsBodyContactNode, {"True", "False"}, {}) {}

    int Execute(AI_Component* ctx) override {
        const Body* body = OwnerBody(ctx);
        return RunOutput(body && body->isContact ? 0 : 1, ctx);
    }
};
}  // namespace

void RegisterIsBodyContactNode() { RegisterNode<IsBodyContactNode>("IsBodyContactNode"); }
