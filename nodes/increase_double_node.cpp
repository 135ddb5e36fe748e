#include "graph/node_registry.h"
#include "nodes/increase_node.h"

namespace {
class IncreaseDoubleNode : public IncreaseNode<IncreaseDoubleNode, double> {
public:
    IncreaseDoubleNode() : IncreaseNode(kIncreaseDoubleNode) {}
};
}  // namespace

void RegisterIncreaseDoubleNode() { RegisterNode<IncreaseDoubleNode>("IncreaseDoubleNode"); }
