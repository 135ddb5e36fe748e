#include "flow/game_state_manager.h"
#include "graph/node_registry.h"

namespace {
// Toggles the game's pause; graphs keep running while it is set, so the same graph unpauses.
class PauseLevelNode : public Node<PauseLevelNode> {
public:
    PauseLevelNode() : Node(kPauseLevelNode, {"Next Action"}, {}) {}

    int Execute(AI_Component* ctx) override {
        GameStateManager::SetPause(!GameStateManager::isPaused);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterPauseLevelNode() { RegisterNode<PauseLevelNode>("PauseLevelNode"); }
