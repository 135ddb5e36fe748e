#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/graph_float.h"

namespace {
// Scrolls the running object sideways by "Scroll speed" per run; once it reaches the warp x it
// jumps to "Set Position".
class ScrollObjectNode : public Node<ScrollObjectNode> {
public:
    ScrollObjectNode()
        : Node(kScrollObjectNode, {"Next"},
               {{"Warp Position", VT_VEC2}, {"Set Position", VT_VEC2}, {"Scroll speed", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const Vec2* warp = GetInput<Vec2>(0, ctx);
        const Vec2* reset = GetInput<Vec2>(1, ctx);
        const double* speed = GetInput<double>(2, ctx);
        Body* body = OwnerBody(ctx);
        if (!warp || !reset || !speed || !body) return RunOutput(0, ctx);
        const Vec2 p = body->Position();
        const float x = p.x + FloatFromGraph(*speed);
        if (warp->x >= x) {
            body->shape->SetPosition(*reset);
        } else {
            body->shape->SetPosition(x, p.y);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterScrollObjectNode() { RegisterNode<ScrollObjectNode>("ScrollObjectNode"); }
