#include "graph/node_registry.h"
#include "nodes/sound_name_node.h"

namespace {
// For graphs that run every frame: starts the sound only while it is not heard. A paused
// sound counts as not heard, and Play resumes it.
class PlaySoundOnceNode : public SoundNameNode<PlaySoundOnceNode> {
public:
    PlaySoundOnceNode() : SoundNameNode(kPlaySoundOnceNode) {}
    static void Act(SoundSystem& sounds, const std::string& name) {
        if (!sounds.IsPlaying(name)) sounds.Play(name);
    }
};
}  // namespace

void RegisterPlaySoundOnceNode() { RegisterNode<PlaySoundOnceNode>("PlaySoundOnceNode"); }
