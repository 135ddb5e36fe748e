#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "nodes/ball_components.h"
#include "nodes/object_receiver.h"

namespace {
// A character takes the free ball it touched, once the ball's pick-up delay has run out. The
// ball then carries the character's team and leaves play until it is dropped. With no ball
// handed over, only the character's record is set.
class GrabBallNode : public ReceivesObject<Node<GrabBallNode>> {
public:
    GrabBallNode() : ReceivesObject(kGrabBallNode, {"Movement"}, {{"HoldingBall", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        // Checked before the ball is taken: a ball taken with nowhere to record it would
        // vanish from the level for good.
        bool* holding = GetInput<bool>(0, ctx);
        if (!holding) return 0;
        if (GameObject* ball = receivedObject) {
            const double* delay = ObjectVariable<double>(ball, "PickUpDelay");
            const double* timer = ObjectVariable<double>(ball, "PickUpTimer");
            if (!delay || !timer || *delay - *timer > 0) return 0;
            int* ballTeam = TeamOf(ball);
            const int* team = OwnTeam(ctx);
            if (!ballTeam || *ballTeam != kFreeBallTeam || !team) return 0;
            *ballTeam = *team;
            SetBallInPlay(*ball, false);
        }
        *holding = true;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterGrabBallNode() { RegisterNode<GrabBallNode>("GrabBallNode"); }
