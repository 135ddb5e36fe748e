#include "graph/node_registry.h"
#include "nodes/controller_node.h"

namespace {
// Stops the rumble of the object's player once the graph's cooldown has run out. Counting
// the cooldown and clearing "Vibrated" are the graph's own business.
class StopVibrateController : public Node<StopVibrateController> {
public:
    StopVibrateController()
        : Node(kStopVibrateController, {"Next"},
               {{"VibrateCooldown", VT_DOUBLE}, {"CurrVibCD", VT_DOUBLE}, {"Vibrated", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        const double* cooldown = GetInput<double>(0, ctx);
        const double* elapsed = GetInput<double>(1, ctx);
        const bool* vibrated = GetInput<bool>(2, ctx);
        XInput* pad = OwnerPad(ctx);
        if (cooldown && elapsed && vibrated && *vibrated && *elapsed >= *cooldown && pad && pad->IsConnected()) {
            pad->Vibrate(0);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterStopVibrateController() { RegisterNode<StopVibrateController>("StopVibrateController"); }
