#include "flow/game_state_manager.h"
#include "graph/node_registry.h"

namespace {
// Without a state to compare there is no answer, so the chain stops.
class IsLevelChangedNode : public Node<IsLevelChangedNode> {
public:
    IsLevelChangedNode() : Node(kIsLevelChangedNode, {"True", "False"}, {{"Current State", VT_GAME_STATE}}) {}

    int Execute(AI_Component* ctx) override {
        const GameState* state = GetInput<GameState>(0, ctx);
        if (!state) return 0;
        return RunOutput(*state != GameStateManager::currentState ? 0 : 1, ctx);
    }
};
}  // namespace

void RegisterIsLevelChangedNode() { RegisterNode<IsLevelChangedNode>("IsLevelChangedNode"); }
