#include "graph/node_registry.h"
#include "nodes/display_var_node.h"

namespace {
// Shows the object (its name, in the text) on every run that has one.
class DisplayGameObjVarNode : public DisplayVarNode<DisplayGameObjVarNode, GameObject*> {
public:
    DisplayGameObjVarNode() : DisplayVarNode(kDisplayGameObjVarNode) {}
};
}  // namespace

void RegisterDisplayGameObjVarNode() { RegisterNode<DisplayGameObjVarNode>("DisplayGameObjVarNode"); }
