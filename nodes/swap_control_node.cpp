#include "graph/node_registry.h"
#include "nodes/pass_through_node.h"

namespace {
class SwapControlNode : public PassThroughNode<SwapControlNode> {
public:
    SwapControlNode() : PassThroughNode(kSwapControlNode, "Next Action") {}
};
}  // namespace

void RegisterSwapControlNode() { RegisterNode<SwapControlNode>("SwapControlNode"); }
