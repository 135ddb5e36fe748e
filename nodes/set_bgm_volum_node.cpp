#include "graph/node_registry.h"
#include "nodes/volume_node.h"

namespace {
// The music group only. Graph files know the class by this spelling, without the final "e".
class SetBGMVolumNode : public VolumeNode<SetBGMVolumNode> {
public:
    SetBGMVolumNode() : VolumeNode(kSetBGMVolumNode) {}
    static void Apply(SoundSystem& sounds, float volume) { sounds.SetGroupVolume(platform::SoundGroup::Music, volume); }
};
}  // namespace

void RegisterSetBGMVolumNode() { RegisterNode<SetBGMVolumNode>("SetBGMVolumNode"); }
