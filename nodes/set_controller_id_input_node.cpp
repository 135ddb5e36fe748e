#include "graph/node_registry.h"
#include "nodes/controller_node.h"

namespace {
// Copies the controller's "playerId" into the object's "ControllerID" when both exist.
class SetControllerIDInputNode : public Node<SetControllerIDInputNode> {
public:
    SetControllerIDInputNode() : Node(kSetControllerIDInputNode, {"Next"}, {}) {}

    int Execute(AI_Component* ctx) override {
        const Controller* controller = OwnerController(ctx);
        int* id = controller ? LookupVariableByName<int>(ctx->store.get(), "ControllerID") : nullptr;
        if (id) *id = controller->playerId;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetControllerIDInputNode() { RegisterNode<SetControllerIDInputNode>("SetControllerIDInputNode"); }
