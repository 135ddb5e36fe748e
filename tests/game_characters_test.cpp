// The playable characters on the real engine and the real content: a character is spawned into
// a level, driven by scripted keys frame by frame, and watched through its body and sprite.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graph/node_helpers.h"
#include "graphics/sprite.h"
#include "physics/body.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"
#include "platform/virtual_keys.h"
#include "support/engine_test.h"

namespace {

namespace vk = platform::vk;

constexpr unsigned kLadyRedSheet = 160;
constexpr unsigned kLadyRedWithBallSheet = 166;

class GameCharacters : public ResourcesTest {
protected:
    void StartWithLadyRedInLevelOne() {
        auto backend = std::make_unique<platform::ScriptedBackend>(true);
        scripted = backend.get();
        platform::Install(std::move(backend));
        ASSERT_TRUE(StartUp());
        systems.BeginRun();
        systems.BeginPass();
        GameStateManager::Instance().playerCharacters[0] = LadyRed;
        GameStateManager::nextState = Level_1;
        ASSERT_TRUE(systems.EndPass());
        systems.BeginPass();
        ASSERT_EQ(Level_1, GameStateManager::currentState);
        lady = GameStateManager::FindObjectByName("LadyRed0");
        ASSERT_NE(nullptr, lady);
        Frames(30);  // lands on the ground
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) ASSERT_TRUE(systems.RunFrame());
    }
    void Hold(int key, int frames) {
        scripted->SetKey(key, true);
        Frames(frames);
        scripted->SetKey(key, false);
        Frames(2);
    }
    Vec2 Where() const { return lady->Get<Body>(BODY)->Position(); }
    const SpriteState& Looks() const { return lady->Get<Sprite>(SPRITE)->state; }

    SystemManager& systems = SystemManager::GetInstance();
    platform::ScriptedBackend* scripted = nullptr;
    GameObject* lady = nullptr;
};

TEST_F(GameCharacters, RunsRightWhileItsKeyIsHeldThenJumps) {
    StartWithLadyRedInLevelOne();
    ASSERT_EQ(kLadyRedSheet, Looks().textureId);
    const Vec2 start = Where();
    Frames(20);
    EXPECT_NEAR(start.x, Where().x, 1.0f) << "standing still without keys";

    Hold('D', 20);
    const Vec2 ran = Where();
    EXPECT_GT(ran.x, start.x + 20.0f) << "ran right";
    EXPECT_EQ(1u, Looks().animId) << "the run animation";
    Frames(60);
    EXPECT_EQ(0u, Looks().animId) << "idle again once the key is let go";

    Hold(vk::kSpace, 2);
    Frames(6);
    EXPECT_GT(Where().y, ran.y + 10.0f) << "jumped";

    GameStateManager::nextState = Quit;
    systems.EndPass();
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources")) << "a run leaves the content unchanged";
}

// Level_1 holds no ball yet, so the grab is tried on a small level: a platform with a free ball
// in the lady's way. The ball comes first: a character keeps only its first partner of a frame,
// and the ball must win over the ground it stands on.
TEST_F(GameCharacters, GrabsTheBallAndShowsTheWithBallSheetThenThrowsIt) {
    WriteFile("Resources/AI/TestBall_AI.json", R"({
        "RootNodeId": 0,
        "InputNodeStruct": {
            "double": {"0": {"val": 1.0, "name": "PickUpTimer"}, "1": {"val": 0.5, "name": "PickUpDelay"}},
            "int": {"0": {"val": 2, "name": "Team"}}
        },
        "GloInodeStruct": {},
        "Nodes": {"0": {"Name": "IsLevelPausedNode", "OutSlot": {}, "InSlot": {}}}
    })");
    WriteFile("Resources/AI/BallLevel.json", R"({
        "Character_AI": "Resources/AI/Character_AI.json",
        "TestBall_AI": "Resources/AI/TestBall_AI.json"
    })");
    WriteFile("Resources/levelData/level1.json", R"({
        "LevelSettings": {"cameraX": 0, "cameraY": 0, "cameraZ": 0, "gravity": -9.8,
                          "AI file": "Resources/AI/BallLevel.json"},
        "LevelObj": {"Name": "LevelObj", "Type": "Default", "Active": true,
            "AI_Component": {"AI_Type": "TestBall_AI",
                "InputNodeStruct": {"Vec2": {"5": {"x": -300, "y": -240, "name": "InitPos0"}}}}},
        "Ball": {"Name": "Ball", "Type": "Default", "Active": true,
            "Body": {"shapeid": 1, "x": 0, "y": -240, "width": 24, "height": 24, "mass": 1,
                     "isMove": false, "isGravity": false},
            "Sprite": {"textureId": 6, "meshType": 0, "animId": 0, "isTexture": true, "isActive": true,
                       "red": 1, "green": 1, "blue": 1, "alpha": 1, "u": 1, "v": 1, "width": 24, "height": 24},
            "AI_Component": {"AI_Type": "TestBall_AI", "InputNodeStruct": {}}},
        "Ground": {"Name": "Ground", "Type": "Platform", "Active": true,
            "Body": {"shapeid": 1, "x": 0, "y": -400, "width": 2000, "height": 200, "mass": 0,
                     "isMove": false, "isGravity": false}}
    })");
    StartWithLadyRedInLevelOne();
    GameObject* ball = GameStateManager::FindObjectByName("Ball");
    ASSERT_NE(nullptr, ball);
    ASSERT_EQ(kLadyRedSheet, Looks().textureId);

    scripted->SetKey('D', true);
    for (int frame = 0; frame < 120 && ball->Get<Sprite>(SPRITE)->active; ++frame) Frames(1);
    scripted->SetKey('D', false);
    Frames(3);
    EXPECT_FALSE(ball->Get<Sprite>(SPRITE)->active) << "the ball is carried, not drawn";
    EXPECT_EQ(0, *ObjectVariable<int>(ball, "Team")) << "the ball is red's";
    EXPECT_EQ(kLadyRedWithBallSheet, Looks().textureId) << "the with-ball sheet";

    Hold('F', 1);  // push: throw
    Frames(3);
    EXPECT_TRUE(ball->Get<Sprite>(SPRITE)->active) << "the thrown ball is seen again";
    EXPECT_EQ(2, *ObjectVariable<int>(ball, "Team")) << "a thrown ball is free";
    EXPECT_EQ(kLadyRedSheet, Looks().textureId) << "back to the empty-handed sheet";
}

}  // namespace
