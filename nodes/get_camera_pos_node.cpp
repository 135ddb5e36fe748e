#include "graph/node_registry.h"
#include "nodes/camera_control.h"

namespace {
// Reads where the camera looks now into a variable: mid-pan that lies between two scenes, so
// anything that must cover the view the player sees goes there, not to a scene's position.
// Without the variable the chain stops; without a renderer there is no view to follow, so the
// variable keeps what it held and the chain goes on.
class GetCameraPosNode : public Node<GetCameraPosNode> {
public:
    GetCameraPosNode() : Node(kGetCameraPosNode, {"Next"}, {{"Target Value", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        Vec2* target = GetInput<Vec2>(0, ctx);
        if (!target) return 0;
        if (const Camera* camera = TheCamera()) *target = CameraPosition(*camera);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterGetCameraPosNode() { RegisterNode<GetCameraPosNode>("GetCameraPosNode"); }
