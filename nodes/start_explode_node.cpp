#include "graph/node_registry.h"
#include "nodes/graph_float.h"
#include "nodes/particle_of.h"

namespace {
// Sets the running object's emitter going with the explosion's gravity and colour spread;
// ResetExplodeNode sets the burst itself up.
class StartExplodeNode : public Node<StartExplodeNode> {
public:
    StartExplodeNode() : Node(kStartExplodeNode, {"Next"}, {{"gravity", VT_DOUBLE}, {"colourDiffOff", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        Particle* emitter = OwnerParticle(ctx);
        const double* gravity = GetInput<double>(0, ctx);
        const double* colourOff = GetInput<double>(1, ctx);
        if (emitter && gravity && colourOff) {
            emitter->stopped = false;
            emitter->gravity = FloatFromGraph(*gravity);
            emitter->offset = FloatFromGraph(*colourOff);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterStartExplodeNode() { RegisterNode<StartExplodeNode>("StartExplodeNode"); }
