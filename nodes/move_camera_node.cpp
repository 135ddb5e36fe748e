#include "graph/node_registry.h"
#include "nodes/camera_control.h"
#include "nodes/position_receiver.h"

namespace {
// Puts the camera at "Destination", or else at the last position handed over.
class MoveCameraNode : public ReceivesPosition<Node<MoveCameraNode>> {
public:
    MoveCameraNode() : ReceivesPosition(kMoveCameraNode, {"Next"}, {{"Destination", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        const Vec2* destination = GetInput<Vec2>(0, ctx);
        const Vec2 at = destination ? *destination : receivedPos;
        if (Camera* camera = TheCamera()) camera->SetPosition(at.x, at.y);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterMoveCameraNode() { RegisterNode<MoveCameraNode>("MoveCameraNode"); }
