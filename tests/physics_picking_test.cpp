#include <vector>

#include <gtest/gtest.h>

#include "core/message_center.h"
#include "core/message_prototypes.h"
#include "physics/body_picking_message.h"
#include "physics/picking.h"
#include "physics/pillar_shape.h"
#include "physics_test_world.h"

namespace {

// The mouse held down at a point, delivered as the input system does it: posted, then
// dispatched at the start of the next frame.
class PickingTest : public PhysicsWorldTest {
protected:
    void Click(float x, float y) {
        if (!message_) message_ = CloneMessage<BodyPickingMessage>();
        message_->x = x;
        message_->y = y;
        message_->Post();
        MessageCenter::GetInstance().Dispatch();
    }
    BodyPickingMessage* message_ = nullptr;
};

TEST_F(PickingTest, OnlyAPointStrictlyInsideAShapePicksItsBody) {
    struct Case {
        const char* situation;
        int shape;
        Vec2 point;
        bool picked;
    };
    const std::vector<Case> cases = {
        {"inside a box", BOX_SHAPE, {3, -4}, true},
        {"on a box's edge", BOX_SHAPE, {5, 0}, false},
        {"outside a box", BOX_SHAPE, {6, 0}, false},
        {"inside a circle", CIRCLE_SHAPE, {3, 3}, true},
        {"on a circle's rim", CIRCLE_SHAPE, {0, -5}, false},
        {"in a circle's bounding box, past the rim", CIRCLE_SHAPE, {4, 4}, false},
        {"inside a pillar", PILLAR_SHAPE, {0, 0}, false},
    };
    for (const Case& c : cases) {
        GameObject* object = AddObject("target", {c.shape == PILLAR_SHAPE ? BOX_SHAPE : c.shape, 0, 0, 10, 10});
        if (c.shape == PILLAR_SHAPE) {
            BodyOf(object)->shape =
                std::make_shared<PolygonalPillar>(Vec2(-5, 5), Vec2(5, 5), Vec2(5, -5), Vec2(-5, -5));
        }
        ClearPick();
        Click(c.point.x, c.point.y);
        EXPECT_EQ(c.picked ? BodyOf(object) : nullptr, PickedBody) << c.situation;
        if (c.picked) {
            EXPECT_EQ(Vec2(0, 0) - c.point, PickOffset) << c.situation;
        }
        delete object;
        GameStateManager::Instance().objectMaps[1].clear();
    }
}

TEST_F(PickingTest, TheFirstSubscribedBodyWinsAndKeepsThePick) {
    GameObject* first = AddObject("first", {BOX_SHAPE, 0, 0, 10, 10});
    GameObject* second = AddObject("second", {BOX_SHAPE, 2, 0, 10, 10});
    Click(1, 1);
    EXPECT_EQ(BodyOf(first), PickedBody);
    EXPECT_EQ(Vec2(-1, -1), PickOffset);
    Click(6, 1);
    EXPECT_EQ(BodyOf(first), PickedBody) << "held until the button is released";
    EXPECT_EQ(Vec2(-1, -1), PickOffset);
    (void)second;
}

TEST_F(PickingTest, BodiesThatCannotBePicked) {
    GameObject* off = AddObject("switched off", {BOX_SHAPE, 0, 0, 10, 10});
    BodyOf(off)->bodyListener.active = false;
    GameObject* asleep = AddObject("inactive", {BOX_SHAPE, 0, 0, 10, 10});
    asleep->SetActive(false);
    GameObject* scenery = AddObject("scenery", {BOX_SHAPE, 0, 0, 10, 10});
    // What the level loader does for object types that cannot be dragged.
    MessageCenter::GetInstance().RemoveListener(&BodyOf(scenery)->bodyListener);
    Click(0, 0);
    EXPECT_EQ(nullptr, PickedBody);
    GameObject* crate = AddObject("crate", {BOX_SHAPE, 0, 0, 10, 10});
    Click(0, 0);
    EXPECT_EQ(BodyOf(crate), PickedBody);
}

TEST_F(PickingTest, DestroyingThePickedBodyDropsThePick) {
    GameObject* crate = AddObject("crate", {BOX_SHAPE, 0, 0, 10, 10});
    Click(1, 2);
    ASSERT_EQ(BodyOf(crate), PickedBody);
    GameStateManager::DestroyAllObjects();
    EXPECT_EQ(nullptr, PickedBody);
    EXPECT_EQ(Vec2(0, 0), PickOffset);
}

}  // namespace
