#include <cmath>

#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// Lets a flying attack ask whether it is still closer than "AttackRange" to where it started.
class IsAttackInRangeNode : public Node<IsAttackInRangeNode> {
public:
    IsAttackInRangeNode()
        : Node(kIsAttackInRangeNode, {"True", "False"}, {{"AttackRange", VT_DOUBLE}, {"AttackOrigPos", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        const double* range = GetInput<double>(0, ctx);
        const Vec2* origin = GetInput<Vec2>(1, ctx);
        const Body* body = OwnerBody(ctx);
        if (!range || !origin || !body) return 0;
        const Vec2 p = body->Position();
        const float dx = origin->x - p.x;
        const float dy = origin->y - p.y;
        const float distance = std::sqrt(dx * dx + dy * dy);
        return RunOutput(static_cast<float>(*range) > distance ? 0 : 1, ctx);
    }
};
}  // namespace

void RegisterIsAttackInRangeNode() { RegisterNode<IsAttackInRangeNode>("IsAttackInRangeNode"); }
