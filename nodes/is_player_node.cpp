#include "graph/node_registry.h"
#include "nodes/controller_node.h"

namespace {
// An object is a player while it carries a visible controller.
class IsPlayerNode : public ControllerTestNode<IsPlayerNode> {
public:
    IsPlayerNode() : ControllerTestNode(kIsPlayerNode) {}
    static bool Holds(const Controller* controller) { return controller != nullptr; }
};
}  // namespace

void RegisterIsPlayerNode() { RegisterNode<IsPlayerNode>("IsPlayerNode"); }
