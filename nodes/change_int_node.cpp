#include "graph/node_registry.h"
#include "nodes/copy_value_node.h"

namespace {
class ChangeIntNode : public CopyValueNode<ChangeIntNode, int> {
public:
    ChangeIntNode()
        : CopyValueNode(kChangeIntNode, "Next Action", {{"Old value", VT_INT}, {"New Value", VT_INT}}, false) {}
};
}  // namespace

void RegisterChangeIntNode() { RegisterNode<ChangeIntNode>("ChangeIntNode"); }
