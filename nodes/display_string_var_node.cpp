#include "graph/node_registry.h"
#include "nodes/display_var_node.h"

namespace {
class DisplayStringVarNode : public DisplayVarNode<DisplayStringVarNode, std::string> {
public:
    DisplayStringVarNode() : DisplayVarNode(kDisplayStringVarNode) {}
};
}  // namespace

void RegisterDisplayStringVarNode() { RegisterNode<DisplayStringVarNode>("DisplayStringVarNode"); }
