#include "graph/node_registry.h"
#include "graphics/sprite.h"
#include "nodes/ball_components.h"
#include "nodes/body_of.h"
#include "nodes/move_queue.h"
#include "nodes/object_receiver.h"
#include "physics/physics.h"

namespace {
// The holder lets go of the ball: it comes back into play just in front of the holder, at
// rest, free for anyone once its pick-up delay has run out, and is thrown towards the
// direction in the next frame. Without a ball, a direction, or the bodies and facing to place
// it by, the ball stays where it is and the chain goes on.
class DropBallNode : public ReceivesObject<QueuesMoves<Node<DropBallNode>>> {
public:
    DropBallNode() : ReceivesObject(kDropBallNode, {""}, {{"BallDirection", VT_VEC2}, {"Ball", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        const Vec2* direction = GetInput<Vec2>(0, ctx);
        if (GameObject* const* bound = GetInput<GameObject*>(1, ctx)) receivedObject = *bound;
        GameObject* ball = receivedObject;
        const GameObject* self = OwnerOf(ctx);
        const Body* body = BodyOf(self);
        const auto* sprite = self ? self->Get<Sprite>(SPRITE) : nullptr;
        Body* ballBody = BodyOf(ball);
        if (!direction || !body || !sprite || !ballBody) return RunOutput(0, ctx);

        SetBallInPlay(*ball, true);
        const Vec2 at = body->Position();
        float x = sprite->scaleX > 0 ? at.x + body->width + 8.0f : at.x - body->width - 8.0f;
        // A holder pressed against a wall (a closed scene edge) must not let the ball through it,
        // out of everyone's reach: the ball stops at the wall, on the holder's side.
        if (const Physics* physics = Physics::Current()) {
            x = physics->SlideX(at.x, x, at.y, {ballBody->width * 0.5f, ballBody->height * 0.5f});
        }
        ballBody->shape->SetPosition(x, at.y);
        ballBody->velX = ballBody->velY = 0;
        ballBody->accX = ballBody->accY = 0;
        if (double* timer = ObjectVariable<double>(ball, "PickUpTimer")) *timer = 0.0;
        if (int* team = TeamOf(ball)) *team = kFreeBallTeam;
        QueueMove(ball, direction->x, direction->y);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterDropBallNode() { RegisterNode<DropBallNode>("DropBallNode"); }
