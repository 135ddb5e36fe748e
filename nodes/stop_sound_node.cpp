#include "graph/node_registry.h"
#include "nodes/sound_name_node.h"

namespace {
// Stops the sound's latest play only.
class StopSoundNode : public SoundNameNode<StopSoundNode> {
public:
    StopSoundNode() : SoundNameNode(kStopSoundNode) {}
    static void Act(SoundSystem& sounds, const std::string& name) { sounds.Stop(name); }
};
}  // namespace

void RegisterStopSoundNode() { RegisterNode<StopSoundNode>("StopSoundNode"); }
