#include <string>

#include "audio/sound_system.h"
#include "graph/node_registry.h"

namespace {
// "True" while the sound is heard: playing and not paused by itself. An unbound name is "False".
class IsSoundPlayingNode : public Node<IsSoundPlayingNode> {
public:
    IsSoundPlayingNode() : Node(kIsSoundPlayingNode, {"True", "False"}, {{"Sound Name", VT_STRING}}) {}

    int Execute(AI_Component* ctx) override {
        const std::string* name = GetInput<std::string>(0, ctx);
        const bool heard = name && SoundSystem::GetInstance().IsPlaying(*name);
        return RunOutput(heard ? 0 : 1, ctx);
    }
};
}  // namespace

void RegisterIsSoundPlayingNode() { RegisterNode<IsSoundPlayingNode>("IsSoundPlayingNode"); }
