#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/graph_float.h"

namespace {
constexpr float kViewTop = 720.0f;

// Floats the running object up by "Speed" per run; above the top of the view it starts again
// at y 0.
class FloatingBubblesNode : public Node<FloatingBubblesNode> {
public:
    FloatingBubblesNode() : Node(kFloatingBubblesNode, {"Next"}, {{"Speed", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        Body* body = OwnerBody(ctx);
        const double* speed = GetInput<double>(0, ctx);
        if (!body || !speed) return RunOutput(0, ctx);
        const float x = body->shape->GetX();
        const float y = body->shape->GetY() + FloatFromGraph(*speed);
        body->shape->SetPosition(x, y > kViewTop ? 0.0f : y);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterFloatingBubblesNode() { RegisterNode<FloatingBubblesNode>("FloatingBubblesNode"); }
