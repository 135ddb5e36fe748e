#include "graph/node_registry.h"
#include "nodes/bool_test_node.h"

namespace {
class IsHoldingBallNode : public BoolTestNode<IsHoldingBallNode> {
public:
    IsHoldingBallNode() : BoolTestNode(kIsHoldingBallNode, "isholding") {}
};
}  // namespace

void RegisterIsHoldingBallNode() { RegisterNode<IsHoldingBallNode>("IsHoldingBallNode"); }
