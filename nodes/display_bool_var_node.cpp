#include "graph/node_registry.h"
#include "nodes/display_var_node.h"

namespace {
class DisplayBoolVarNode : public DisplayVarNode<DisplayBoolVarNode, bool> {
public:
    DisplayBoolVarNode() : DisplayVarNode(kDisplayBoolVarNode) {}
};
}  // namespace

void RegisterDisplayBoolVarNode() { RegisterNode<DisplayBoolVarNode>("DisplayBoolVarNode"); }
