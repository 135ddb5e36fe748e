#include "graph/node_registry.h"
#include "nodes/controller_node.h"

namespace {
// Menus confirm on "Jump"; an object without a controller never does.
class CheckEnterNode : public ControllerTestNode<CheckEnterNode> {
public:
    CheckEnterNode() : ControllerTestNode(kCheckEnterNode) {}
    static bool Holds(const Controller* controller) {
        return controller && (controller->controlBits & kControlFlagJump) != 0;
    }
};
}  // namespace

void RegisterCheckEnterNode() { RegisterNode<CheckEnterNode>("CheckEnterNode"); }
