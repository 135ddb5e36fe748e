#include "graph/node_registry.h"
#include "nodes/compare_node.h"

namespace {
class IsGreaterIntNode : public CompareNode<IsGreaterIntNode, int> {
public:
    IsGreaterIntNode() : CompareNode(kIsGreaterIntNode, "Input Val", "Compare Val") {}
    static bool Holds(int a, int b) { return a > b; }
};
}  // namespace

void RegisterIsGreaterIntNode() { RegisterNode<IsGreaterIntNode>("IsGreaterIntNode"); }
