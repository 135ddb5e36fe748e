#include "graph/node_registry.h"
#include "nodes/display_var_node.h"

namespace {
class DisplayVec2VarNode : public DisplayVarNode<DisplayVec2VarNode, Vec2> {
public:
    DisplayVec2VarNode() : DisplayVarNode(kDisplayVec2VarNode) {}
};
}  // namespace

void RegisterDisplayVec2VarNode() { RegisterNode<DisplayVec2VarNode>("DisplayVec2VarNode"); }
