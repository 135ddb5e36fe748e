#pragma once

#include <limits>

#include "audio/sound_system.h"
#include "graph/node.h"

// A graph's volume as the sound system takes it. A double beyond float's range has no float
// to become; it becomes an infinity, which the sound system refuses with its failure line.
inline float VolumeFromGraph(double volume) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (volume > kLargest) return std::numeric_limits<float>::infinity();
    if (volume < -kLargest) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(volume);
}

// Sets a volume from "vol" when it is bound (Derived::Apply says which groups), then goes on
// through "Next". The value is not checked here: the sound system reports what it refuses.
template <class Derived>
class VolumeNode : public Node<Derived> {
public:
    explicit VolumeNode(NODE_TYPE type) : Node<Derived>(type, {"Next"}, {{"vol", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        if (const double* volume = this->template GetInput<double>(0, ctx)) {
            Derived::Apply(SoundSystem::GetInstance(), VolumeFromGraph(*volume));
        }
        return this->RunOutput(0, ctx);
    }
};
