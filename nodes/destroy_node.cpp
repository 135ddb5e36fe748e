#include "graph/node_helpers.h"
#include "graph/node_registry.h"

namespace {
// Switches the running object off and ends the chain. The object stays in the level, so
// something else may switch it on again.
class DestroyNode : public Node<DestroyNode> {
public:
    DestroyNode() : Node(kDestroyNode, {}, {}) {}

    int Execute(AI_Component* ctx) override {
        if (GameObject* self = OwnerOf(ctx)) self->SetActive(false);
        return 0;
    }
};
}  // namespace

void RegisterDestroyNode() { RegisterNode<DestroyNode>("DestroyNode"); }
