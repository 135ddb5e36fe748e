#include "graph/node_registry.h"
#include "nodes/bool_test_node.h"

namespace {
class IsCameraMovingNode : public BoolTestNode<IsCameraMovingNode> {
public:
    IsCameraMovingNode() : BoolTestNode(kIsCameraMovingNode, "HoldingBall") {}
};
}  // namespace

void RegisterIsCameraMovingNode() { RegisterNode<IsCameraMovingNode>("IsCameraMovingNode"); }
