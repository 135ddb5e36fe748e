#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "physics/box_shape.h"
#include "physics/circle_shape.h"
#include "physics/collision_tests.h"
#include "physics/pillar_shape.h"
#include "physics_test_world.h"

namespace {

std::shared_ptr<Shape> Circle(float x, float y, float radius) {
    auto shape = std::make_shared<BC>();
    shape->Init(radius * 2, 0, x, y);
    return shape;
}
std::shared_ptr<Shape> Box(float x, float y, float width, float height) {
    auto shape = std::make_shared<AABB>();
    shape->Init(width, height, x, y);
    return shape;
}
// A square pillar of side 2h around (x, y), its corners listed clockwise.
std::shared_ptr<Shape> PillarClockwise(float x, float y, float h) {
    return std::make_shared<PolygonalPillar>(Vec2(x - h, y + h), Vec2(x + h, y + h), Vec2(x + h, y - h),
                                             Vec2(x - h, y - h));
}
// The same square, counter-clockwise: the winding the box-to-pillar conversion uses.
std::shared_ptr<Shape> PillarCounterClockwise(float x, float y, float h) {
    return std::make_shared<PolygonalPillar>(Vec2(x + h, y + h), Vec2(x - h, y + h), Vec2(x - h, y - h),
                                             Vec2(x + h, y - h));
}

struct CollisionCase {
    const char* situation;
    std::shared_ptr<Shape> a;
    Vec2 aVel;
    std::shared_ptr<Shape> b;
    Vec2 bVel;
    bool collides;
};

class CollisionTableTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        FrameRateController::GetInstance().lastElapsed = 160'000;  // the box sweep covers 16 ms
    }
    void Check(const std::vector<CollisionCase>& cases) {
        for (const CollisionCase& c : cases) {
            EXPECT_EQ(c.collides, TestShapes(*c.a, c.aVel, *c.b, c.bVel)) << c.situation;
        }
    }
};

TEST_F(CollisionTableTest, CirclesTouchingCountAndFastOnesAreCaughtBeforeTheyPass) {
    Check({
        {"touching circles", Circle(0, 0, 2), {}, Circle(4, 0, 2), {}, true},
        {"overlapping circles", Circle(0, 0, 2), {}, Circle(3, 1, 2), {}, true},
        {"apart and still", Circle(0, 0, 2), {}, Circle(10, 0, 2), {}, false},
        {"reaches the other within one velocity (t = 6 of 20)", Circle(0, 0, 2), {20, 0}, Circle(10, 0, 2), {}, true},
        {"only the relative speed matters", Circle(0, 0, 2), {25, 0}, Circle(10, 0, 2), {5, 0}, true},
        {"too slow to get there", Circle(0, 0, 2), {5, 0}, Circle(10, 0, 2), {}, false},
        {"moving away", Circle(0, 0, 2), {-20, 0}, Circle(10, 0, 2), {}, false},
        {"passing beside", Circle(0, 0, 2), {20, 0}, Circle(10, 5, 2), {}, false},
    });
}

TEST_F(CollisionTableTest, CirclesAgainstBoxesInEitherOrder) {
    Check({
        {"centre inside the box", Circle(1, 1, 2), {}, Box(0, 0, 10, 10), {}, true},
        {"touching the right face", Circle(7, 0, 2), {}, Box(0, 0, 10, 10), {}, true},
        {"apart from the face", Circle(7.5f, 0, 2), {}, Box(0, 0, 10, 10), {}, false},
        {"near a corner but not touching", Circle(7, 7, 2), {}, Box(0, 0, 10, 10), {}, false},
        {"speed plays no part", Circle(8, 0, 2), {-100, 0}, Box(0, 0, 10, 10), {}, false},
        {"box first, touching", Box(0, 0, 10, 10), {}, Circle(0, -7, 2), {}, true},
        {"box first, apart", Box(0, 0, 10, 10), {}, Circle(0, -8, 2), {}, false},
    });
}

