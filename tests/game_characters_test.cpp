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
#include "support/game_test.h"

namespace {

namespace vk = platform::vk;

constexpr unsigned kLadyRedSheet = 160;
constexpr unsigned kLadyRedWithBallSheet = 166;

class GameCharacters : public GameTest {
protected:
    void StartWithLadyRedInLevelOne() {
        StartGame();
        EnterState(Level_1, {{0, LadyRed}});
        lady = GameStateManager::FindObjectByName("LadyRed0");
        ASSERT_NE(nullptr, lady);
        Frames(30);  // lands on the ground
    }
    void Hold(int key, int frames) {
        scripted->SetKey(key, true);
        Frames(frames);
        scripted->SetKey(key, false);
        Frames(2);
    }
    Vec2 Where() const { return lady->Get<Body>(BODY)->Position(); }
    const SpriteState& Looks() const { return lady->Get<Sprite>(SPRITE)->state; }

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
    EXPECT_GT(lady->Get<Sprite>(SPRITE)->scaleX, 0.0f) << "faces right";
    Frames(60);
    EXPECT_EQ(0u, Looks().animId) << "idle again once the key is let go";
    Hold('A', 3);
    EXPECT_LT(lady->Get<Sprite>(SPRITE)->scaleX, 0.0f) << "turns to face left";
    Frames(30);
    EXPECT_LT(lady->Get<Sprite>(SPRITE)->scaleX, 0.0f) << "keeps facing the way it last moved";

    const Vec2 standing = Where();
    Hold(vk::kSpace, 2);
    Frames(6);
    EXPECT_GT(Where().y, standing.y + 10.0f) << "jumped";

    GameStateManager::nextState = Quit;
    systems.EndPass();
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources")) << "a run leaves the content unchanged";
}

// The ball waits in the middle of Level_1, below the lady's platform and to its right.
TEST_F(GameCharacters, GrabsTheBallAndShowsTheWithBallSheetThenThrowsIt) {
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
    Frames(10);
    EXPECT_GT(ball->Get<Body>(BODY)->Position().x, Where().x + 40.0f) << "thrown the way she faces";
}

}  // namespace
