#include "audio/sound_system.h"
#include "graph/node_registry.h"

namespace {
// Every play of music and effects.
class StopAllSoundNode : public Node<StopAllSoundNode> {
public:
    StopAllSoundNode() : Node(kStopAllSoundNode, {"Next"}, {}) {}

    int Execute(AI_Component* ctx) override {
        SoundSystem::GetInstance().StopAll();
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterStopAllSoundNode() { RegisterNode<StopAllSoundNode>("StopAllSoundNode"); }
