#include "graph/node_registry.h"
#include "nodes/display_var_node.h"
#include "nodes/graph_float.h"

namespace {
// Texts show floats: the double is narrowed before it is compared and written.
class DisplayDoubleVarNode : public DisplayVarNode<DisplayDoubleVarNode, double, float> {
public:
    DisplayDoubleVarNode() : DisplayVarNode(kDisplayDoubleVarNode) {}
    static float ToShown(double value) { return FloatFromGraph(value); }
};
}  // namespace

void RegisterDisplayDoubleVarNode() { RegisterNode<DisplayDoubleVarNode>("DisplayDoubleVarNode"); }
