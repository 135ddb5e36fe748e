#include "flow/game_state_manager.h"
#include "graph/node_registry.h"

namespace {
class CompareSceneNode : public Node<CompareSceneNode> {
public:
    CompareSceneNode() : Node(kCompareSceneNode, {"True", "False"}, {{"Scene No", VT_INT}}) {}

    int Execute(AI_Component* ctx) override {
        const int* scene = GetInput<int>(0, ctx);
        const bool same = scene && *scene == GameStateManager::Instance().currentScene;
        return RunOutput(same ? 0 : 1, ctx);
    }
};
}  // namespace

void RegisterCompareSceneNode() { RegisterNode<CompareSceneNode>("CompareSceneNode"); }
