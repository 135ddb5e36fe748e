#pragma once

#include <vector>

#include "core/game_component.h"
#include "graphics/particle_obj.h"

class ParticleManager;

// A particle emitter with a fixed pool of particles, the first `amount` of them live. It
// sprays continuously (burnt-out particles re-spawn at the emitter unless `noRespawn`) or, in
// burst mode, flings every live particle outwards to fade. A new emitter is stopped; graphs
// start, stop and aim it.
class Particle : public IGameComponent {
public:
    static constexpr int kPoolSize = 1000;

    Particle();
    ~Particle() override;
    Particle(const Particle&) = delete;
    Particle& operator=(const Particle&) = delete;

    IGameComponent* Clone() const override;
    // Missing keys read as 0; the settings are applied to the pool, the emitter stays stopped.
    void Unserialize(const json::Member& member) override;
    void Serialize(json::Writer& writer) const override;

    // Each setter stores the emitter setting and applies it to the whole pool.
    void SetAmount(int n);
    void SetPosition(float x, float y);
    void SetScale(float sx, float sy);
    void SetVelocity(float vx, float vy);
    void SetLife(float l);
    void SetColour(const float colour[4]);

    // Stores the spread rule and draws the next spawn velocity from it.
    void SpawnVelocity(bool spreadOnX, bool spreadOnY, int side);
    // Fans the live particles out over `parts` directions; nothing for parts of 0 or fewer.
    void RingVelocities(int parts);
    // Once every live particle has burnt out: all back at the emitter, flung out in a ring.
    void RestartAll();
    // One frame: moves the live particles and hands the visible ones to `canvas`.
    void Update(ParticleCanvas& canvas);

    std::vector<ParticleObj> pool;
    int amount = 120;
    float rgba[4] = {0, 0, 0, 1};
    float posX = 0;
    float posY = 0;
    float scaleX = 3;
    float scaleY = 3;
    float velX = 3;
    float velY = 3;
    float spawnVX = 0;
    float spawnVY = 0;
    float life = 50;
    float dir;  // kept and written back; nothing moves by it
    float offset = 0.2f;
    float gravity = 0.2f;
    bool noRespawn = true;
    bool stopped = true;
    bool spreadX = true;
    bool spreadY = false;
    bool burst = false;
    float ringSpeed = 1;
    float burstSpeed = 0;
    int ringParts = 0;
    int direction = -1;
    ParticleManager* manager = nullptr;

private:
    void Respawn(ParticleObj& particle);
    void UpdateBurst(ParticleCanvas& canvas);
    void UpdateSpray(ParticleCanvas& canvas);
    void Jitter(ParticleObj& particle) const;
};
