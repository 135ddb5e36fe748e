#include "flow/game_state_manager.h"
#include "graph/node_registry.h"

namespace {
// Follows the camera scene in a variable: "Has changes" once when the scene changed since the
// variable last caught up with it.
class CheckAndSetSceneNode : public Node<CheckAndSetSceneNode> {
public:
    CheckAndSetSceneNode() : Node(kCheckAndSetSceneNode, {"Has changes", "No changes"}, {{"SceneInput", VT_INT}}) {}

    int Execute(AI_Component* ctx) override {
        int* seen = GetInput<int>(0, ctx);
        const int scene = GameStateManager::Instance().currentScene;
        if (!seen || *seen == scene) return RunOutput(1, ctx);
        *seen = scene;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterCheckAndSetSceneNode() { RegisterNode<CheckAndSetSceneNode>("CheckAndSetSceneNode"); }
