#include <limits>

#include "graph/node_registry.h"
#include "nodes/clamp_node.h"

namespace {
class ClampDoubleNode : public ClampNode<ClampDoubleNode, double> {
public:
    ClampDoubleNode() : ClampNode(kClampDoubleNode) {}
    // A bound applies only when it is passed by at least the machine epsilon, so a value
    // sitting on its bound is left as it is.
    static bool Exceeds(double larger, double smaller) {
        return larger - smaller >= std::numeric_limits<double>::epsilon();
    }
};
}  // namespace

void RegisterClampDoubleNode() { RegisterNode<ClampDoubleNode>("ClampDoubleNode"); }
