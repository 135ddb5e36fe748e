#include "graph/node_registry.h"
#include "nodes/controller_node.h"

namespace {
// Branches on the object's "ControllerID" (0..3, one output per player; a missing variable
// counts as player 1). Objects without a controller, and ids that are no player, run nothing.
class GetControllerIDNode : public Node<GetControllerIDNode> {
public:
    GetControllerIDNode() : Node(kGetControllerIDNode, {"1", "2", "3", "4"}, {}) {}

    int Execute(AI_Component* ctx) override {
        if (!OwnerController(ctx)) return 0;
        const int* id = LookupVariableByName<int>(ctx->store.get(), "ControllerID");
        const int player = id ? *id : 0;
        if (player < 0 || player >= kPlayerSlots) return 0;
        return RunOutput(player, ctx);
    }
};
}  // namespace

void RegisterGetControllerIDNode() { RegisterNode<GetControllerIDNode>("GetControllerIDNode"); }
