#include "flow/game_state_manager.h"
#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/camera_scenes.h"

namespace {
// Whether the running object stands outside the scene the camera shows; the scene's edges
// count as inside. An object without a body is nowhere to be seen.
class IsOutOfSceneNode : public Node<IsOutOfSceneNode> {
public:
    IsOutOfSceneNode() : Node(kIsOutOfSceneNode, {"True", "False"}, {}) {}

    int Execute(AI_Component* ctx) override {
        const Body* body = OwnerBody(ctx);
        if (!body) return RunOutput(0, ctx);
        const float x = body->Position().x;
        const float centre = SceneCentreX(GameStateManager::Instance().currentScene);
        const bool outside = centre - kSceneHalfWidth > x || x > centre + kSceneHalfWidth;
        return RunOutput(outside ? 0 : 1, ctx);
    }
};
}  // namespace

void RegisterIsOutOfSceneNode() { RegisterNode<IsOutOfSceneNode>("IsOutOfSceneNode"); }
