// Force, jump and movement nodes: moves queued by graphs reach the bodies in the next frame.
#include <gtest/gtest.h>

#include "nodes_physics_fixture.h"

namespace {

using namespace graphtext;

const std::string kRest = R"(
    "Vec2": {"0": {"name": "Force", "x": 0, "y": 0}},
    "double": {"0": {"name": "d", "val": 1}, "1": {"name": "scale", "val": 2}},
    "GameObject*": {"0": {"name": "Target"}, "1": {"name": "Nobody"}})";

class ForceNodes : public PhysicsNodesTest {
protected:
    void Load(const std::vector<NodeText>& nodes) {
        LoadGraph("g", Graph(nodes, Vars("", kRest)));
        self = Spawn("Self", "g");
        target = Spawn("Target", "g", "{}", "Player");
        GiveBody(self, 0, 100);
        GiveBody(target, 200, 100);
        Var<GameObject*>(self, "Target") = target;
        Var<GameObject*>(self, "Nobody") = nullptr;
    }
    static Vec2 Acc(GameObject* object) { return {BodyOf(object)->accX, BodyOf(object)->accY}; }

    GameObject* self = nullptr;
    GameObject* target = nullptr;
};

TEST_F(ForceNodes, AnAttackPushesAgainstTheAttackersMotion) {
    struct Case {
        Vec2 force, velocity, push;
    } cases[] = {
        {{100, 50}, {-10, 0}, {-100, -50}},  // moving left: the push turns round
        {{-100, 50}, {-10, 0}, {100, -50}},  // a leftward force tests the sign of x alone
        {{-100, 50}, {10, 0}, {-100, 50}},
        {{100, 50}, {10, -30}, {-100, -50}},  // a rightward force tests the whole motion
        {{100, 50}, {-10, 30}, {100, 50}},
        {{100, 50}, {0, 0}, {100, 50}},
        {{0, 50}, {5, -1}, {0, -50}},
    };
    for (const Case& c : cases) {
        Load({{0, "ApplyForceNode", {}, {In("Vec2", 0), In("GameObject*", 0)}}});
        Var<Vec2>(self, "Force") = c.force;
        BodyOf(self)->velX = c.velocity.x;
        BodyOf(self)->velY = c.velocity.y;
        EXPECT_EQ(-1, Run(self));
        EXPECT_EQ(Vec2(), Acc(target)) << "nothing moves before the next frame";
        ApplyQueuedMoves();
        EXPECT_EQ(c.push, Acc(target)) << c.force.x << "," << c.force.y << " moving " << c.velocity.x << ","
                                       << c.velocity.y;
    }
}

TEST_F(ForceNodes, AnAttackWithoutTargetForceOrBodyPushesNothing) {
    struct Case {
        const char* situation;
        std::vector<std::string> ins;
        bool attackerHasBody;
        int result;
    } cases[] = {
        {"bound to no object", {In("Vec2", 0), In("GameObject*", 1)}, true, 0},
        {"unbound and nothing handed over", {In("Vec2", 0), ""}, true, 0},
        {"no force", {"", In("GameObject*", 0)}, true, -1},
        {"attacker without a body", {In("Vec2", 0), In("GameObject*", 0)}, false, -1},
    };
    for (const Case& c : cases) {
        LoadGraph("g", Graph({{0, "ApplyForceNode", {}, c.ins}}, Vars("", kRest)));
        self = Spawn("Self", "g");
        target = Spawn("Target", "g");
        if (c.attackerHasBody) GiveBody(self, 0, 0);
        GiveBody(target, 0, 0);
        Var<GameObject*>(self, "Target") = target;
        Var<GameObject*>(self, "Nobody") = nullptr;
        Var<Vec2>(self, "Force") = {10, 10};
        EXPECT_EQ(c.result, Run(self)) << c.situation;
        ApplyQueuedMoves();
        EXPECT_EQ(0u, posted) << c.situation;
        EXPECT_EQ(Vec2(), Acc(target)) << c.situation;
    }
}

TEST_F(ForceNodes, APushTakesTheSourcesMotionTimesItsMass) {
    struct Case {
        const char* situation;
        std::vector<std::string> ins;
        bool sourceActive, sourceHasBody;
        Vec2 push;
    } cases[] = {
        {"active source", {In("double", 1), In("GameObject*", 0)}, true, true, {2 * 3 * 4, 2 * 3 * -5}},
        {"inactive source", {In("double", 1), In("GameObject*", 0)}, false, true, {}},
        {"null source", {In("double", 1), In("GameObject*", 1)}, true, true, {}},
        {"no source at all", {In("double", 1), ""}, true, true, {}},
        {"source without a body", {In("double", 1), In("GameObject*", 0)}, true, false, {}},
        {"no scale", {"", In("GameObject*", 0)}, true, true, {}},
    };
    for (const Case& c : cases) {
        LoadGraph("g", Graph({{0, "ApplyForceByObjNode", {}, c.ins}}, Vars("", kRest)));
        self = Spawn("Self", "g");
        target = Spawn("Target", "g");
        GiveBody(self, 0, 0);
        if (c.sourceHasBody) {
            Body* source = GiveBody(target, 0, 0, 32, 32, BOX_SHAPE, 3);
            source->accX = 4;
            source->accY = -5;
        }
        target->active = c.sourceActive;
        Var<GameObject*>(self, "Target") = target;
        Var<GameObject*>(self, "Nobody") = nullptr;
        EXPECT_EQ(0, Run(self)) << c.situation;
        ApplyQueuedMoves();
        EXPECT_EQ(c.push, Acc(self)) << c.situation;
    }
}

