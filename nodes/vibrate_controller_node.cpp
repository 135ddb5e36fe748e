#include "graph/node_registry.h"
#include "nodes/controller_node.h"

namespace {
// Half strength: the full 65535 rattles pads off the table.
constexpr uint16_t kRumbleSpeed = 0x7FFF;

// Rumbles the pad of the object's player and restarts the graph's cooldown. It rumbles on
// every run; an unplugged pad leaves the variables as they are.
class VibrateControllerNode : public Node<VibrateControllerNode> {
public:
    VibrateControllerNode()
        : Node(kVibrateControllerNode, {"Next"}, {{"Cooldown", VT_DOUBLE}, {"Vibrate", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        double* cooldown = GetInput<double>(0, ctx);
        bool* vibrating = GetInput<bool>(1, ctx);
        XInput* pad = OwnerPad(ctx);
        if (cooldown && vibrating && pad && pad->IsConnected()) {
            pad->Vibrate(kRumbleSpeed);
            *cooldown = 0.0;
            *vibrating = true;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterVibrateControllerNode() { RegisterNode<VibrateControllerNode>("VibrateControllerNode"); }
