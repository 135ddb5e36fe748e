#pragma once

#include <vector>

#include "core/system.h"
#include "graphics/particle_batch.h"
#include "graphics/particle_obj.h"

class Particle;

// Moves and draws every active emitter each frame after the sprites, then draws the
// renderer's top sprite so that it covers the particles.
class ParticleManager : public ISystem, public ParticleCanvas {
public:
    ParticleManager();
    ~ParticleManager() override;
    ParticleManager(const ParticleManager&) = delete;
    ParticleManager& operator=(const ParticleManager&) = delete;

    // Registers the "Particle" creator and builds the particle program. Without that
    // program the particles still move but are not drawn; the result stays true.
    bool Init() override;
    bool Update(double dt) override;
    // mesh 0 draws a round particle, 1 a square one.
    void Draw(const SpriteState& state, int mesh) override;

    std::vector<Particle*> emitters;  // in the order they were made

private:
    void DrawTopSprite() const;

    ParticleBatch batch_;
    bool drawing_ = false;
};

ParticleManager* FindParticleManager();
