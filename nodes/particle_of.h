#pragma once

#include "core/game_object.h"
#include "graph/node_helpers.h"
#include "graphics/particle.h"

// An object's (visible) particle emitter; null for no object or no emitter.
inline Particle* ParticleOf(const GameObject* object) { return object ? object->Get<Particle>(PARTICLE) : nullptr; }
inline Particle* OwnerParticle(const AI_Component* ctx) { return ParticleOf(OwnerOf(ctx)); }

// Moves where new particles spawn; the ones in flight keep going from where they are.
inline void SetParticlePosition(Particle& emitter, Vec2 at) {
    emitter.posX = at.x;
    emitter.posY = at.y;
}
