#include "graph/node_registry.h"
#include "nodes/sound_name_node.h"

namespace {
// Each run starts a new play, so an effect can overlap itself; a paused sound resumes instead.
class PlaySoundNode : public SoundNameNode<PlaySoundNode> {
public:
    PlaySoundNode() : SoundNameNode(kPlaySoundNode) {}
    static void Act(SoundSystem& sounds, const std::string& name) { sounds.Play(name); }
};
}  // namespace

void RegisterPlaySoundNode() { RegisterNode<PlaySoundNode>("PlaySoundNode"); }
