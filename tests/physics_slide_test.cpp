#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "physics/pillar_shape.h"
#include "physics_test_world.h"

namespace {

// What stands in the slide's way, and whether it may stop it.
enum class Kind { Wall, Moving, Inactive, ReportOnly, Pillar };

struct Obstacle {
    Kind kind;
    float x, y, width, height;
};

class PhysicsSlide : public PhysicsWorldTest {
protected:
    void Place(const Obstacle& o) {
        Body* body = BodyOf(AddObject("obstacle", {BOX_SHAPE, o.x, o.y, o.width, o.height, o.kind == Kind::Moving}));
        if (o.kind == Kind::Inactive) body->active = false;
        if (o.kind == Kind::ReportOnly) body->isContact = false;
        if (o.kind == Kind::Pillar) {
            const float w = o.width / 2, h = o.height / 2;
            body->shape = std::make_shared<PolygonalPillar>(Vec2(o.x - w, o.y + h), Vec2(o.x + w, o.y + h),
                                                             Vec2(o.x + w, o.y - h), Vec2(o.x - w, o.y - h));
        }
    }
};

// A ball 24 units square let go at height 0, slid from `fromX` towards `toX`: it stops against
// the first still, solid, active body in its way, and never ends behind where it started.
TEST_F(PhysicsSlide, AStillSolidBodyStopsTheSlideAndNothingElseDoes) {
    const Vec2 half = {12, 12};
    const struct {
        const char* situation;
        float fromX, toX;
        std::vector<Obstacle> obstacles;
        float stops;
    } cases[] = {
        {"nothing in the way", 0, 100, {}, 100},
        {"a wall ahead", 0, 100, {{Kind::Wall, 50, 0, 20, 700}}, 28},
        {"a wall ahead to the left", 0, -100, {{Kind::Wall, -50, 0, 20, 700}}, -28},
        {"the nearer of two walls", 0, 100, {{Kind::Wall, 80, 0, 20, 700}, {Kind::Wall, 50, 0, 20, 700}}, 28},
        {"a wall beyond the end", 0, 100, {{Kind::Wall, 200, 0, 20, 700}}, 100},
        {"a wall behind", 0, 100, {{Kind::Wall, -50, 0, 20, 700}}, 100},
        {"a wall behind, sliding left", 0, -100, {{Kind::Wall, 50, 0, 20, 700}}, -100},
        {"a ledge above the ball", 0, 100, {{Kind::Wall, 50, 30, 20, 20}}, 100},
        {"a ledge below the ball", 0, 100, {{Kind::Wall, 50, -30, 20, 20}}, 100},
        {"a ledge the ball's bottom reaches", 0, 100, {{Kind::Wall, 50, -18, 20, 20}}, 28},
        {"a ledge whose top meets the ball's bottom", 0, 100, {{Kind::Wall, 50, -22, 20, 20}}, 100},
        {"a ledge whose bottom meets the ball's top", 0, 100, {{Kind::Wall, 50, 22, 20, 20}}, 100},
        {"a moving body", 0, 100, {{Kind::Moving, 50, 0, 20, 700}}, 100},
        {"an inactive body", 0, 100, {{Kind::Inactive, 50, 0, 20, 700}}, 100},
        {"a body that only reports touches", 0, 100, {{Kind::ReportOnly, 50, 0, 20, 700}}, 100},
        {"a pillar", 0, 100, {{Kind::Pillar, 50, 0, 20, 700}}, 100},
        {"a pillar before a wall", 0, 100, {{Kind::Pillar, 30, 0, 20, 700}, {Kind::Wall, 70, 0, 20, 700}}, 48},
        {"a wall closer than the ball's half", 0, 100, {{Kind::Wall, 15, 0, 20, 700}}, 0},
        {"a wall closer than the ball's half, to the left", 0, -100, {{Kind::Wall, -15, 0, 20, 700}}, 0},
        {"a wall against the start", 300, 400, {{Kind::Wall, 310, 0, 20, 700}}, 300},
    };
    for (const auto& c : cases) {
        physics->bodies.clear();  // each case alone in the world
        for (const Obstacle& o : c.obstacles) Place(o);
        EXPECT_FLOAT_EQ(c.stops, physics->SlideX(c.fromX, c.toX, 0, half)) << c.situation;
    }
}

}  // namespace
