#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "nodes/move_queue.h"

namespace {
// A sideways push of the running object; without a distance nothing is pushed.
class MovementNode : public QueuesMoves<Node<MovementNode>> {
public:
    MovementNode() : QueuesMoves(kMovementNode, {"Next Action"}, {{"Movement Distance", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const double* distance = GetInput<double>(0, ctx);
        if (GameObject* self = OwnerOf(ctx); self && distance) {
            QueueMove(self, static_cast<float>(*distance * 7000.0), 0.0f);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterMovementNode() { RegisterNode<MovementNode>("MovementNode"); }
