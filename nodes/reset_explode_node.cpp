#include "core/random.h"
#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/camera_control.h"
#include "nodes/graph_float.h"
#include "nodes/particle_of.h"

namespace {
// Sets up a burst of the running object's emitter and sets it off again once its particles
// have burnt out: on the object ("Once") or at a random spot in the middle of the view.
class ResetExplodeNode : public Node<ResetExplodeNode> {
public:
    ResetExplodeNode()
        : Node(kResetExplodeNode, {"Next"},
               {{"Once", VT_BOOL}, {"Parts", VT_INT}, {"Radius", VT_DOUBLE}, {"Speed", VT_DOUBLE}, {"FollowObj", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        Particle* emitter = OwnerParticle(ctx);
        Body* body = OwnerBody(ctx);
        GraphicGL* renderer = FindRenderer();
        const bool* once = GetInput<bool>(0, ctx);
        const int* parts = GetInput<int>(1, ctx);
        const double* radius = GetInput<double>(2, ctx);
        const double* speed = GetInput<double>(3, ctx);
        // A burst of no directions is no burst.
        if (!emitter || !body || !renderer || !once || !parts || !radius || !speed || *parts <= 0) {
            return RunOutput(0, ctx);
        }
        if (*once) {
            const bool* follow = GetInput<bool>(4, ctx);
            if (!follow) return RunOutput(0, ctx);
            if (*follow) SetParticlePosition(*emitter, body->Position());
        }
        emitter->ringSpeed = FloatFromGraph(*radius);
        emitter->burstSpeed = FloatFromGraph(*speed);
        emitter->ringParts = *parts;
        emitter->burst = true;
        emitter->RestartAll();
        if (*once) {
            SetParticlePosition(*emitter, body->Position());
        } else {
            SetParticlePosition(*emitter, SpotInMiddleOfView(*renderer));
        }
        return RunOutput(0, ctx);
    }

private:
    // Within a third of the view's width and height of the camera; y is drawn first.
    static Vec2 SpotInMiddleOfView(const GraphicGL& renderer) {
        const Vec2 camera = CameraPosition(renderer.camera);
        const float thirdW = static_cast<float>(renderer.logicalWidth) / 3.0f;
        const float thirdH = static_cast<float>(renderer.logicalHeight) / 3.0f;
        const float y = RandomUniform(camera.y - thirdH, camera.y + thirdH);
        const float x = RandomUniform(camera.x - thirdW, camera.x + thirdW);
        return {x, y};
    }
};
}  // namespace

void RegisterResetExplodeNode() { RegisterNode<ResetExplodeNode>("ResetExplodeNode"); }