TEST_F(ForceNodes, MovementAndJumpQueueTheirPushes) {
    struct Case {
        const char* node;
        double distance;
        Vec2 push;
    } cases[] = {
        {"MovementNode", -0.5, {-3500, 0}},
        {"MovementNode", 1, {7000, 0}},
        {"JumpNode", 1, {0, 42000}},
        {"JumpNode", 0, {0, 30000}},
    };
    for (const Case& c : cases) {
        Load({{0, c.node, {}, {In("double", 0)}}});
        GiveController(self);
        Var<double>(self, "d") = c.distance;
        EXPECT_EQ(-1, Run(self)) << c.node;
        ApplyQueuedMoves();
        EXPECT_EQ(c.push, Acc(self)) << c.node << " " << c.distance;
    }
}

TEST_F(ForceNodes, OneMessagePerFrameHoldingEveryMoveAndNoneWhenIdle) {
    Load({{0, "MovementNode", {1}, {In("double", 0)}}, {1, "MovementNode", {}, {In("double", 0)}}});
    GameObject* second = Spawn("Second", "g");
    GiveBody(second, 0, 0);
    Run(self);
    Run(self);
    Run(second);
    ApplyQueuedMoves();
    EXPECT_EQ(2u, posted) << "one message for each of the two nodes";
    EXPECT_EQ(Vec2(4 * 7000, 0), Acc(self)) << "both runs of both nodes arrive";
    EXPECT_EQ(Vec2(2 * 7000, 0), Acc(second));
    ApplyQueuedMoves();
    EXPECT_EQ(0u, posted) << "a frame without moves sends nothing";

    // Without a distance the chain goes on and nothing is queued.
    Load({{0, "MovementNode", {1}, {""}}, {1, "JumpNode", {}, {""}}});
    GiveController(self);
    EXPECT_EQ(-1, Run(self));
    ApplyQueuedMoves();
    EXPECT_EQ(0u, posted);
    EXPECT_FALSE(self->Get<Controller>(CONTROLLER)->isJumping) << "no jump was made";
}

TEST_F(ForceNodes, ASecondJumpWaitsForLandingOnAPlatformOrPlayer) {
    struct Case {
        const char* situation;
        const char* partnerType;
        float bottomBelowTop;  // how far the jumper's bottom sinks below the partner's top
        bool reported;
        bool jumpsAgain;
        bool againstAWall = false;  // the wall is the partner the one-partner map keeps
    } cases[] = {
        {"before any collision report", "Platform", 0, false, false},
        {"standing on a platform", "Platform", 0, true, true},
        {"sunk 4.9 into a platform", "Platform", 4.9f, true, true},
        {"sunk 5 into a platform", "Platform", 5, true, false},
        {"standing on a player", "Player", 0, true, true},
        {"standing on a ball", "Ball", 0, true, false},
        {"against a platform's side", "Platform", 20, true, false},
        {"standing on a platform against a wall", "Platform", 0, true, true, true},
        {"standing on a ball against a wall", "Ball", 0, true, false, true},
    };
    for (const Case& c : cases) {
        ai->collisions = nullptr;
        CollisionMessage::Pairs().clear();
        CollisionMessage::Touches().clear();
        Load({{0, "JumpNode", {}, {In("double", 0)}}});
        Controller* controller = GiveController(self);
        Var<double>(self, "d") = 0;
        EXPECT_EQ(-1, Run(self)) << c.situation;
        EXPECT_TRUE(controller->isJumping) << c.situation;
        GameObject* ground = Spawn("Ground", "g", "{}", c.partnerType);
        // The jumper's bottom is at 100 - 16 = 84; the ground's top at 84 + bottomBelowTop.
        GiveBody(ground, 0, 84 - 50 + c.bottomBelowTop, 200, 100, BOX_SHAPE, 0);
        if (c.reported) Touch(self, ground);
        if (c.againstAWall) {
            GameObject* wall = Spawn("Wall", "g", "{}", "Boundary");
            GiveBody(wall, 30, 100, 20, 700, BOX_SHAPE, 0);
            Touch(self, wall);
        }
        EXPECT_EQ(-1, Run(self)) << c.situation << ": the chain goes on either way";
        ApplyQueuedMoves();
        EXPECT_EQ(Vec2(0, c.jumpsAgain ? 2 * 30000 : 30000), Acc(self)) << c.situation;
    }
}

TEST_F(ForceNodes, JumpWithoutAControllerOrBodyDoesNothingAndGoesOn) {
    Load({{0, "JumpNode", {}, {In("double", 0)}}});
    EXPECT_EQ(-1, Run(self));
    ApplyQueuedMoves();
    EXPECT_EQ(0u, posted);

    GameObject* ghost = Spawn("Ghost", "g");
    Controller* controller = GiveController(ghost);
    Touch(ghost, target);
    EXPECT_EQ(-1, Run(ghost)) << "no body to land with";
    EXPECT_TRUE(controller->isJumping);
}

}  // namespace
