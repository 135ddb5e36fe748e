#include "graph/node_registry.h"
#include "nodes/graph_float.h"
#include "nodes/look_components.h"

namespace {
// Sets the running object's sprite scale from "Scale factor", or else from the two
// alternatives (0 where unbound).
class ScaleNode : public Node<ScaleNode> {
public:
    ScaleNode()
        : Node(kScaleNode, {"Next Action"},
               {{"Scale factor", VT_VEC2}, {"Scale x (Alternative)", VT_DOUBLE}, {"Scale y (Alternative)", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        Sprite* sprite = OwnerSprite(ctx);
        if (!sprite) return RunOutput(0, ctx);
        if (const Vec2* factor = GetInput<Vec2>(0, ctx)) {
            sprite->scaleX = factor->x;
            sprite->scaleY = factor->y;
        } else {
            const double* x = GetInput<double>(1, ctx);
            const double* y = GetInput<double>(2, ctx);
            sprite->scaleX = x ? FloatFromGraph(*x) : 0.0f;
            sprite->scaleY = y ? FloatFromGraph(*y) : 0.0f;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterScaleNode() { RegisterNode<ScaleNode>("ScaleNode"); }
