#pragma once

#include "audio/sound_system.h"
#include "graph/node.h"
#include "nodes/graph_float.h"
#include "nodes/look_components.h"

// What one step of a screen fade works with. "Alpha Value" is the graph's variable: the fade
// lives there and in the sprite, so every step writes both.
struct FadeStep {
    double* alphaValue;
    float alpha;
    float amount;
    bool soundFade;
    const double* maxVolume;
    Sprite* sprite;

    void SetAlpha(float value) {
        alpha = value;
        sprite->state.rgba[3] = value;
        *alphaValue = value;
    }
};

inline void SetMusicVolume(float volume) { SoundSystem::GetInstance().SetGroupVolume(platform::SoundGroup::Music, volume); }

// One step per run of fading the owner's sprite while the music moves the other way;
// Derived::Step does the step and says which output follows: 0 "Fading", 1 "Fade Completed".
// Without "Alpha Value", or without a sprite to fade, nothing changes and "Fading" runs.
template <class Derived>
class FadeObjectNode : public Node<Derived> {
public:
    static constexpr float kDefaultAmount = 0.1f;

    FadeObjectNode(NODE_TYPE type, const char* maxVolumeLabel)
        : Node<Derived>(type, {"Fading", "Fade Completed"},
                        {{"Fade amount", VT_DOUBLE},
                         {"Alpha Value", VT_DOUBLE},
                         {"Sound Fade", VT_BOOL},
                         {maxVolumeLabel, VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        double* alphaValue = this->template GetInput<double>(1, ctx);
        Sprite* sprite = OwnerSprite(ctx);
        if (!alphaValue || !sprite) return this->RunOutput(0, ctx);
        const double* amount = this->template GetInput<double>(0, ctx);
        const bool* soundFade = this->template GetInput<bool>(2, ctx);
        FadeStep step{alphaValue,
                      0.0f,
                      amount ? FloatFromGraph(*amount) : kDefaultAmount,
                      soundFade ? *soundFade : true,
                      this->template GetInput<double>(3, ctx),
                      sprite};
        step.alpha = FloatFromGraph(*alphaValue);
        sprite->state.rgba[3] = step.alpha;
        return this->RunOutput(static_cast<Derived*>(this)->Step(step), ctx);
    }
};
