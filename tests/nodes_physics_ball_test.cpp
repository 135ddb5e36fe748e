// Ball nodes: a character grabs the free ball it touched, carries it out of play and drops or
// throws it in front of itself.
#include <gtest/gtest.h>

#include "nodes_physics_fixture.h"

namespace {

using namespace graphtext;

const std::string kCharacter = R"(
    "Vec2": {"0": {"name": "Throw", "x": 600, "y": 300}},
    "GameObject*": {"0": {"name": "Ball"}, "1": {"name": "Nobody"}},
    "int": {"0": {"name": "Team", "val": 1}})";
const std::string kHolding = R"("0": {"name": "HoldingBall", "val": false})";
const std::string kBall = R"({
    "int": {"0": {"name": "Team", "val": 2}},
    "double": {"0": {"name": "PickUpDelay", "val": 1.0}, "1": {"name": "PickUpTimer", "val": 1.0}}})";

class BallNodes : public PhysicsNodesTest {
protected:
    // A character running `nodes` and touching a free ball that has run out its delay.
    void Load(const std::vector<NodeText>& nodes) {
        LoadGraph("ball", Graph({{0, "DebugNode", {}, {}}}, kBall));
        LoadGraph("g", Graph(nodes, Vars(kHolding, kCharacter)));
        character = Spawn("Lady", "g", "{}", "Player");
        ball = Spawn("Ball", "ball", "{}", "Ball");
        GiveBody(character, 100, 50, 40, 64);
        sprite = GiveSprite(character);
        GiveBody(ball, 110, 50, 20, 20, CIRCLE_SHAPE);
        GiveSprite(ball);
        Var<GameObject*>(character, "Ball") = ball;
        Var<GameObject*>(character, "Nobody") = nullptr;
        Touch(character, ball);
    }
    // The grab as character graphs wire it: the "Ball" output of a collision test.
    void LoadGrab(const std::string& holding = In("bool", 0)) {
        Load({{0, "IsCollidedNode", {-1, -1, -1, -1, -1, -1, 1}, {}}, {1, "GrabBallNode", {2}, {holding}},
              {2, "SetBoolToNode", {}, {In("bool", 20)}}});
    }
    bool InPlay() const { return ball->Get<Body>(BODY)->active && ball->Get<Sprite>(SPRITE)->active; }
    bool OutOfPlay() const { return !ball->Get<Body>(BODY)->active && !ball->Get<Sprite>(SPRITE)->active; }

    GameObject* character = nullptr;
    GameObject* ball = nullptr;
    Sprite* sprite = nullptr;
};

TEST_F(BallNodes, AFreeBallIsGrabbedOnlyOnceItsDelayHasRunOut) {
    struct Case {
        const char* situation;
        double timer;
        int ballTeam;
        bool grabbed;
    } cases[] = {
        {"delay run out", 1.0, 2, true},
        {"timer past the delay", 3.0, 2, true},
        {"too soon after a drop", 0.5, 2, false},
        {"held by red", 1.0, 0, false},
        {"held by blue", 1.0, 1, false},
    };
    for (const Case& c : cases) {
        LoadGrab();
        Var<double>(ball, "PickUpTimer") = c.timer;
        Var<int>(ball, "Team") = c.ballTeam;
        EXPECT_EQ(c.grabbed ? -1 : 0, Run(character)) << c.situation;
        EXPECT_EQ(c.grabbed, Var<bool>(character, "HoldingBall")) << c.situation;
        EXPECT_EQ(c.grabbed ? std::vector<int>{0} : std::vector<int>{}, Taken(character)) << c.situation;
        EXPECT_EQ(c.grabbed ? 1 : c.ballTeam, Var<int>(ball, "Team")) << c.situation << ": the holder's team";
        EXPECT_EQ(c.grabbed, OutOfPlay()) << c.situation;
        EXPECT_EQ(!c.grabbed, InPlay()) << c.situation;
    }
}

TEST_F(BallNodes, AGrabWithNothingHandedOverOnlySetsTheRecord) {
    Load({{0, "GrabBallNode", {1}, {In("bool", 0)}}, {1, "SetBoolToNode", {}, {In("bool", 20)}}});
    EXPECT_EQ(-1, Run(character));
    EXPECT_TRUE(Var<bool>(character, "HoldingBall"));
    EXPECT_TRUE(InPlay());
    EXPECT_EQ(2, Var<int>(ball, "Team"));
}

TEST_F(BallNodes, ABallWithNowhereToRecordTheGrabOrWithoutItsVariablesStaysInPlay) {
    LoadGrab("");
    EXPECT_EQ(0, Run(character));
    EXPECT_TRUE(InPlay()) << "a ball taken without a record would be lost for good";
    EXPECT_EQ(2, Var<int>(ball, "Team"));

    for (const char* missing : {"PickUpDelay", "PickUpTimer"}) {
        LoadGrab();
        ObjectVariableNode<double>(ball, missing)->name = "renamed";
        EXPECT_EQ(0, Run(character)) << missing;
        EXPECT_TRUE(InPlay()) << missing;
        EXPECT_FALSE(Var<bool>(character, "HoldingBall")) << missing;
    }
    LoadGrab();
    ObjectVariableNode<int>(character, "Team")->name = "renamed";
    EXPECT_EQ(0, Run(character)) << "a holder without a team";
    EXPECT_TRUE(InPlay());
    EXPECT_EQ(2, Var<int>(ball, "Team"));
}

