// How an emitter's particles move each frame, and how a burst is set off again.
#include <cmath>

#include "core/random.h"
#include "graphics/particle.h"

namespace {
// The particle's rotation and scale, placed at (x, y).
void PlaceAt(ParticleObj& particle, float x, float y) {
    for (int i = 0; i < 9; ++i) particle.state.transform[i] = particle.matrix[i];
    particle.state.transform[2] = x;
    particle.state.transform[5] = y;
}
}  // namespace

void Particle::Update(ParticleCanvas& canvas) {
    if (stopped) return;
    if (burst) {
        UpdateBurst(canvas);
    } else {
        UpdateSpray(canvas);
    }
}

// The first stopped particle ends the pass: the live ones are expected to come first.
void Particle::UpdateBurst(ParticleCanvas& canvas) {
    for (ParticleObj& particle : pool) {
        if (particle.stopped) break;
        const int mesh = RandomBelow(2);
        const int s = RandomBelow(10) + 10;
        const int a = RandomBelow(360);
        const int b = RandomBelow(10) + 10;
        // A shimmer of one unit in a random direction; worked out in float so that every
        // direction occurs (whole-number division would leave nearly every step at angle 0).
        const float t = static_cast<float>(a + b) / 360.0f * static_cast<float>(s);
        particle.x += std::cos(t);
        particle.y += std::sin(t);
        const float divisor = RandomUniform(burstSpeed / 3, burstSpeed);
        // A divisor of 0 means no drift rather than positions of infinity.
        if (divisor != 0) {
            particle.x += particle.vx / divisor;
            particle.y += particle.vy / divisor;
        }
        particle.vy -= gravity;
        particle.state.rgba[3] -= particle.fade;
        particle.life -= 1;
        PlaceAt(particle, particle.x, particle.y);
        canvas.Draw(particle.state, mesh);
    }
}

void Particle::UpdateSpray(ParticleCanvas& canvas) {
    for (ParticleObj& particle : pool) {
        if (particle.stopped) break;
        if (particle.life < 0 && !noRespawn) Respawn(particle);
        const int mesh = RandomBelow(2);
        const float x0 = particle.x;
        const float y0 = particle.y;
        PlaceAt(particle, x0, y0);
        particle.x += particle.vx;
        particle.y += particle.vy;
        particle.vy -= gravity;
        particle.state.rgba[3] -= particle.fade;
        particle.life -= 1;
        // A particle on either line through the emitter is left out of this frame's picture.
        if (x0 != posX && y0 != posY) canvas.Draw(particle.state, mesh);
    }
}

void Particle::Respawn(ParticleObj& particle) {
    SpawnVelocity(spreadX, spreadY, direction);
    particle.x = posX;
    particle.y = posY;
    particle.vx = spawnVX;
    particle.vy = spawnVY;
    particle.life = RandomUniform(life / 2, life);
    particle.fade = FadeForLife(particle.life);
    Jitter(particle);
}

void Particle::RestartAll() {
    for (const ParticleObj& particle : pool) {
        if (!particle.stopped && particle.life > 0) return;
    }
    for (ParticleObj& particle : pool) {
        if (particle.stopped) continue;
        particle.x = posX;
        particle.y = posY;
        particle.life = RandomUniform(life / 2, life);
        particle.fade = FadeForLife(particle.life);
        Jitter(particle);
    }
    RingVelocities(ringParts);
}

void Particle::RingVelocities(int parts) {
    if (parts <= 0) return;
    const float step = 360.0f / static_cast<float>(parts);
    // A counts degrees to pick the quarter; R grows by the same step but goes to cos and sin
    // as radians, which scatters the ring the way the game's explosions look.
    float a = 0;
    float r = 0;
    for (ParticleObj& particle : pool) {
        if (particle.stopped) continue;
        const float speed = static_cast<float>(RandomUpTo(ringSpeed));
        const float c = std::cos(r) * speed;
        const float s = std::sin(r) * speed;
        if (a <= 180) {
            particle.vx = -c;
            particle.vy = s;
        } else if (a <= 270) {
            particle.vx = c;
            particle.vy = -s;
        } else {
            particle.vx = c;
            particle.vy = s;
        }
        if (a > 360) {
            a = 0;
            r = 0;
        } else {
            a += step;
            r += step;
        }
    }
}
