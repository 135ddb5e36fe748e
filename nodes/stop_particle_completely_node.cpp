#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/particle_of.h"

namespace {
// Lets the running object's emitter run dry: no more re-spawns, the live particles finish.
class StopParticleCompletelyNode : public Node<StopParticleCompletelyNode> {
public:
    StopParticleCompletelyNode() : Node(kStopParticleCompletelyNode, {"Next"}, {}) {}

    int Execute(AI_Component* ctx) override {
        Particle* emitter = OwnerParticle(ctx);
        if (emitter && OwnerBody(ctx)) emitter->noRespawn = true;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterStopParticleCompletelyNode() { RegisterNode<StopParticleCompletelyNode>("StopParticleCompletelyNode"); }
