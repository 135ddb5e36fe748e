#include "graph/node_registry.h"
#include "nodes/compare_node.h"

namespace {
class IsGreaterNode : public CompareNode<IsGreaterNode, double> {
public:
    IsGreaterNode() : CompareNode(kIsGreaterNode, "Input Value", "Compare Value") {}
    static bool Holds(double a, double b) { return a > b; }
};
}  // namespace

void RegisterIsGreaterNode() { RegisterNode<IsGreaterNode>("IsGreaterNode"); }
