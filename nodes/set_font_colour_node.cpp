#include "graph/node_registry.h"
#include "nodes/fade_font_node.h"

namespace {
// Graph files use this name for the same text fade.
class SetFontColourNode : public FadeFontNodeBase<SetFontColourNode> {
public:
    SetFontColourNode() : FadeFontNodeBase(kSetFontColourNode) {}
};
}  // namespace

void RegisterSetFontColourNode() { RegisterNode<SetFontColourNode>("SetFontColourNode"); }
