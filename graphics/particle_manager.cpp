#include "graphics/particle_manager.h"

#include "core/composite_factory.h"
#include "core/system_manager.h"
#include "graphics/gl_available.h"
#include "graphics/graphic_gl.h"
#include "graphics/particle.h"
#include "graphics/sprite.h"

ParticleManager* FindParticleManager() {
    return SystemManager::GetInstance().Get<ParticleManager>(PARTICLE_MANAGER);
}

ParticleManager::ParticleManager() : ISystem(PARTICLE_MANAGER) {}

ParticleManager::~ParticleManager() {
    // Emitters outlive the manager only at shut-down; they find no manager afterwards.
    for (Particle* emitter : emitters) emitter->manager = nullptr;
}

bool ParticleManager::Init() {
    if (auto* factory = SystemManager::GetInstance().Get<CompositeFactory>(COMPOSITE_FACTORY)) {
        factory->AddComponentCreator("Particle", new GameComponentCreatorType<Particle>(PARTICLE));
    }
    drawing_ = GlAvailable() && batch_.Init();
    return true;
}

bool ParticleManager::Update(double) {
    for (Particle* emitter : emitters) {
        if (emitter->active) emitter->Update(*this);
    }
    if (const GraphicGL* renderer = FindRenderer()) batch_.Flush(*renderer);
    DrawTopSprite();
    return true;
}

void ParticleManager::Draw(const SpriteState& state, int mesh) {
    // A burnt-out particle keeps fading below 0, which blending would turn into a bright
    // smear instead of nothing.
    if (!drawing_ || state.rgba[3] <= 0) return;
    batch_.Add(state, mesh == 0);
}

void ParticleManager::DrawTopSprite() const {
    const GraphicGL* renderer = FindRenderer();
    if (!renderer || !renderer->topSprite) return;
    // Drawn whether or not the sprite is active: it is the level's cover.
    if (GlAvailable()) {
        renderer->DrawSprite(*renderer->topSprite);
    } else {
        renderer->topSprite->StepAnimation();
    }
}
