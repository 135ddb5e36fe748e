#include "flow/game_state_manager.h"
#include "graph/node_registry.h"

namespace {
class IsLevelPausedNode : public Node<IsLevelPausedNode> {
public:
    IsLevelPausedNode() : Node(kIsLevelPausedNode, {"True", "False"}, {}) {}

    int Execute(AI_Component* ctx) override { return RunOutput(GameStateManager::isPaused ? 0 : 1, ctx); }
};
}  // namespace

void RegisterIsLevelPausedNode() { RegisterNode<IsLevelPausedNode>("IsLevelPausedNode"); }
