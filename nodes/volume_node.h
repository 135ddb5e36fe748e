#pragma once

#include "audio/sound_system.h"
#include "graph/node.h"
#include "nodes/graph_float.h"

// Sets a volume from "vol" when it is bound (Derived::Apply says which groups), then goes on
// through "Next". The value is not checked here: the sound system reports what it refuses,
// the infinities of doubles beyond float's range included.
template <class Derived>
class VolumeNode : public Node<Derived> {
public:
    explicit VolumeNode(NODE_TYPE type) : Node<Derived>(type, {"Next"}, {{"vol", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        if (const double* volume = this->template GetInput<double>(0, ctx)) {
            Derived::Apply(SoundSystem::GetInstance(), FloatFromGraph(*volume));
        }
        return this->RunOutput(0, ctx);
    }
};
