#include "graph/node_registry.h"
#include "nodes/volume_node.h"

namespace {
// Music and effects together.
class SetVolumeNode : public VolumeNode<SetVolumeNode> {
public:
    SetVolumeNode() : VolumeNode(kSetVolumeNode) {}
    static void Apply(SoundSystem& sounds, float volume) { sounds.SetVolume(volume); }
};
}  // namespace

void RegisterSetVolumeNode() { RegisterNode<SetVolumeNode>("SetVolumeNode"); }
