#pragma once

#include <memory>

#include "graphics/graphic_gl.h"
#include "graphics/particle.h"
#include "graphics/particle_manager.h"
#include "nodes_physics_fixture.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"

// Effect graphs run with a renderer (its camera, no drawing) and the particle manager beside
// the physics engine.
class EffectsTest : public PhysicsNodesTest {
protected:
    void SetUp() override {
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        PhysicsNodesTest::SetUp();
        renderer = new GraphicGL();
        SystemManager::GetInstance().AddSystem(renderer);
        renderer->Init();
        renderer->logicalWidth = 1280;
        renderer->logicalHeight = 720;
        particles = new ParticleManager();
        SystemManager::GetInstance().AddSystem(particles);
        particles->Init();
    }

    static Particle* GiveParticle(GameObject* object) {
        auto* emitter = new Particle();
        object->AddComponent(emitter);
        return emitter;
    }
    Vec2 CameraAt() const { return {-renderer->camera.simPerps[12], -renderer->camera.simPerps[13]}; }

    GraphicGL* renderer = nullptr;
    ParticleManager* particles = nullptr;
};
