#include <cmath>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "physics/collision_message.h"
#include "physics/pillar_shape.h"
#include "physics_test_world.h"

namespace {

struct Frame {
    std::set<std::string> pairs;
    std::vector<float> motion;
};

// One world of bodies with its own physics system. Two worlds built from the same seed are
// the same level, so one can run the plain pair loop and the other the broad phase.
class World {
public:
    World(uint32_t seed, int count, float area, float movingShare) {
        physics_ = std::make_unique<Physics>();
        std::mt19937 random(seed);
        auto uniform = [&random](float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(random); };
        auto chance = [&uniform](float p) { return uniform(0, 1) < p; };
        for (int i = 0; i < count; ++i) {
            auto object = std::make_unique<GameObject>();
            object->name = "body " + std::to_string(i);
            auto* body = new Body();
            object->AddComponent(body);
            const float roll = uniform(0, 1);
            const int shape = roll < 0.45f ? CIRCLE_SHAPE : roll < 0.97f ? BOX_SHAPE : PILLAR_SHAPE;
            // Whole-numbered places and sizes give exact touches as well as overlaps.
            body->width = std::round(uniform(4, 60));
            body->height = std::round(uniform(4, 60));
            const Vec2 at(std::round(uniform(0, area)), std::round(uniform(0, area * 0.5f)));
            body->MakeShape(shape == PILLAR_SHAPE ? BOX_SHAPE : shape);
            body->shape->Init(body->width, body->height, at.x, at.y);
            if (shape == PILLAR_SHAPE) {
                const float h = body->width * 0.5f;
                body->shape = std::make_shared<PolygonalPillar>(at + Vec2(-h, h), at + Vec2(h, h), at + Vec2(h, -h),
                                                                at + Vec2(-h, -h));
            }
            body->SetMass(chance(0.2f) ? 0 : uniform(0.5f, 5));
            body->bounciness = uniform(0, 1);
            body->velX = chance(0.2f) ? 0 : uniform(-400, 400);
            body->velY = chance(0.2f) ? 0 : uniform(-400, 400);
            body->isContact = !chance(0.1f);
            body->isGravity = chance(0.5f);
            body->gravityY = -900;
            body->SetMove(chance(movingShare));
            if (chance(0.1f)) object->SetActive(false);
            objects_.push_back(std::move(object));
        }
    }
    // Worlds live one at a time, so their bodies leave the right physics system.
    ~World() { objects_.clear(); }

    // Runs a frame and records what it saw: every pair by name and every body's motion.
    Frame Step(bool broad) {
        physics_->useBroadPhase = broad;
        physics_->Update(1.0 / 60.0);
        Frame frame;
        for (const auto& [a, b] : CollisionMessage::Pairs()) frame.pairs.insert(a->name + " > " + b->name);
        for (const auto& object : objects_) {
            const Body& body = *object->Get<Body>(BODY);
            frame.motion.insert(frame.motion.end(), {body.Position().x, body.Position().y, body.velX, body.velY});
        }
        return frame;
    }
    size_t Tests() const { return physics_->testsRun; }

private:
    std::unique_ptr<Physics> physics_;
    std::vector<std::unique_ptr<GameObject>> objects_;
};

class BroadPhaseTest : public EngineTest {};

TEST_F(BroadPhaseTest, FindsTheSamePairsInTheSameOrderAsThePlainLoop) {
    FrameRateController::GetInstance().lastElapsed = 170'000;
    struct Scene {
        const char* name;
        uint32_t seed;
        int count;
        float area;
        float movingShare;
    };
    const std::vector<Scene> scenes = {
        {"a sparse level, few movers", 1, 300, 3000, 0.1f},
        {"a crowded pen, everything moving", 2, 200, 400, 1.0f},
        {"a busy level", 3, 600, 2000, 0.5f},
        {"a handful of bodies", 4, 5, 50, 0.6f},
    };
    for (const Scene& scene : scenes) {
        size_t broadTests = 0, plainTests = 0;
        // Each world builds with its own physics system as the newest one.
        auto plain = std::make_unique<World>(scene.seed, scene.count, scene.area, scene.movingShare);
        std::vector<Frame> plainFrames;
        for (int frame = 0; frame < 20; ++frame) {
            plainFrames.push_back(plain->Step(false));
            plainTests += plain->Tests();
        }
        plain.reset();
        World broad(scene.seed, scene.count, scene.area, scene.movingShare);
        for (int frame = 0; frame < 20; ++frame) {
            const Frame seen = broad.Step(true);
            ASSERT_EQ(plainFrames[frame].pairs, seen.pairs) << scene.name << ", frame " << frame;
            // Bit for bit: the contacts were resolved in the same order.
            ASSERT_TRUE(plainFrames[frame].motion == seen.motion) << scene.name << ", frame " << frame;
            broadTests += broad.Tests();
        }
        bool collided = false;
        for (const Frame& seen : plainFrames) collided = collided || !seen.pairs.empty();
        EXPECT_TRUE(collided) << scene.name;
        if (scene.area >= 2000) {
            EXPECT_LT(broadTests * 4, plainTests) << scene.name << ": the broad phase spares most tests";
        }
    }
}

}  // namespace
