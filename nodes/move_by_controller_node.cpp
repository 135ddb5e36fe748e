#include "flow/action.h"
#include "graph/node_registry.h"
#include "graph/once_per_frame_queue.h"
#include "nodes/controller_node.h"

namespace {
enum Output { kPush = 0, kSkill = 1, kMoveLeft = 2, kMoveRight = 3, kMoveJump = 4, kNoMovement = 5, kPull = 6 };

// The first flag that applies wins: attacks before skills before moves, so pressing "Push"
// while running right attacks.
constexpr struct {
    uint32_t flag;
    Output output;
} kPriority[] = {
    {kControlFlagPush, kPush},     {kControlFlagPull, kPull},          {kControlFlagSkill, kSkill},
    {kControlFlagJump, kMoveJump}, {kControlFlagRight, kMoveRight},    {kControlFlagLeft, kMoveLeft},
};

// Branches a character's graph on what its player does. It belongs to the move-queuing
// family and carries their queue, but the moves themselves are queued by the nodes behind
// it, so this queue stays empty and never posts.
class MoveByControllerNode : public Node<MoveByControllerNode> {
public:
    MoveByControllerNode()
        : Node(kMoveByControllerNode, {"Push", "Skill", "MoveLeft", "MoveRight", "MoveJump", "No Movement", "Pull"},
               {{"", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const Controller* controller = OwnerController(ctx);
        const uint32_t bits = controller ? controller->controlBits : 0;
        for (const auto& entry : kPriority) {
            if ((bits & entry.flag) != 0) return RunOutput(entry.output, ctx);
        }
        return RunOutput(kNoMovement, ctx);
    }
    void EndFrame() override { queue_.EndFrame(); }

private:
    OncePerFrameQueue<MoveObjectsMessage> queue_;
};
}  // namespace

void RegisterMoveByControllerNode() { RegisterNode<MoveByControllerNode>("MoveByControllerNode"); }
