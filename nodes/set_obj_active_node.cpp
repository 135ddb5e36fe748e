#include "graph/node_helpers.h"
#include "graph/node_registry.h"

namespace {
// Switches the running object on or off.
class SetObjActiveNode : public Node<SetObjActiveNode> {
public:
    SetObjActiveNode() : Node(kSetObjActiveNode, {"NextAction"}, {{"Set Active to", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        const bool* active = GetInput<bool>(0, ctx);
        if (GameObject* self = OwnerOf(ctx); self && active) self->SetActive(*active);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetObjActiveNode() { RegisterNode<SetObjActiveNode>("SetObjActiveNode"); }
