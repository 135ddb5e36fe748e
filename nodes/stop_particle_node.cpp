#include "graph/node_registry.h"
#include "nodes/particle_of.h"

namespace {
// Freezes and hides the running object's emitter at once.
class StopParticleNode : public Node<StopParticleNode> {
public:
    StopParticleNode() : Node(kStopParticleNode, {"Next"}, {}) {}

    int Execute(AI_Component* ctx) override {
        if (Particle* emitter = OwnerParticle(ctx)) emitter->stopped = true;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterStopParticleNode() { RegisterNode<StopParticleNode>("StopParticleNode"); }
