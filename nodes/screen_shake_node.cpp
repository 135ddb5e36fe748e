#include "flow/game_state_manager.h"
#include "graph/node_registry.h"
#include "nodes/camera_control.h"
#include "nodes/scene_position.h"

namespace {
// One step of a decaying shake around the current scene's camera position: a half step
// right first, then round the four sides, the intensity shrinking by "Decay" every run. Below
// a quarter unit the shake ends with the camera back on the scene.
class ScreenShakeNode : public Node<ScreenShakeNode> {
public:
    ScreenShakeNode()
        : Node(kScreenShakeNode, {"Next"},
               {{"Scene", VT_INT},
                {"S1Pos", VT_VEC2},
                {"S2Pos", VT_VEC2},
                {"S3Pos", VT_VEC2},
                {"Intensity", VT_DOUBLE},
                {"Decay", VT_DOUBLE},
                {"isShaking", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        double* intensity = GetInput<double>(4, ctx);
        const double* decay = GetInput<double>(5, ctx);
        bool* shaking = GetInput<bool>(6, ctx);
        Camera* camera = TheCamera();
        if (!intensity || !decay || !shaking || !*shaking || !camera) return RunOutput(0, ctx);
        // The scene the game shows, not the "Scene" input; outside the three scenes the
        // shake centres on the origin.
        const int scene = GameStateManager::Instance().currentScene;
        Vec2 centre;
        if (scene >= 0 && scene <= 2) {
            const Vec2* position = ScenePosition(*this, 1, scene, ctx);
            if (!position) return RunOutput(0, ctx);
            centre = *position;
        }
        const float i = static_cast<float>(*intensity);
        const float cx = CameraPosition(*camera).x;
        const float sy = centre.y;
        // The view goes past the stage's outer screens and above and below them; each
        // stage's pictures reach far enough beyond its screens to cover it.
        if (firstStep) {
            camera->SetPosition(cx + 0.5f * i, sy);
            firstStep = false;
        } else {
            const Vec2 moves[4] = {{cx, sy - i}, {cx - i, sy}, {cx, sy + i}, {cx + i, sy}};
            const Vec2 to = moves[phase];
            camera->SetPosition(to.x, to.y);
            phase = (phase + 1) % 4;
        }
        if (*intensity < 0.25) {
            *shaking = false;
            camera->SetPosition(centre.x, centre.y);
            firstStep = true;
            phase = 2;
        }
        *intensity *= *decay;
        return RunOutput(0, ctx);
    }

    int phase = 1;
    bool firstStep = true;
};
}  // namespace

void RegisterScreenShakeNode() { RegisterNode<ScreenShakeNode>("ScreenShakeNode"); }
