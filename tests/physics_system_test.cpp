#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/message_center.h"
#include "graphics/sprite.h"
#include "physics/collision_message.h"
#include "physics/pillar_shape.h"
#include "physics_test_world.h"

namespace {

constexpr double kFrame = 1.0 / 60.0;

class PhysicsSystemTest : public PhysicsWorldTest {
protected:
    std::map<GameObject*, GameObject*>& Pairs() { return CollisionMessage::Pairs(); }
};

TEST_F(PhysicsSystemTest, OneStepOfMotion) {
    struct Case {
        const char* situation;
        bool moving;
        bool gravity;
        Vec2 vel;
        Vec2 acc;
        float friction;
        double dt;
        Vec2 velAfter;
        Vec2 accAfter;
    };
    const std::vector<Case> cases = {
        {"a falling body gains speed", true, true, {}, {}, 1, kFrame, {0, -10}, {}},
        {"gravity is off unless asked for", true, false, {}, {}, 1, kFrame, {}, {}},
        {"a still body is never moved, gravity or not", false, true, {30, 0}, {60, 0}, 0.5f, kFrame, {30, 0}, {60, 0}},
        {"friction damps the run and the push, not the fall", true, false, {100, 100}, {60, 60}, 0.5f, kFrame,
         {50.5f, 101}, {30, 30}},
        {"a long frame moves as far as one of 1/60 s", true, true, {}, {}, 1, 0.1, {0, -10}, {}},
    };
    GameStateManager::Instance().gravity = Vec2(0, -600);
    for (const Case& c : cases) {
        Body* body = BodyOf(AddObject("runner", {BOX_SHAPE, 0, 0, 10, 10, c.moving}));
        body->isGravity = c.gravity;
        body->velX = c.vel.x;
        body->velY = c.vel.y;
        body->accX = c.acc.x;
        body->accY = c.acc.y;
        body->friction = c.friction;
        body->Integrate(static_cast<float>(c.dt));
        EXPECT_FLOAT_EQ(c.velAfter.x, body->velX) << c.situation;
        EXPECT_FLOAT_EQ(c.velAfter.y, body->velY) << c.situation;
        EXPECT_FLOAT_EQ(c.accAfter.x, body->accX) << c.situation;
        EXPECT_FLOAT_EQ(c.accAfter.y, body->accY) << c.situation;
        const Vec2 moved = c.moving ? c.velAfter * (1.0f / 60.0f) : Vec2();
        EXPECT_NEAR(moved.x, body->Position().x, 1e-5) << c.situation;
        EXPECT_NEAR(moved.y, body->Position().y, 1e-5) << c.situation;
    }
}

TEST_F(PhysicsSystemTest, AChildRidesWithAnActiveParentThatHasABody) {
    GameObject* cart = AddObject("cart", {BOX_SHAPE, 0, 0, 10, 10, true});
    BodyOf(cart)->velX = 60;
    BodyOf(cart)->friction = 1;
    GameObject* rider = AddObject("rider", {BOX_SHAPE, 0, 0, 10, 10, true});
    rider->parent = cart;
    BodyOf(rider)->Integrate(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(1, BodyOf(rider)->Position().x);

    cart->SetActive(false);
    BodyOf(rider)->Integrate(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(1, BodyOf(rider)->Position().x) << "an inactive parent carries nothing";

    auto* bodiless = new GameObject();
    GameStateManager::Instance().objectMaps[1][999] = bodiless;
    rider->parent = bodiless;
    BodyOf(rider)->Integrate(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(1, BodyOf(rider)->Position().x) << "a parent without a body carries nothing";
}

TEST_F(PhysicsSystemTest, PairsAreTestedMovingFirstAndReportedBothWays) {
    GameObject* a = AddObject("a", {CIRCLE_SHAPE, 0, 0, 10, 10, true});
    GameObject* b = AddObject("b", {CIRCLE_SHAPE, 1, 0, 10, 10, true});
    GameObject* c = AddObject("c", {CIRCLE_SHAPE, 2, 0, 10, 10, true});
    // Made last, so first in the list: a, b, c stand c, b, a.
    for (bool broad : {false, true}) {
        physics->useBroadPhase = broad;
        physics->DetectCollisions();
        EXPECT_EQ(3u, physics->testsRun);
        EXPECT_EQ(3u, physics->resolver.contacts.size());
        physics->resolver.contacts.clear();
        const std::map<GameObject*, GameObject*> expected = {{c, b}, {b, c}, {a, c}};
        EXPECT_EQ(expected, Pairs()) << "each object keeps its first partner";
    }
}

TEST_F(PhysicsSystemTest, StillBodiesAreNeverTestedAgainstEachOther) {
    AddObject("floor", {BOX_SHAPE, 0, 0, 100, 10});
    AddObject("wall", {BOX_SHAPE, 0, 0, 10, 100});
    AddObject("bird", {CIRCLE_SHAPE, 500, 500, 10, 10, true});
    physics->useBroadPhase = false;
    physics->DetectCollisions();
    EXPECT_EQ(2u, physics->testsRun);
    EXPECT_TRUE(Pairs().empty());
}

TEST_F(PhysicsSystemTest, OneCollisionMessagePerFrameButNoneWithoutBodies) {
    auto& center = MessageCenter::GetInstance();
    Pairs()[nullptr] = nullptr;
    physics->Update(kFrame);
    EXPECT_EQ(0u, center.PostedCount());
    EXPECT_EQ(1u, Pairs().size()) << "with no bodies the old pairs stay";

    AddObject("bird", {CIRCLE_SHAPE, 500, 500, 10, 10, true});
    physics->Update(kFrame);
    EXPECT_EQ(1u, center.PostedCount()) << "posted even when nothing collided";
    EXPECT_TRUE(Pairs().empty());
}

TEST_F(PhysicsSystemTest, ContactFlagsDecideTheContactButThePairIsReportedAnyway) {
    GameObject* ghost = AddObject("ghost", {BOX_SHAPE, 0, 0, 10, 10, true});
    GameObject* floor = AddObject("floor", {BOX_SHAPE, 0, -8, 100, 10});
    BodyOf(ghost)->isContact = false;
    physics->DetectCollisions();
    EXPECT_TRUE(physics->resolver.contacts.empty());
    EXPECT_EQ(floor, Pairs()[ghost]);
    EXPECT_EQ(ghost, Pairs()[floor]);
}

TEST_F(PhysicsSystemTest, APillarPairIsReportedWithoutAContact) {
    GameObject* box = AddObject("box", {BOX_SHAPE, 0, 0, 10, 10, true});
    GameObject* rock = AddObject("rock", {});
    BodyOf(rock)->shape = std::make_shared<PolygonalPillar>(Vec2(-5, 5), Vec2(5, 5), Vec2(5, -5), Vec2(-5, -5));
    physics->Update(kFrame);
    EXPECT_EQ(rock, Pairs()[box]);
}

TEST_F(PhysicsSystemTest, InactiveBodiesNeitherMoveNorCollide) {
    GameObject* a = AddObject("a", {BOX_SHAPE, 0, 0, 10, 10, true});
    GameObject* b = AddObject("b", {BOX_SHAPE, 1, 0, 10, 10, true});
    BodyOf(a)->velX = 60;
    a->SetActive(false);
    physics->Update(kFrame);
    EXPECT_EQ(Vec2(0, 0), BodyOf(a)->Position());
    EXPECT_TRUE(Pairs().empty());
    a->SetActive(true);
    physics->Update(kFrame);
    EXPECT_EQ(b, Pairs()[a]);
}

TEST_F(PhysicsSystemTest, MovingBodiesStayAheadOfStillOnesHoweverTheyStartMoving) {
    GameObject* floor = AddObject("floor", {BOX_SHAPE, 0, 0, 100, 10});
    GameObject* crate = AddObject("crate", {BOX_SHAPE, 0, 8, 10, 10});
    // Written directly, as a node might: the crate must still be tried against the floor.
    BodyOf(crate)->isMove = true;
    physics->DetectCollisions();
    EXPECT_EQ(floor, Pairs()[crate]);
    EXPECT_EQ(BodyOf(crate), physics->bodies.front());

    BodyOf(crate)->SetMove(false);
    EXPECT_EQ(BodyOf(crate), physics->bodies.back());
    physics->AddBody(BodyOf(floor));
    physics->AddBody(BodyOf(floor));
    EXPECT_EQ(2u, physics->bodies.size()) << "adding twice never enters a body twice";
    physics->DetectCollisions();
    EXPECT_TRUE(Pairs().empty());
}

TEST_F(PhysicsSystemTest, APausedWorldStandsStillButSpritesFollowTheirBodies) {
    GameObject* ball = AddObject("ball", {CIRCLE_SHAPE, 0, 0, 20, 20, true});
    auto* sprite = new Sprite();
    sprite->active = true;
    sprite->state.isDebug = true;
    sprite->width = 20;
    sprite->height = 20;
    ball->AddComponent(sprite);
    BodyOf(ball)->velX = 60;

    GameStateManager::SetPause(true);
    EXPECT_TRUE(physics->paused);
    physics->Update(kFrame);
    EXPECT_EQ(Vec2(0, 0), BodyOf(ball)->Position());
    BodyOf(ball)->shape->SetPosition(30, 40);
    physics->Update(kFrame);
    EXPECT_EQ(30, sprite->x);
    EXPECT_EQ(40, sprite->y);
    EXPECT_EQ(1, sprite->state.isCircle);
    EXPECT_EQ(10, sprite->state.radius);
    EXPECT_FLOAT_EQ(30, sprite->state.transform[2]);
    EXPECT_FLOAT_EQ(40, sprite->state.transform[5]);

    GameStateManager::ResetLevel();
    EXPECT_FALSE(physics->paused) << "a level reset unpauses physics";
}

TEST_F(PhysicsSystemTest, HiddenOrInactiveSpritesAreLeftWhereTheyAre) {
    GameObject* ball = AddObject("ball", {CIRCLE_SHAPE, 7, 8, 20, 20, true});
    auto* sprite = new Sprite();
    ball->AddComponent(sprite);
    sprite->active = false;
    physics->SyncSprites();
    EXPECT_EQ(0, sprite->x);
    sprite->active = true;
    sprite->hidden = true;
    physics->SyncSprites();
    EXPECT_EQ(0, sprite->x);
    sprite->hidden = false;
    physics->SyncSprites();
    EXPECT_EQ(7, sprite->x);
    EXPECT_EQ(0, sprite->state.isCircle) << "the circle outline is drawn only in debug";
}

TEST_F(PhysicsSystemTest, LevelGravityReachesActiveBodiesAndNewOnes) {
    GameObject* awake = AddObject("awake", {});
    GameObject* asleep = AddObject("asleep", {});
    asleep->SetActive(false);
    GameStateManager::SetGravity(0, -300);
    EXPECT_EQ(-300, BodyOf(awake)->gravityY);
    EXPECT_EQ(0, BodyOf(asleep)->gravityY);
    EXPECT_EQ(-300, BodyOf(AddObject("new", {}))->gravityY);
}

TEST_F(PhysicsSystemTest, AFallingCrateLandsOnAPlatformAndStaysThere) {
    GameStateManager::SetGravity(0, -900);
    GameObject* platform = AddObject("platform", {BOX_SHAPE, 0, 0, 400, 20, false, 0});
    GameObject* crate = AddObject("crate", {BOX_SHAPE, 5, 200, 32, 32, true, 1});
    BodyOf(crate)->isGravity = true;
    for (int frame = 0; frame < 180; ++frame) physics->Update(kFrame);
    const Body& landed = *BodyOf(crate);
    const float bottom = landed.Position().y - 16;
    EXPECT_NEAR(10, bottom, 1.0) << "resting on the platform's top, not sunk into it or bouncing";
    EXPECT_NEAR(5, landed.Position().x, 1e-3);
    EXPECT_NEAR(0, landed.velY, 1e-3);
    EXPECT_EQ(platform, Pairs()[crate]);
    EXPECT_EQ(Vec2(0, 0), BodyOf(platform)->Position());
}

}  // namespace
