#include "graph/node_registry.h"
#include "input/controller.h"
#include "nodes/body_of.h"
#include "nodes/collision_query.h"
#include "nodes/move_queue.h"

namespace {
// One jump until the character lands again: standing on a platform or another player ends
// the jump. The chain goes on whether or not a jump was made.
class JumpNode : public QueuesMoves<Node<JumpNode>> {
public:
    JumpNode() : QueuesMoves(kJumpNode, {"Next Action"}, {{"Jump Distance", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const double* distance = GetInput<double>(0, ctx);
        GameObject* self = OwnerOf(ctx);
        auto* controller = self ? self->Get<Controller>(CONTROLLER) : nullptr;
        if (!controller) return RunOutput(0, ctx);
        if (HasLanded(*self)) controller->isJumping = false;
        if (!controller->isJumping && distance) {
            controller->isJumping = true;
            QueueMove(self, 0.0f, static_cast<float>(*distance * 12000.0 + 30000.0));
        }
        return RunOutput(0, ctx);
    }

private:
    // Standing on: the character's bottom is at most 5 units below the top of a platform or
    // player it touches. Every partner counts: beside a wall the wall may be the first one.
    // Box bounds serve every shape.
    static bool HasLanded(const GameObject& self) {
        const Body* body = BodyOf(&self);
        if (!body) return false;
        Vec2 min, max;
        body->shape->Bounds(min, max);
        const uint32_t platform = GameObject::LookUpTypeId("Platform");
        const uint32_t player = GameObject::LookUpTypeId("Player");
        return FirstTouched(&self, [&](const GameObject& partner) {
            const Body* ground = BodyOf(&partner);
            if ((partner.typeId != platform && partner.typeId != player) || !ground) return false;
            Vec2 groundMin, groundMax;
            ground->shape->Bounds(groundMin, groundMax);
            return min.y + 5.0f > groundMax.y;
        }) != nullptr;
    }
};
}  // namespace

void RegisterJumpNode() { RegisterNode<JumpNode>("JumpNode"); }
