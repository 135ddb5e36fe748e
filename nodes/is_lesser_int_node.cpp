#include "graph/node_registry.h"
#include "nodes/compare_node.h"

namespace {
class IsLesserIntNode : public CompareNode<IsLesserIntNode, int> {
public:
    IsLesserIntNode() : CompareNode(kIsLesserIntNode, "Input Val", "Compare Val") {}
    static bool Holds(int a, int b) { return a < b; }
};
}  // namespace

void RegisterIsLesserIntNode() { RegisterNode<IsLesserIntNode>("IsLesserIntNode"); }