TEST_F(CollisionTableTest, BoxesOverlapStrictlyOrMeetWithinTheFrame) {
    Check({
        {"overlapping", Box(0, 0, 10, 10), {}, Box(9, 0, 10, 10), {}, true},
        {"apart and still", Box(0, 0, 10, 10), {}, Box(11, 0, 10, 10), {}, false},
        {"still, touching on the right", Box(0, 0, 10, 10), {}, Box(10, 0, 10, 10), {}, false},
        {"still, touching on the left: the zero gap divides 0 by 0 and keeps the sweep", Box(0, 0, 10, 10), {},
         Box(-10, 0, 10, 10), {}, true},
        {"falling onto a platform", Box(0, 10, 10, 10), {0, -300}, Box(0, 0, 100, 10), {}, true},
        {"lifting off a platform", Box(0, 10, 10, 10), {0, 300}, Box(0, 0, 100, 10), {}, false},
        {"closes a gap of 1 in 10 ms", Box(0, 0, 10, 10), {}, Box(11, 0, 10, 10), {-100, 0}, true},
        {"needs 20 ms for the gap", Box(0, 0, 10, 10), {}, Box(11, 0, 10, 10), {-50, 0}, false},
        {"the sweep follows the relative speed", Box(0, 0, 10, 10), {100, 0}, Box(11, 0, 10, 10), {}, true},
        {"meets on x but passes above", Box(0, 0, 10, 10), {}, Box(11, 20, 10, 10), {-100, 0}, false},
    });
    EXPECT_FALSE(BoxesOverlap(static_cast<AABB&>(*Box(0, 0, 10, 10)), static_cast<AABB&>(*Box(-10, 0, 10, 10))))
        << "touching boxes are apart in the static test";
}

TEST_F(CollisionTableTest, AFirstFrameSweepsNothing) {
    FrameRateController::GetInstance().lastElapsed = 0;
    Check({{"gap of 1 at speed 100", Box(0, 0, 10, 10), {}, Box(11, 0, 10, 10), {-100, 0}, false}});
}

// Bodies move one step of 1/60 s however long the frame was, so the sweep reaches no further.
TEST_F(CollisionTableTest, ALongFrameSweepsOnlyAsFarAsOneStep) {
    FrameRateController::GetInstance().lastElapsed = 3'000'000;  // 300 ms
    Check({
        {"closes a gap of 1 in 10 ms", Box(0, 0, 10, 10), {}, Box(11, 0, 10, 10), {-100, 0}, true},
        {"needs 20 ms: beyond the step, though within the frame", Box(0, 0, 10, 10), {}, Box(11, 0, 10, 10),
         {-50, 0}, false},
    });
}

TEST_F(CollisionTableTest, PillarsSeeOverlapsWhateverTheirCornerOrder) {
    Check({
        {"clockwise pillars overlapping", PillarClockwise(0, 0, 5), {}, PillarClockwise(8, 0, 5), {}, true},
        {"counter-clockwise pillars overlapping", PillarCounterClockwise(0, 0, 5), {}, PillarCounterClockwise(8, 3, 5),
         {}, true},
        {"one pillar inside the other", PillarCounterClockwise(0, 0, 10), {}, PillarClockwise(1, 1, 2), {}, true},
        {"touching pillars", PillarClockwise(0, 0, 5), {}, PillarCounterClockwise(10, 0, 5), {}, true},
        {"apart", PillarClockwise(0, 0, 5), {}, PillarCounterClockwise(11, 0, 5), {}, false},
        {"pillar and a box inside it", PillarClockwise(0, 0, 10), {}, Box(1, 1, 4, 4), {}, true},
        {"box first, overlapping a pillar", Box(0, 0, 10, 10), {}, PillarClockwise(8, 0, 5), {}, true},
        {"box first, apart from a pillar", Box(0, 0, 10, 10), {}, PillarClockwise(20, 0, 5), {}, false},
        {"pillar and a circle across its edge", PillarClockwise(0, 0, 5), {}, Circle(6, 0, 2), {}, true},
        {"pillar and a circle near a corner", PillarClockwise(0, 0, 5), {}, Circle(7, 7, 2), {}, false},
        {"circle first, across the edge", Circle(0, 6, 2), {}, PillarCounterClockwise(0, 0, 5), {}, true},
        {"a circle wholly inside a pillar is not reported", PillarClockwise(0, 0, 10), {}, Circle(0, 0, 2), {},
         false},
    });
}

TEST(PillarShapeTest, EdgeNormalsPointOutwardAndMoveWithThePillar) {
    for (const auto& shape : {PillarClockwise(0, 0, 5), PillarCounterClockwise(0, 0, 5)}) {
        auto& pillar = static_cast<PolygonalPillar&>(*shape);
        pillar.SetPosition(100, 50);
        EXPECT_EQ(Vec2(100, 50), pillar.GetPosition());
        pillar.Translate({1, 2});
        EXPECT_EQ(Vec2(101, 52), pillar.GetPosition()) << "the position follows the corners";
        for (const PillarEdge& edge : pillar.edges) {
            const Vec2 outward = (edge.start + edge.end) * 0.5f - pillar.GetPosition();
            EXPECT_GT(outward.x * edge.normal.x + outward.y * edge.normal.y, 0);
            EXPECT_FLOAT_EQ(edge.normal.x * edge.start.x + edge.normal.y * edge.start.y, edge.d);
        }
    }
}

}  // namespace
