#include "audio/sound_system.h"
#include "graph/node_registry.h"

namespace {
// Pauses both groups on every run. "Set Pause" may be bound by graphs but is never read. The
// main loop sets the groups from the game's pause flag at the start of each frame, so unless
// the game is paused they play again from the next frame on.
class PauseAllSoundNode : public Node<PauseAllSoundNode> {
public:
    PauseAllSoundNode() : Node(kPauseAllSoundNode, {"Next"}, {{"Set Pause", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        SoundSystem::GetInstance().PauseAll(true);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterPauseAllSoundNode() { RegisterNode<PauseAllSoundNode>("PauseAllSoundNode"); }
