#include "flow/game_state_manager.h"
#include "graph/node_registry.h"

namespace {
// Steps a player's pick through their team's characters and "None", round in a ring: red
// picks among 0 to 3, blue among 3 to 6. Missing an input, nothing moves and the chain stops.
class ToggleSelectionNode : public Node<ToggleSelectionNode> {
public:
    ToggleSelectionNode()
        : Node(kToggleSelectionNode, {"Next"}, {{"Selection", VT_INT}, {"inc/dec", VT_BOOL}, {"Is Team Red?", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        int* selection = GetInput<int>(0, ctx);
        const bool* up = GetInput<bool>(1, ctx);
        const bool* red = GetInput<bool>(2, ctx);
        if (!selection || !up || !red) return 0;
        const int half = static_cast<int>(GameStateManager::Instance().characterNames.size()) / 2;
        const int base = *red ? 0 : 3;
        int& s = *selection;
        if (*up) {
            s = s < base + half ? s + 1 : base;
        } else {
            s = s <= base ? base + half : s - 1;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterToggleSelectionNode() { RegisterNode<ToggleSelectionNode>("ToggleSelectionNode"); }
