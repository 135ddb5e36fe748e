#include "graph/node_registry.h"
#include "nodes/sound_name_node.h"

namespace {
// There is no resume node: playing the sound again resumes it.
class PauseSoundNode : public SoundNameNode<PauseSoundNode> {
public:
    PauseSoundNode() : SoundNameNode(kPauseSoundNode) {}
    static void Act(SoundSystem& sounds, const std::string& name) { sounds.SetPaused(name, true); }
};
}  // namespace

void RegisterPauseSoundNode() { RegisterNode<PauseSoundNode>("PauseSoundNode"); }
