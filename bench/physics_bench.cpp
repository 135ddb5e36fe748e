// Physics::Update split into its four steps, for levels of 50 to 2000 bodies, and the heap
// allocations of a settled frame.
#include <chrono>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "core/frame_rate_controller.h"
#include "core/game_object.h"
#include "core/message_center.h"
#include "core/startup.h"
#include "figures.h"
#include "flow/game_state_manager.h"
#include "graphics/sprite.h"
#include "physics/body.h"
#include "physics/physics.h"

namespace {
// Counts operator new while a measured frame runs.
bool countingAllocations = false;
long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (countingAllocations) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// GCC cannot see that these pair with the replaced operator new above.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace {

constexpr double kFrame = 1.0 / 60.0;
constexpr int kWarmUpFrames = 120;
constexpr int kMeasuredFrames = 300;

// A level three camera scenes wide: still platforms in rows, and characters and balls that
// fall onto them, run about and bump into each other.
class Level {
public:
    Level(int count, double movingShare) {
        physics_ = std::make_unique<Physics>();
        GameStateManager::Instance().gravity = Vec2(0, -900);
        std::mt19937 random(7);
        auto uniform = [&random](float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(random); };
        const int moving = static_cast<int>(count * movingShare + 0.5);
        for (int i = 0; i < count; ++i) {
            auto object = std::make_unique<GameObject>();
            auto* body = new Body();
            object->AddComponent(body);
            object->AddComponent(new Sprite());
            const bool mover = i < moving;
            const bool ball = mover && i % 4 == 0;
            body->width = mover ? 32 : 64;
            body->height = mover ? 48 : 24;
            body->MakeShape(ball ? 0 : 1);
            const Vec2 shelf(-1560 + 64.0f * static_cast<float>((i * 7) % 60), 40.0f * static_cast<float>(i % 18));
            const Vec2 at = mover ? Vec2(uniform(-1560, 2280), uniform(0, 720)) : shelf;
            body->shape->Init(body->width, body->height, at.x, at.y);
            body->SetMass(mover ? 1 : 0);
            body->isGravity = mover && movingShare < 1.0;
            body->velX = mover ? uniform(-200, 200) : 0;
            body->velY = mover ? uniform(-200, 200) : 0;
            body->friction = 1;
            body->SetMove(mover);
            objects_.push_back(std::move(object));
        }
    }
    ~Level() { objects_.clear(); }

    Physics& physics() { return *physics_; }

private:
    std::unique_ptr<Physics> physics_;
    std::vector<std::unique_ptr<GameObject>> objects_;
};

double Milliseconds(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void MeasureLevel(int count, double movingShare, const std::string& total_target) {
    ResetEngine();
    FrameRateController::GetInstance().lastElapsed = 160'000;
    {
        Level level(count, movingShare);
        Physics& physics = level.physics();
        for (int frame = 0; frame < kWarmUpFrames; ++frame) {
            physics.Update(kFrame);
            MessageCenter::GetInstance().ClearPosted();
        }
        std::vector<double> integrate, detect, resolve, sync, total;
        long totalAllocations = 0;
        int allocatingFrames = 0;
        for (int frame = 0; frame < kMeasuredFrames; ++frame) {
            allocations = 0;
            countingAllocations = true;
            const auto t0 = std::chrono::steady_clock::now();
            physics.IntegrateBodies(kFrame);
            const auto t1 = std::chrono::steady_clock::now();
            physics.DetectCollisions();
            const auto t2 = std::chrono::steady_clock::now();
            physics.resolver.ResolveAll();
            const auto t3 = std::chrono::steady_clock::now();
            physics.SyncSprites();
            const auto t4 = std::chrono::steady_clock::now();
            countingAllocations = false;
            totalAllocations += allocations;
            if (allocations > 0) ++allocatingFrames;
            integrate.push_back(Milliseconds(t0, t1));
            detect.push_back(Milliseconds(t1, t2));
            resolve.push_back(Milliseconds(t2, t3));
            sync.push_back(Milliseconds(t3, t4));
            total.push_back(Milliseconds(t0, t4));
            MessageCenter::GetInstance().ClearPosted();
        }
        const std::string name = "physics_" + std::to_string(count) + "_bodies_" +
                                 std::to_string(static_cast<int>(movingShare * 100 + 0.5)) + "pct_moving";
        ReportFigure(name + "_integrate", Median(integrate), "ms", "-");
        ReportFigure(name + "_detect", Median(detect), "ms", "-");
        ReportFigure(name + "_resolve", Median(resolve), "ms", "-");
        ReportFigure(name + "_sync", Median(sync), "ms", "-");
        ReportFigure(name + "_update", Median(total), "ms", total_target);
        ReportFigure(name + "_update_p99", Percentile(total, 0.99), "ms", "-");
        // Only a frame that sets a new peak of contacts or pairs may grow a buffer.
        ReportFigure(name + "_frames_allocating", allocatingFrames, "of " + std::to_string(kMeasuredFrames),
                     "0 in steady state");
        ReportFigure(name + "_allocations", static_cast<double>(totalAllocations), "allocations", "-");
    }
    ResetEngine();
}

void PhysicsUpdate() {
    MeasureLevel(200, 0.2, "<= 0.1");
    MeasureLevel(2000, 1.0, "<= 5");
    for (int count : {50, 200, 1000, 2000}) {
        for (double share : {0.1, 1.0}) {
            if (count == 2000 && share == 1.0) continue;  // measured above
            MeasureLevel(count, share, "-");
        }
    }
}

const bool registered = RegisterFigureBenchmark("physics", PhysicsUpdate);

}  // namespace
