#include "graph/node_registry.h"
#include "nodes/pass_through_node.h"

namespace {
class DebugNode : public PassThroughNode<DebugNode> {
public:
    DebugNode() : PassThroughNode(kDebugNode, "Next") {}
};
}  // namespace

void RegisterDebugNode() { RegisterNode<DebugNode>("DebugNode"); }
