#include "graph/node_registry.h"
#include "nodes/camera_control.h"
#include "nodes/position_receiver.h"
#include "nodes/scene_position.h"

namespace {
// One step of a sideways pan towards a scene's camera position ("Scene" 0 to 2, or the last
// position handed over); y goes there at once. On arrival "Continue Panning" is cleared.
class PanCameraNode : public ReceivesPosition<Node<PanCameraNode>> {
public:
    PanCameraNode()
        : ReceivesPosition(kPanCameraNode, {"Next"},
                           {{"Scene", VT_INT},
                            {"S1Pos", VT_VEC2},
                            {"S2Pos", VT_VEC2},
                            {"S3Pos", VT_VEC2},
                            {"Speed", VT_DOUBLE},
                            {"Continue Panning", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        const int* scene = GetInput<int>(0, ctx);
        const double* speed = GetInput<double>(4, ctx);
        Camera* camera = TheCamera();
        if (!scene || !speed || !camera) return RunOutput(0, ctx);
        const Vec2* target = *scene >= 0 && *scene <= 2 ? ScenePosition(*this, 1, *scene, ctx) : &receivedPos;
        if (!target) return RunOutput(0, ctx);
        const double cx = CameraPosition(*camera).x;
        const double tx = target->x;
        const double nx = tx - cx > 0 ? cx + *speed : cx - *speed;
        const bool arrived = tx - cx > 0 ? nx > tx : nx < tx;
        if (arrived) {
            camera->SetPosition(target->x, target->y);
            if (bool* panning = GetInput<bool>(5, ctx)) *panning = false;
        } else {
            camera->SetPosition(static_cast<float>(nx), target->y);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterPanCameraNode() { RegisterNode<PanCameraNode>("PanCameraNode"); }
