#include "graph/node_registry.h"
#include "nodes/pass_through_node.h"

namespace {
class LevelStartNode : public PassThroughNode<LevelStartNode> {
public:
    LevelStartNode() : PassThroughNode(kLevelStartNode, "NextAction") {}
};
}  // namespace

void RegisterLevelStartNode() { RegisterNode<LevelStartNode>("LevelStartNode"); }
