#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// Shifts the running object's body; an unbound amount counts as 0.
class AddObjectPosNode : public Node<AddObjectPosNode> {
public:
    AddObjectPosNode() : Node(kAddObjectPosNode, {"Next"}, {{"Add x", VT_DOUBLE}, {"Add y", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const double* x = GetInput<double>(0, ctx);
        const double* y = GetInput<double>(1, ctx);
        if (Body* body = OwnerBody(ctx)) {
            const Vec2 shift(x ? static_cast<float>(*x) : 0.0f, y ? static_cast<float>(*y) : 0.0f);
            body->shape->SetPosition(body->Position() + shift);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterAddObjectPosNode() { RegisterNode<AddObjectPosNode>("AddObjectPosNode"); }
