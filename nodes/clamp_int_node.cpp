#include "graph/node_registry.h"
#include "nodes/clamp_node.h"

namespace {
class ClampIntNode : public ClampNode<ClampIntNode, int> {
public:
    ClampIntNode() : ClampNode(kClampIntNode) {}
    static bool Exceeds(int larger, int smaller) { return larger > smaller; }
};
}  // namespace

void RegisterClampIntNode() { RegisterNode<ClampIntNode>("ClampIntNode"); }
