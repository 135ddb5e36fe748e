#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/particle_of.h"

namespace {
// Keeps the running object's emitter on the object; graphs run it every frame.
class UpdateParticlePosNode : public Node<UpdateParticlePosNode> {
public:
    UpdateParticlePosNode() : Node(kUpdateParticlePosNode, {"Next"}, {}) {}

    int Execute(AI_Component* ctx) override {
        Particle* emitter = OwnerParticle(ctx);
        Body* body = OwnerBody(ctx);
        if (emitter && body) SetParticlePosition(*emitter, body->Position());
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterUpdateParticlePosNode() { RegisterNode<UpdateParticlePosNode>("UpdateParticlePosNode"); }
