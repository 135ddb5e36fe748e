#include <limits>

#include "graph/node_registry.h"
#include "nodes/fade_object_node.h"

namespace {
// Fades the owner's sprite out while the music rises from silence up to "Max Volume". The
// volume lives in the node for the whole level, so a second fade-out starts at "Max Volume".
class FadeObjectOutNode : public FadeObjectNode<FadeObjectOutNode> {
public:
    FadeObjectOutNode() : FadeObjectNode(kFadeObjectOutNode, "Max Volume") {}

    int Step(FadeStep& step) {
        if (step.alpha <= 0.0f) return 1;
        if (step.maxVolume && step.soundFade) {
            volume_ += step.amount;
            if (static_cast<double>(volume_) - *step.maxVolume >= std::numeric_limits<double>::epsilon()) {
                volume_ = FloatFromGraph(*step.maxVolume);
            }
            SetMusicVolume(volume_);
        }
        step.SetAlpha(step.alpha - step.amount);
        return 0;
    }

private:
    float volume_ = 0.0f;
};
}  // namespace

void RegisterFadeObjectOutNode() { RegisterNode<FadeObjectOutNode>("FadeObjectOutNode"); }
