#include "graph/node_registry.h"
#include "nodes/fade_font_node.h"

namespace {
class FadeFontNode : public FadeFontNodeBase<FadeFontNode> {
public:
    FadeFontNode() : FadeFontNodeBase(kFadeFontNode) {}
};
}  // namespace

void RegisterFadeFontNode() { RegisterNode<FadeFontNode>("FadeFontNode"); }