TEST_F(BallNodes, ADropPutsTheBallBesideTheHolderAtRestAndThrowsItNextFrame) {
    struct Case {
        const char* situation;
        float facing;
        float x;
    } cases[] = {
        {"facing right", 1, 100 + 40 + 8},
        {"facing left", -1, 100 - 40 - 8},
        {"facing nowhere counts as left", 0, 100 - 40 - 8},
    };
    for (const Case& c : cases) {
        Load({{0, "DropBallNode", {1}, {In("Vec2", 0), In("GameObject*", 0)}}, {1, "SetBoolToNode", {}, {In("bool", 20)}}});
        sprite->scaleX = c.facing;
        SetBallInPlay(*ball, false);
        Var<int>(ball, "Team") = 1;
        Var<double>(ball, "PickUpTimer") = 7;
        Body* body = BodyOf(ball);
        body->velX = body->velY = body->accX = body->accY = 9;
        EXPECT_EQ(-1, Run(character)) << c.situation;
        EXPECT_TRUE(InPlay()) << c.situation;
        EXPECT_EQ(Vec2(c.x, 50), body->Position()) << c.situation;
        EXPECT_EQ(Vec2(), body->Velocity()) << c.situation;
        EXPECT_EQ(0, body->accX) << c.situation;
        EXPECT_EQ(0, body->accY) << c.situation;
        EXPECT_EQ(2, Var<int>(ball, "Team")) << c.situation;
        EXPECT_EQ(0.0, Var<double>(ball, "PickUpTimer")) << c.situation;
        ApplyQueuedMoves();
        EXPECT_EQ(1u, posted) << c.situation;
        EXPECT_EQ(600, body->accX) << c.situation << ": the throw, times the inverse mass 1";
        EXPECT_EQ(300, body->accY) << c.situation;
    }
}

TEST_F(BallNodes, ADropWithoutBallDirectionOrHolderLeavesTheBallWhereItIs) {
    struct Case {
        const char* situation;
        std::vector<std::string> ins;
        bool holderHasBody, holderHasSprite;
    } cases[] = {
        {"bound to no ball", {In("Vec2", 0), In("GameObject*", 1)}, true, true},
        {"no ball at all", {In("Vec2", 0), ""}, true, true},
        {"no direction", {"", In("GameObject*", 0)}, true, true},
        {"a holder without a body", {In("Vec2", 0), In("GameObject*", 0)}, false, true},
        {"a holder without a facing", {In("Vec2", 0), In("GameObject*", 0)}, true, false},
    };
    for (const Case& c : cases) {
        LoadGraph("ball", Graph({{0, "DebugNode", {}, {}}}, kBall));
        LoadGraph("g", Graph({{0, "DropBallNode", {1}, c.ins}, {1, "SetBoolToNode", {}, {In("bool", 20)}}},
                             Vars(kHolding, kCharacter)));
        character = Spawn("Lady", "g");
        ball = Spawn("Ball", "ball");
        if (c.holderHasBody) GiveBody(character, 100, 50);
        if (c.holderHasSprite) GiveSprite(character);
        GiveBody(ball, 0, 0);
        GiveSprite(ball);
        SetBallInPlay(*ball, false);
        Var<int>(ball, "Team") = 1;
        Var<GameObject*>(character, "Ball") = ball;
        Var<GameObject*>(character, "Nobody") = nullptr;
        EXPECT_EQ(-1, Run(character)) << c.situation;
        EXPECT_EQ(std::vector<int>{0}, Taken(character)) << c.situation;
        EXPECT_TRUE(OutOfPlay()) << c.situation;
        EXPECT_EQ(Vec2(), BodyOf(ball)->Position()) << c.situation;
        EXPECT_EQ(1, Var<int>(ball, "Team")) << c.situation;
        ApplyQueuedMoves();
        EXPECT_EQ(0u, posted) << c.situation;
    }
}

TEST_F(BallNodes, AThrownBallFliesAndCanBeCaughtAgainOnceFree) {
    // The whole round through the engine: grab, drop with a throw, physics moves the ball.
    LoadGrab();
    ASSERT_EQ(-1, Run(character));
    ASSERT_TRUE(OutOfPlay());
    LoadGraph("drop", Graph({{0, "DropBallNode", {}, {In("Vec2", 0), In("GameObject*", 0)}}}, Vars(kHolding, kCharacter)));
    Ai(character)->tree = ai->registry.FindByName("drop");
    Frame();
    Ai(character)->active = false;
    const float dropped = BodyOf(ball)->Position().x;
    EXPECT_EQ(100 + 40 + 8, dropped);
    Frame();
    Frame();
    EXPECT_GT(BodyOf(ball)->Position().x, dropped) << "thrown to the right";
    EXPECT_EQ(2, Var<int>(ball, "Team"));
}

}  // namespace
