#include "graph/node_registry.h"
#include "nodes/cactus_pop_node.h"

namespace {
class CactusPoppingNode : public CactusPopNode<CactusPoppingNode, true> {
public:
    CactusPoppingNode() : CactusPopNode(kCactusPoppingNode) {}
};
}  // namespace

void RegisterCactusPoppingNode() { RegisterNode<CactusPoppingNode>("CactusPoppingNode"); }
