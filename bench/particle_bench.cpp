// Cost of a frame of particles: 4 emitters of 500 particles each, moved and drawn, on the
// offscreen driver at 1280 by 720.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <epoxy/gl.h>

#include "core/random.h"
#include "core/startup.h"
#include "figures.h"
#include "flow/game_state_manager.h"
#include "graphics/graphic_gl.h"
#include "graphics/particle.h"
#include "graphics/particle_manager.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string FourEmitters() {
    std::string level = R"({"LevelSettings": {"cameraX": 0, "cameraY": 0, "cameraZ": 0, "gravity": 0, "AI file": ""})";
    for (int i = 0; i < 4; ++i) {
        level += ", \"E" + std::to_string(i) + "\": {\"Name\": \"E" + std::to_string(i) +
                 "\", \"Type\": \"Default\", \"Active\": true, \"Particle\": {\"amount\": 500, \"posX\": " +
                 std::to_string(-450 + i * 300) +
                 ", \"posY\": 0, \"scaleX\": 6, \"scaleY\": 6, \"velX\": 4, \"velY\": 6, \"life\": 60, \"dir\": 0, "
                 "\"offset\": 0.2, \"red\": 0.9, \"green\": 0.5, \"blue\": 0.1, \"alpha\": 1}}";
    }
    return level + "}";
}

void ParticleFrames() {
    InResourcesCopy([] {
        platform::Install(std::make_unique<platform::ScriptedBackend>(true));
        if (StartUp()) {
            std::FILE* file = std::fopen("Resources/levelData/particles.json", "w");
            const std::string text = FourEmitters();
            std::fwrite(text.data(), 1, text.size(), file);
            std::fclose(file);
            GameStateManager::LoadLevel("Resources/levelData/particles.json");
            SeedRandom(1);
            ParticleManager* manager = FindParticleManager();
            for (Particle* emitter : manager->emitters) {
                emitter->stopped = false;
                emitter->noRespawn = false;
            }
            GraphicGL* renderer = FindRenderer();
            std::vector<double> frames;
            for (int frame = 0; frame < 300; ++frame) {
                renderer->BeginFrame();
                const auto begin = Clock::now();
                manager->Update(1.0 / 60.0);
                glFinish();
                frames.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
            }
            ReportFigure("particles_4x500_frame_median", Median(frames), "ms", "<= 3");
            ReportFigure("particles_4x500_frame_p99", Percentile(frames, 0.99), "ms", "<= 3");
        }
        ResetEngine();
        platform::Uninstall();
    });
}

const bool registered = RegisterFigureBenchmark("particles", ParticleFrames);

}  // namespace
