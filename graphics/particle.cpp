#include "graphics/particle.h"

#include <algorithm>
#include <cmath>

#include "core/random.h"
#include "graphics/matrix_math.h"
#include "graphics/particle_manager.h"

Particle::Particle() : IGameComponent(PARTICLE), pool(kPoolSize), dir(std::cos(30.0f)) {
    manager = FindParticleManager();
    if (manager) manager->emitters.push_back(this);
}

Particle::~Particle() {
    if (ParticleManager* current = FindParticleManager()) {
        auto& emitters = current->emitters;
        emitters.erase(std::remove(emitters.begin(), emitters.end(), this), emitters.end());
    }
}

IGameComponent* Particle::Clone() const {
    // A copy behaves as an emitter read from the same description: its own pool made live
    // with the same settings, and stopped until a graph starts it.
    auto* copy = new Particle();
    copy->velX = velX;
    copy->velY = velY;
    copy->dir = dir;
    copy->offset = offset;
    copy->SetAmount(amount);
    copy->SetPosition(posX, posY);
    copy->SetScale(scaleX, scaleY);
    copy->SetVelocity(velX, velY);
    copy->SetLife(life);
    copy->SetColour(rgba);
    return copy;
}

void Particle::SetAmount(int n) {
    amount = std::clamp(n, 0, kPoolSize);
    for (size_t i = 0; i < pool.size(); ++i) pool[i].stopped = static_cast<int>(i) >= amount;
}

void Particle::SetPosition(float x, float y) {
    posX = x;
    posY = y;
    for (ParticleObj& particle : pool) {
        particle.x = x;
        particle.y = y;
    }
}

void Particle::SetScale(float sx, float sy) {
    scaleX = sx;
    scaleY = sy;
    for (ParticleObj& particle : pool) {
        particle.scaleY = RandomUniform(sy - 2, sy);
        particle.scaleX = RandomUniform(sx - 2, sx);
        if (!particle.stopped) {
            BuildModelMatrix(particle.matrix, 0, 0, particle.scaleX, particle.scaleY, particle.rotation);
        }
    }
}

void Particle::SetVelocity(float vx, float vy) {
    velX = vx;
    velY = vy;
    for (ParticleObj& particle : pool) {
        SpawnVelocity(spreadX, spreadY, direction);
        particle.vx = spawnVX;
        particle.vy = spawnVY;
    }
}

void Particle::SetLife(float l) {
    life = l;
    for (ParticleObj& particle : pool) {
        particle.life = RandomUniform(l / 2, l);
        particle.fade = FadeForLife(particle.life);
    }
}

void Particle::SetColour(const float colour[4]) {
    std::copy(colour, colour + 4, rgba);
    for (ParticleObj& particle : pool) Jitter(particle);
}

void Particle::Jitter(ParticleObj& particle) const {
    // Alpha is drawn first, red last.
    for (int channel = 3; channel >= 0; --channel) {
        particle.state.rgba[channel] = RandomUniform(rgba[channel] - offset, rgba[channel] + offset);
    }
}

void Particle::SpawnVelocity(bool spreadOnX, bool spreadOnY, int side) {
    spreadX = spreadOnX;
    spreadY = spreadOnY;
    direction = side;
    // Every rule draws the vertical speed before the horizontal one.
    if (!spreadX && !spreadY) {
        spawnVY = static_cast<float>(RandomUpTo(velY));
        spawnVX = static_cast<float>(RandomUpTo(velX));
    } else if (spreadY) {
        if (!spreadX && side != -1 && side != 1) return;
        spawnVY = RandomUniform(-velY, velY);
        if (spreadX) {
            spawnVX = RandomUniform(-velX, velX);
        } else {
            spawnVX = side == -1 ? RandomUniform(0, velX) : RandomUniform(-velX, 0);
        }
    } else {
        spawnVY = RandomUniform(0, velY);
        if (side == 1) {
            spawnVX = RandomUniform(0, velX);
        } else if (side == -1) {
            spawnVX = RandomUniform(-velX, 0);
        } else {
            spawnVX = RandomUniform(-velX, velX);
        }
    }
}
