#include "graph/node_registry.h"
#include "nodes/font_visibility_node.h"

namespace {
class DisplayFontNode : public FontVisibilityNode<DisplayFontNode, true> {
public:
    DisplayFontNode() : FontVisibilityNode(kDisplayFontNode, "Next Action") {}
};
}  // namespace

void RegisterDisplayFontNode() { RegisterNode<DisplayFontNode>("DisplayFontNode"); }
