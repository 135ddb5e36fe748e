#include "graph/node_registry.h"

namespace {
// "To True" becomes true, then "To False" false; each only when bound.
class SetBoolToNode : public Node<SetBoolToNode> {
public:
    SetBoolToNode() : Node(kSetBoolToNode, {"Next Action"}, {{"To True", VT_BOOL}, {"To False", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        if (bool* on = GetInput<bool>(0, ctx)) *on = true;
        if (bool* off = GetInput<bool>(1, ctx)) *off = false;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetBoolToNode() { RegisterNode<SetBoolToNode>("SetBoolToNode"); }
