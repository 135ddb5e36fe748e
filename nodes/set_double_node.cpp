#include "graph/node_registry.h"
#include "nodes/copy_value_node.h"

namespace {
class SetDoubleNode : public CopyValueNode<SetDoubleNode, double> {
public:
    SetDoubleNode()
        : CopyValueNode(kSetDoubleNode, "Next", {{"Input Value", VT_DOUBLE}, {"Set Value", VT_DOUBLE}}, true) {}
};
}  // namespace

void RegisterSetDoubleNode() { RegisterNode<SetDoubleNode>("SetDoubleNode"); }
