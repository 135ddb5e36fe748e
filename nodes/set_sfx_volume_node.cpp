#include "graph/node_registry.h"
#include "nodes/volume_node.h"

namespace {
// The effects group only.
class SetSFXVolumeNode : public VolumeNode<SetSFXVolumeNode> {
public:
    SetSFXVolumeNode() : VolumeNode(kSetSFXVolumeNode) {}
    static void Apply(SoundSystem& sounds, float volume) {
        sounds.SetGroupVolume(platform::SoundGroup::Effects, volume);
    }
};
}  // namespace

void RegisterSetSFXVolumeNode() { RegisterNode<SetSFXVolumeNode>("SetSFXVolumeNode"); }
