#include "graph/node_registry.h"
#include "nodes/compare_node.h"

namespace {
// "True" while the running value has not reached the cooldown length. A cooldown that is
// not wired counts as still running.
class IsWithinTimeNode : public CompareNode<IsWithinTimeNode, double> {
public:
    IsWithinTimeNode() : CompareNode(kIsWithinTimeNode, "Cooldown", "CurrCD", true) {}
    static bool Holds(double cooldown, double elapsed) { return cooldown > elapsed; }
};
}  // namespace

void RegisterIsWithinTimeNode() { RegisterNode<IsWithinTimeNode>("IsWithinTimeNode"); }
