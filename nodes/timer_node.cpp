#include "graph/ai_manager.h"
#include "graph/node_helpers.h"
#include "graph/node_registry.h"

namespace {
// Adds the frame's length to "Add Time" and takes it from "Minus Time".
class TimerNode : public Node<TimerNode> {
public:
    TimerNode() : Node(kTimerNode, {"Next Action"}, {{"Add Time", VT_DOUBLE}, {"Minus Time", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const AI_Manager* manager = TheAiManager();
        const double dt = manager ? manager->dt : 0.0;
        if (double* up = GetInput<double>(0, ctx)) *up += dt;
        if (double* down = GetInput<double>(1, ctx)) *down -= dt;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterTimerNode() { RegisterNode<TimerNode>("TimerNode"); }
