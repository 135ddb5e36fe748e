#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// Hides a popped bubble below the bottom of the view, its height under y 0.
class BubblePopNode : public Node<BubblePopNode> {
public:
    BubblePopNode() : Node(kBubblePopNode, {"Next"}, {}) {}

    int Execute(AI_Component* ctx) override {
        if (Body* body = OwnerBody(ctx)) body->shape->SetPosition(body->shape->GetX(), -body->height);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterBubblePopNode() { RegisterNode<BubblePopNode>("BubblePopNode"); }
