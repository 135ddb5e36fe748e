#include "graph/node_registry.h"
#include "nodes/copy_value_node.h"

namespace {
class ResetDoubleNode : public CopyValueNode<ResetDoubleNode, double> {
public:
    ResetDoubleNode()
        : CopyValueNode(kResetDoubleNode, "NextAction", {{"Destination", VT_DOUBLE}, {"Source", VT_DOUBLE}}, false) {}
};
}  // namespace

void RegisterResetDoubleNode() { RegisterNode<ResetDoubleNode>("ResetDoubleNode"); }
