#include "graph/node_registry.h"
#include "nodes/font_visibility_node.h"

namespace {
class DisableFontNode : public FontVisibilityNode<DisableFontNode, false> {
public:
    DisableFontNode() : FontVisibilityNode(kDisableFontNode, "Next") {}
};
}  // namespace

void RegisterDisableFontNode() { RegisterNode<DisableFontNode>("DisableFontNode"); }
