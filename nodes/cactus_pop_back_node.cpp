#include "graph/node_registry.h"
#include "nodes/cactus_pop_node.h"

namespace {
class CactusPopBackNode : public CactusPopNode<CactusPopBackNode, false> {
public:
    CactusPopBackNode() : CactusPopNode(kCactusPopBackNode) {}
};
}  // namespace

void RegisterCactusPopBackNode() { RegisterNode<CactusPopBackNode>("CactusPopBackNode"); }
