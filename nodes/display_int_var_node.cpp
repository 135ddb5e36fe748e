#include "graph/node_registry.h"
#include "nodes/display_var_node.h"

namespace {
class DisplayIntVarNode : public DisplayVarNode<DisplayIntVarNode, int> {
public:
    DisplayIntVarNode() : DisplayVarNode(kDisplayIntVarNode) {}
};
}  // namespace

void RegisterDisplayIntVarNode() { RegisterNode<DisplayIntVarNode>("DisplayIntVarNode"); }
