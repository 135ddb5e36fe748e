#include <limits>

#include "graph/node_registry.h"
#include "nodes/fade_object_node.h"

namespace {
// Fades the owner's sprite in while the music goes down from "Max volume" towards silence;
// once the sprite is opaque the music is back at "Max volume" on every run. The volume lives
// in the node for the whole level, so a second fade-in carries on from where the first ended.
class FadeObjectInNode : public FadeObjectNode<FadeObjectInNode> {
public:
    // Below this the volume has not been taken from "Max volume" yet.
    static constexpr float kUnknownVolume = -100.0f;

    FadeObjectInNode() : FadeObjectNode(kFadeObjectInNode, "Max volume") {}

    int Step(FadeStep& step) {
        if (step.soundFade && volume_ < kUnknownVolume && step.maxVolume) volume_ = FloatFromGraph(*step.maxVolume);
        if (step.alpha >= 1.0f) {
            if (step.soundFade && step.maxVolume) SetMusicVolume(FloatFromGraph(*step.maxVolume));
            return 1;
        }
        // With no volume to start from, the music is left as it is rather than cut to silence.
        if (volume_ >= kUnknownVolume) {
            volume_ -= step.amount;
            if (volume_ < std::numeric_limits<float>::epsilon()) volume_ = 0.0f;
            if (step.soundFade) SetMusicVolume(volume_);
        }
        step.SetAlpha(step.alpha + step.amount);
        return 0;
    }

private:
    float volume_ = -120.0f;
};
}  // namespace

void RegisterFadeObjectInNode() { RegisterNode<FadeObjectInNode>("FadeObjectInNode"); }
