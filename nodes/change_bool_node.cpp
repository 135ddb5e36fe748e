#include "graph/node_registry.h"
#include "nodes/copy_value_node.h"

namespace {
class ChangeBoolNode : public CopyValueNode<ChangeBoolNode, bool> {
public:
    ChangeBoolNode()
        : CopyValueNode(kChangeBoolNode, "Next Action", {{"old var", VT_BOOL}, {"new var", VT_BOOL}}, false) {}
};
}  // namespace

void RegisterChangeBoolNode() { RegisterNode<ChangeBoolNode>("ChangeBoolNode"); }
