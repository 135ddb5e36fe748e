#include "graph/node_registry.h"
#include "nodes/increase_node.h"

namespace {
class IncreaseIntNode : public IncreaseNode<IncreaseIntNode, int> {
public:
    IncreaseIntNode() : IncreaseNode(kIncreaseIntNode) {}
};
}  // namespace

void RegisterIncreaseIntNode() { RegisterNode<IncreaseIntNode>("IncreaseIntNode"); }
