#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "physics/contact_resolver.h"
#include "physics/penetration.h"
#include "physics/pillar_shape.h"
#include "physics_test_world.h"

namespace {

class ContactTest : public PhysicsWorldTest {};

TEST_F(ContactTest, PenetrationPointsFromTheFirstBodyIntoTheSecond) {
    struct Case {
        const char* situation;
        BodyPlan a;
        BodyPlan b;
        Vec2 expected;
    };
    const std::vector<Case> cases = {
        {"circles overlapping by 1", {CIRCLE_SHAPE, 0, 0, 4, 4}, {CIRCLE_SHAPE, 3, 0, 4, 4}, {1, 0}},
        {"circles sharing a centre have no direction", {CIRCLE_SHAPE, 0, 0, 4, 4}, {CIRCLE_SHAPE, 0, 0, 4, 4}, {0, 0}},
        {"circle reaching into a box's right face", {CIRCLE_SHAPE, 6, 0, 4, 4}, {BOX_SHAPE, 0, 0, 10, 10}, {-1, 0}},
        {"circle centre just inside the top face", {CIRCLE_SHAPE, 0, 4, 4, 4}, {BOX_SHAPE, 0, 0, 10, 10}, {0, -3}},
        {"circle centre on the right face is pushed out through it",
         {CIRCLE_SHAPE, 5, 0, 4, 4},
         {BOX_SHAPE, 0, 0, 10, 10},
         {-2, 0}},
        {"box first: the circle's vector reversed", {BOX_SHAPE, 0, 0, 10, 10}, {CIRCLE_SHAPE, 6, 0, 4, 4}, {1, 0}},
        {"boxes side by side: x is shallower", {BOX_SHAPE, 0, 0, 10, 10}, {BOX_SHAPE, 8, 0, 10, 10}, {2, 0}},
        {"box below: y is shallower", {BOX_SHAPE, 0, 0, 10, 10}, {BOX_SHAPE, 1, -9, 10, 10}, {0, -1}},
        {"boxes sharing a centre: a tie goes along y, downwards",
         {BOX_SHAPE, 0, 0, 10, 10},
         {BOX_SHAPE, 0, 0, 10, 10},
         {0, -10}},
        {"touching boxes", {BOX_SHAPE, 0, 0, 10, 10}, {BOX_SHAPE, 10, 0, 10, 10}, {0, 0}},
        {"circles apart", {CIRCLE_SHAPE, 0, 0, 4, 4}, {CIRCLE_SHAPE, 10, 0, 4, 4}, {0, 0}},
        {"a circle apart from a box", {CIRCLE_SHAPE, 10, 0, 4, 4}, {BOX_SHAPE, 0, 0, 10, 10}, {0, 0}},
        {"a box apart from a circle", {BOX_SHAPE, 0, 0, 10, 10}, {CIRCLE_SHAPE, 0, -10, 4, 4}, {0, 0}},
        {"boxes apart", {BOX_SHAPE, 0, 0, 10, 10}, {BOX_SHAPE, 0, 30, 10, 10}, {0, 0}},
    };
    for (const Case& c : cases) {
        Body* a = BodyOf(AddObject("a", c.a));
        Body* b = BodyOf(AddObject("b", c.b));
        const Vec2 p = Penetration(*a, *b).value();
        EXPECT_FLOAT_EQ(c.expected.x, p.x) << c.situation;
        EXPECT_FLOAT_EQ(c.expected.y, p.y) << c.situation;
    }
}

TEST_F(ContactTest, BoxPenetrationUsesTheBodySizeNotTheShape) {
    Body* a = BodyOf(AddObject("a", {BOX_SHAPE, 0, 0, 10, 10}));
    Body* b = BodyOf(AddObject("b", {BOX_SHAPE, 8, 0, 10, 10}));
    a->shape->Init(40, 40, 0, 0);
    const Vec2 p = BoxBoxPenetration(*a, *b);
    EXPECT_EQ(Vec2(2, 0), p);
}

TEST_F(ContactTest, PairsWithAPillarGetNoContact) {
    Body* a = BodyOf(AddObject("a", {BOX_SHAPE, 0, 0, 10, 10, true}));
    Body* b = BodyOf(AddObject("b", {}));
    b->shape = std::make_shared<PolygonalPillar>(Vec2(-5, 5), Vec2(5, 5), Vec2(5, -5), Vec2(-5, -5));
    ContactResolver resolver;
    EXPECT_FALSE(resolver.AddContact(a, b));
    EXPECT_FALSE(resolver.AddContact(b, a));
    EXPECT_TRUE(resolver.contacts.empty());
}

struct ResolveCase {
    const char* situation;
    Vec2 aVel;
    Vec2 bVel;
    float aMass;
    float bMass;
    float aBounce;
    float bBounce;
    float depth;
    bool bMoves;
    Vec2 aVelAfter;
    Vec2 bVelAfter;
    float aXAfter;  // a starts at x = 0, b at x = 10; the normal points from a to b (+x)
    float bXAfter;
};

TEST_F(ContactTest, OneImpulseAndOnePositionCorrectionPerContact) {
    const std::vector<ResolveCase> cases = {
        {"equal masses, no bounce", {10, 0}, {}, 1, 1, 0, 0, 1, true, {5, 0}, {5, 0}, -0.19f, 10.19f},
        {"the bouncier body sets the restitution", {10, 0}, {}, 1, 1, 0, 1, 1, true, {0, 0}, {10, 0}, -0.19f, 10.19f},
        {"separating bodies are left alone, overlap and all", {-1, 0}, {}, 1, 1, 0, 0, 5, true, {-1, 0}, {}, 0, 10},
        {"a resting contact gets neither impulse nor correction", {}, {}, 1, 1, 0, 0, 5, true, {}, {}, 0, 10},
        {"an overlap within the slop gets no correction", {10, 0}, {}, 1, 1, 0, 0, 0.05f, true, {5, 0}, {5, 0}, 0, 10},
        {"against a body of mass 0 only the mover moves", {10, 0}, {}, 2, 0, 0, 0, 1, false, {0, 0}, {}, -0.38f, 10},
        {"two bodies of mass 0 are skipped", {10, 0}, {}, 0, 0, 0, 0, 1, true, {10, 0}, {}, 0, 10},
        {"a still body with mass takes the push but stays put", {10, 0}, {}, 1, 1, 0, 0, 1, false, {5, 0}, {5, 0},
         -0.19f, 10},
    };
    for (const ResolveCase& c : cases) {
        Body* a = BodyOf(AddObject("a", {BOX_SHAPE, 0, 0, 10, 10, true, c.aMass}));
        Body* b = BodyOf(AddObject("b", {BOX_SHAPE, 10, 0, 10, 10, c.bMoves, c.bMass}));
        a->velX = c.aVel.x;
        a->velY = c.aVel.y;
        b->velX = c.bVel.x;
        b->velY = c.bVel.y;
        a->bounciness = c.aBounce;
        b->bounciness = c.bBounce;
        Contact contact{a, b, c.depth, {1, 0}};
        ContactResolver::Resolve(contact);
        EXPECT_FLOAT_EQ(c.aVelAfter.x, a->velX) << c.situation;
        EXPECT_FLOAT_EQ(c.aVelAfter.y, a->velY) << c.situation;
        EXPECT_FLOAT_EQ(c.bVelAfter.x, b->velX) << c.situation;
        EXPECT_FLOAT_EQ(c.aXAfter, a->Position().x) << c.situation;
        EXPECT_FLOAT_EQ(c.bXAfter, b->Position().x) << c.situation;
        EXPECT_FLOAT_EQ(0, a->Position().y) << c.situation;
    }
}

TEST_F(ContactTest, ContactsAreResolvedOnceInTheOrderAddedThenForgotten) {
    // A ball squeezed between two moving bodies of mass 0, which nothing pushes: the first
    // contact stops it, the second then sees it at rest.
    Body* ball = BodyOf(AddObject("ball", {CIRCLE_SHAPE, 0, 0, 10, 10, true}));
    Body* left = BodyOf(AddObject("left", {BOX_SHAPE, -9, 0, 10, 10, true, 0}));
    Body* right = BodyOf(AddObject("right", {BOX_SHAPE, 9, 0, 10, 10, true, 0}));
    ball->velX = 10;
    ContactResolver resolver;
    ASSERT_TRUE(resolver.AddContact(ball, right));
    ASSERT_TRUE(resolver.AddContact(ball, left));
    ASSERT_EQ(2u, resolver.contacts.size());
    EXPECT_FLOAT_EQ(1, resolver.contacts[0].depth);
    resolver.ResolveAll();
    EXPECT_FLOAT_EQ(0, ball->velX);
    EXPECT_TRUE(resolver.contacts.empty());
    EXPECT_GT(resolver.contacts.capacity(), 0u) << "storage is kept for the next frame";
    EXPECT_FLOAT_EQ(-0.38f, ball->Position().x) << "only the first contact corrected the position";
}

// A wall gives way to no push. A body 20 across runs into a wall 40 across, from each side,
// each a circle or a box, named first or second in the contact, and a mate behind it shoves it
// on after the wall's contact is resolved: it ends on the wall's surface, 30 from its middle.
class WallContactTest : public ContactTest {
protected:
    // Where the body ends, driven from the wall's side `out` (a unit vector) `depth` into it.
    Vec2 PushedIntoAWall(int bodyShape, int wallShape, Vec2 out, float depth, bool wallFirst) {
        physics->bodies.clear();
        Body* wall = BodyOf(AddObject("wall", {wallShape, 0, 0, 40, 40, false, 0}));
        const Vec2 at = out * (30 - depth);
        Body* body = BodyOf(AddObject("body", {bodyShape, at.x, at.y, 20, 20, true}));
        const Vec2 behind = at + out * 16;
        Body* mate = BodyOf(AddObject("mate", {BOX_SHAPE, behind.x, behind.y, 20, 20, true}));
        body->velX = -out.x * 100;
        body->velY = -out.y * 100;
        mate->velX = -out.x * 200;
        mate->velY = -out.y * 200;
        ContactResolver resolver;
        EXPECT_TRUE(wallFirst ? resolver.AddContact(wall, body) : resolver.AddContact(body, wall));
        EXPECT_TRUE(resolver.AddContact(mate, body));
        resolver.ResolveAll();
        EXPECT_EQ(Vec2(), wall->Position());
        return body->Position();
    }
};

TEST_F(WallContactTest, ABodyPushedIntoAWallEndsOnTheWallsSurface) {
    const struct {
        const char* name;
        Vec2 out;
    } sides[] = {
        {"from the left", {-1, 0}}, {"from the right", {1, 0}}, {"from below", {0, -1}}, {"from above", {0, 1}}};
    const char* shapeNames[] = {"circle", "box"};
    for (const auto& side : sides) {
        for (int bodyShape : {CIRCLE_SHAPE, BOX_SHAPE}) {
            for (int wallShape : {CIRCLE_SHAPE, BOX_SHAPE}) {
                // 14 deep takes the body's middle past a box wall's face.
                for (float depth : {6.0f, 14.0f}) {
                    for (bool wallFirst : {false, true}) {
                        const Vec2 ends = PushedIntoAWall(bodyShape, wallShape, side.out, depth, wallFirst);
                        const Vec2 surface = side.out * 30;
                        const std::string situation = std::string("a ") + shapeNames[bodyShape] + " " + side.name +
                                                      " into a " + shapeNames[wallShape] + " wall, " +
                                                      std::to_string(depth) + " deep" +
                                                      (wallFirst ? ", the wall named first" : "");
                        EXPECT_NEAR(surface.x, ends.x, 1e-3f) << situation;
                        EXPECT_NEAR(surface.y, ends.y, 1e-3f) << situation;
                    }
                }
            }
        }
    }
}

}  // namespace
