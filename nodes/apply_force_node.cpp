#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/move_queue.h"
#include "nodes/object_receiver.h"

namespace {
// An attack pushes its target. The force is drawn for an attacker facing right; it turns
// round when the attacker moves the other way. An attacker without a body has no direction,
// so it pushes nothing.
class ApplyForceNode : public ReceivesObject<QueuesMoves<Node<ApplyForceNode>>> {
public:
    ApplyForceNode()
        : ReceivesObject(kApplyForceNode, {"NextAction"}, {{"AttackForce", VT_VEC2}, {"Target", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* bound = GetInput<GameObject*>(1, ctx);
        GameObject* target = bound ? *bound : receivedObject;
        if (!target) return 0;
        const Vec2* force = GetInput<Vec2>(0, ctx);
        const Body* body = OwnerBody(ctx);
        if (force && body) {
            const bool backwards = force->x < 0 ? body->velX < 0 : body->velX * force->x + body->velY * force->y < 0;
            const Vec2 push = backwards ? *force * -1.0f : *force;
            QueueMove(target, push.x, push.y);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterApplyForceNode() { RegisterNode<ApplyForceNode>("ApplyForceNode"); }
