#include "flow/game_state_manager.h"
#include "graph/node_registry.h"

namespace {
// One output per camera scene; a scene outside 0 to 2 has no output and ends the chain.
class GetSceneNode : public Node<GetSceneNode> {
public:
    GetSceneNode() : Node(kGetSceneNode, {"0", "1", "2"}, {}) {}

    int Execute(AI_Component* ctx) override { return RunOutput(GameStateManager::Instance().currentScene, ctx); }
};
}  // namespace

void RegisterGetSceneNode() { RegisterNode<GetSceneNode>("GetSceneNode"); }
