#include "graph/node_registry.h"
#include "nodes/bool_test_node.h"

namespace {
class IsTrueNode : public BoolTestNode<IsTrueNode> {
public:
    IsTrueNode() : BoolTestNode(kIsTrueNode, "val") {}
};
}  // namespace

void RegisterIsTrueNode() { RegisterNode<IsTrueNode>("IsTrueNode"); }
