#include <algorithm>

#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/graph_float.h"
#include "nodes/look_components.h"
#include "nodes/particle_of.h"

namespace {
// Starts the running object's emitter spraying, aimed by "Dir" or else by the way its sprite
// faces, optionally moved onto the object first.
class StartParticleNode : public Node<StartParticleNode> {
public:
    StartParticleNode()
        : Node(kStartParticleNode, {"Next"},
               {{"xDir", VT_BOOL},
                {"yDir", VT_BOOL},
                {"gravity", VT_DOUBLE},
                {"colourOff", VT_DOUBLE},
                {"FollowObjPos", VT_BOOL},
                {"Dir", VT_INT},
                {"Offset", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        Body* body = OwnerBody(ctx);
        Particle* emitter = OwnerParticle(ctx);
        Sprite* sprite = OwnerSprite(ctx);
        const bool* xDir = GetInput<bool>(0, ctx);
        const bool* yDir = GetInput<bool>(1, ctx);
        const double* gravity = GetInput<double>(2, ctx);
        const double* colourOff = GetInput<double>(3, ctx);
        const bool* follow = GetInput<bool>(4, ctx);
        if (!body || !emitter || !sprite || !xDir || !yDir || !gravity || !colourOff || !follow) {
            return RunOutput(0, ctx);
        }
        const int* dir = GetInput<int>(5, ctx);
        const Vec2* offset = GetInput<Vec2>(6, ctx);
        emitter->stopped = false;
        if (*follow) SetParticlePosition(*emitter, body->Position() + (offset ? *offset : Vec2{}));
        emitter->gravity = FloatFromGraph(*gravity);
        emitter->offset = FloatFromGraph(*colourOff);
        // A mirrored sprite (scale -1) sprays the other way.
        emitter->direction = dir ? *dir : static_cast<int>(std::clamp(sprite->scaleX, -1.0e9f, 1.0e9f));
        emitter->spreadY = *yDir;
        emitter->spreadX = *xDir;
        emitter->burst = false;
        emitter->noRespawn = false;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterStartParticleNode() { RegisterNode<StartParticleNode>("StartParticleNode"); }
