#pragma once

#include "graphics/sprite_state.h"

// One particle of an emitter's pool. A stopped particle is not live.
struct ParticleObj {
    ParticleObj();

    bool stopped = true;
    float rotation = 0;  // degrees
    float vx = 0;        // per frame
    float vy = 0;
    float x = 0;
    float y = 0;
    float scaleX = 0;  // half-size, as for sprites
    float scaleY = 0;
    float life = 0;  // frames left
    float fade = 0;  // alpha lost per frame
    SpriteState state;
    float matrix[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};  // rotation x scale, no translation
};

// What a particle loses in alpha per frame over `life` frames. A life of 0 or less would
// divide by zero; such a particle fades out in its first step instead.
float FadeForLife(float life);

// Where particles go once moved: the particle manager draws them with one of its meshes.
class ParticleCanvas {
public:
    virtual ~ParticleCanvas() = default;
    // mesh 0 is the circle, 1 the quad.
    virtual void Draw(const SpriteState& state, int mesh) = 0;
};
