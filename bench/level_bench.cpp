// A frame of the real Level_1 with four players, split into the engine's own work (messages,
// sound, input, graphs, actions, physics) and its drawing (sprites, particles, texts, present),
// so that neither hides the other. The scripted clock makes the frame wait cost nothing.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <epoxy/gl.h>

#include "audio/sound_system.h"
#include "core/frame_rate_controller.h"
#include "core/message_center.h"
#include "core/system_manager.h"
#include "figures.h"
#include "flow/game_state_manager.h"
#include "four_player_level.h"
#include "graph/ai_manager.h"
#include "physics/body.h"
#include "platform/scripted_backend.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWarmUpFrames = 60;
constexpr int kMeasuredFrames = 600;

double Milliseconds(Clock::time_point begin, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - begin).count();
}

// The particle system moves its particles while it batches them for drawing; the two cannot be
// timed apart, and drawing is by far the larger share.
bool Draws(SYSTEM_COMP key) {
    return key == GAME_WINDOW || key == GRAPHIC_GL || key == PARTICLE_MANAGER || key == FONT_MANAGER;
}

struct FrameCost {
    double engine = 0;
    double draw = 0;
    std::map<SYSTEM_COMP, double> drawing;  // the draw time by system; the GL wait under GRAPHIC_GL
};

// One frame as SystemManager::Update runs it, with a stopwatch around each system; glFinish
// charges the GL work the frame queued to its drawing.
FrameCost TimedFrame() {
    SystemManager& systems = SystemManager::GetInstance();
    auto& timer = FrameRateController::GetInstance();
    platform::ScriptedBackend& backend = Scripted();
    timer.frameStart = backend.Now();
    const double dt = timer.LastElapsedSeconds();
    FrameCost cost;
    auto begin = Clock::now();
    MessageCenter::GetInstance().Dispatch();
    SoundSystem::GetInstance().Update();
    cost.engine += Milliseconds(begin, Clock::now());
    for (const auto& [key, system] : systems.Systems()) {
        if (!system) continue;
        begin = Clock::now();
        system->Update(dt);
        const double spent = Milliseconds(begin, Clock::now());
        (Draws(key) ? cost.draw : cost.engine) += spent;
        if (Draws(key)) cost.drawing[key] += spent;
    }
    begin = Clock::now();
    glFinish();
    const double waited = Milliseconds(begin, Clock::now());
    cost.draw += waited;
    cost.drawing[GRAPHIC_GL] += waited;
    backend.Advance(timer.frameTicks);
    timer.now = backend.Now();
    timer.lastElapsed = timer.now - timer.frameStart;
    ++timer.frameCount;
    return cost;
}

Vec2 Where(const GameObject& object) {
    const auto* body = object.Get<Body>(BODY);
    return body && body->shape ? body->Position() : Vec2();
}

size_t ObjectCount() {
    size_t objects = 0;
    for (const auto& map : GameStateManager::Instance().objectMaps) objects += map.size();
    return objects;
}

void FourPlayerLevel() {
    InResourcesCopy([] {
        if (StartFourPlayerLevel()) {
            std::vector<double> engine, draw;
            std::map<SYSTEM_COMP, std::vector<double>> drawing;
            // How far the characters went: proof that the keys reach them.
            const std::vector<GameObject*> players = FourPlayers();
            std::vector<Vec2> last;
            for (GameObject* player : players) last.push_back(Where(*player));
            double travelled = 0;
            int frame = 0;
            for (; frame < kWarmUpFrames + kMeasuredFrames; ++frame) {
                if (GameStateManager::nextState != GameStateManager::currentState) break;
                DriveFourPlayers(frame);
                const FrameCost cost = TimedFrame();
                for (size_t i = 0; i < players.size(); ++i) {
                    const Vec2 now = Where(*players[i]);
                    travelled += std::fabs(now.x - last[i].x) + std::fabs(now.y - last[i].y);
                    last[i] = now;
                }
                if (frame < kWarmUpFrames) continue;
                engine.push_back(cost.engine);
                draw.push_back(cost.draw);
                for (const auto& [key, spent] : cost.drawing) drawing[key].push_back(spent);
            }
            const auto* ai = SystemManager::GetInstance().Get<AI_Manager>(AI_MANAGER);
            std::printf("Level_1: %zu objects, %zu graphs, %d frames, %zu characters travelled %.0f units\n",
                        ObjectCount(), ai ? ai->registry.Trees().size() : 0, frame, players.size(), travelled);
            ReportFigure("level_engine_work_median", Median(engine), "ms", "<= 0.5");
            ReportFigure("level_engine_work_p99", Percentile(engine, 0.99), "ms", "-");
            ReportFigure("level_draw_median", Median(draw), "ms", "<= 4");
            ReportFigure("level_draw_p99", Percentile(draw, 0.99), "ms", "-");
            const std::map<SYSTEM_COMP, std::string> parts = {{GAME_WINDOW, "present"},
                                                              {GRAPHIC_GL, "sprites_and_gl_wait"},
                                                              {PARTICLE_MANAGER, "particles"},
                                                              {FONT_MANAGER, "texts"}};
            for (const auto& [key, times] : drawing) {
                ReportFigure("level_draw_" + parts.at(key) + "_median", Median(times), "ms", "-");
            }
        } else {
            std::fprintf(stderr, "Level_1 with four players did not start\n");
        }
        StopEngine();
    });
}

const bool registered = RegisterFigureBenchmark("level", FourPlayerLevel);

}  // namespace
