#include "graph/node_registry.h"
#include "nodes/copy_value_node.h"

namespace {
// Copies doubles like SetDoubleNode, but its first input holds an object, which never reads
// as a double: the node always stops the chain with 0 and writes nothing. Graphs rely on it
// as a full stop.
class GetForceNode : public CopyValueNode<GetForceNode, double> {
public:
    GetForceNode()
        : CopyValueNode(kGetForceNode, "Next", {{"Object", VT_GAME_OBJECT}, {"Set Value", VT_DOUBLE}}, true) {}
};
}  // namespace

void RegisterGetForceNode() { RegisterNode<GetForceNode>("GetForceNode"); }
