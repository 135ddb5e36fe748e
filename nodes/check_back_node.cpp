#include "graph/node_registry.h"
#include "nodes/controller_node.h"

namespace {
// Menus step back on "Left"; an object without a controller never does.
class CheckBackNode : public ControllerTestNode<CheckBackNode> {
public:
    CheckBackNode() : ControllerTestNode(kCheckBackNode) {}
    static bool Holds(const Controller* controller) {
        return controller && (controller->controlBits & kControlFlagLeft) != 0;
    }
};
}  // namespace

void RegisterCheckBackNode() { RegisterNode<CheckBackNode>("CheckBackNode"); }
