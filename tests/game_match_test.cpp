// Whole matches of Level_1 on the real engine and the real content: red and blue players, driven
// by scripted keys, carry the ball across the camera scenes to the other team's door, and
// characters who fall off the stage or are left behind by the camera come back at their
// team's point under a respawn light.
#include "support/match_fixture.h"

namespace {

namespace vk = platform::vk;

class GameMatch : public MatchTest {
protected:
    void StartLevelOne() { StartTwoPlayers(Level_1); }
};

TEST_F(GameMatch, RedCarriesTheBallThroughSceneTwoToBluesDoorAndWins) {
    StartLevelOne();
    EXPECT_EQ(1, Scene());
    EXPECT_EQ(360.0f, CameraX()) << "play starts in the middle scene";
    EXPECT_TRUE(SoundSystem::GetInstance().IsPlaying("LevelTheme"));
    EXPECT_EQ(Named("Edge12"), *ObjectVariable<GameObject*>(Named("LevelObj"), "CurrentBoundary"))
        << "bound from the start, so a fall before the first crossing still has a point to respawn at";
    for (const char* light : {"RespawnLight01", "RespawnLight02", "RespawnLight11", "RespawnLight12"}) {
        EXPECT_FALSE(Named(light)->Get<Sprite>(SPRITE)->active) << light << " stays dark until someone respawns";
    }

    CarryIntoNextScene(red, 'D', 2, 1640.0f);
    EXPECT_EQ(0, IntOf(ball, "Team")) << "the ball is red's";
    EXPECT_EQ(166u, red->Get<Sprite>(SPRITE)->state.textureId) << "the with-ball sheet";
    for (const char* side : {"Edge12", "Edge12_2"}) {
        EXPECT_EQ(1, IntOf(Named(side), "Team")) << side << " now lets blue push back";
        EXPECT_EQ(1, IntOf(Named(side), "Scene")) << side << " leads back to the middle scene";
    }
    const GameObject* boundary = *ObjectVariable<GameObject*>(Named("LevelObj"), "CurrentBoundary");
    ASSERT_NE(nullptr, boundary);
    EXPECT_EQ(0u, boundary->name.find("Edge12"));

    // Blue was left behind in the middle scene: it is back at its point in scene two, lit.
    EXPECT_TRUE(Near({2030, -60}, Where(blue), 60.0f)) << Where(blue).x << ", " << Where(blue).y;
    EXPECT_TRUE(LightOn("RespawnLight11"));
    EXPECT_NEAR(2030.0f, Where(Named("RespawnLight11")).x, 60.0f) << "the light stands over blue";
    EXPECT_TRUE(Carried(ball)) << "blue's respawn leaves red's ball alone";

    scripted->SetKey('D', true);
    EXPECT_TRUE(Until([this] { return stateChanged; }, 300)) << "red reaches blue's door";
    scripted->SetKey('D', false);
    ASSERT_EQ(WinRed, GameStateManager::currentState);
    BackToTheMenu();
}

TEST_F(GameMatch, BlueCarriesTheBallThroughSceneZeroToRedsDoorAndWins) {
    StartLevelOne();
    CarryIntoNextScene(blue, vk::kLeft, 0, -920.0f);
    EXPECT_EQ(1, IntOf(ball, "Team"));
    EXPECT_EQ(0, IntOf(Named("Edge01_2"), "Team")) << "red may push back now";
    EXPECT_TRUE(Near({-1310, -60}, Where(red), 60.0f)) << Where(red).x << ", " << Where(red).y;
    EXPECT_TRUE(LightOn("RespawnLight01"));

    scripted->SetKey(vk::kLeft, true);
    EXPECT_TRUE(Until([this] { return stateChanged; }, 300)) << "blue reaches red's door";
    scripted->SetKey(vk::kLeft, false);
    ASSERT_EQ(WinBlue, GameStateManager::currentState);
    BackToTheMenu();
}

TEST_F(GameMatch, ACharacterWhoWalksOffTheStageRespawnsAtItsTeamsPointUnderItsLight) {
    StartLevelOne();
    CarryIntoNextScene(red, 'D', 2, 1640.0f);
    ASSERT_TRUE(Until([] { return !LightOn("RespawnLight11"); }, 200)) << "the light of the first respawn goes out";

    // Blue walks past its own door and off the end of the stage.
    bool fell = false;
    scripted->SetKey(vk::kRight, true);
    EXPECT_TRUE(Until([&] { return (fell = fell || Where(blue).y < -400.0f) && LightOn("RespawnLight11"); }, 200));
    scripted->SetKey(vk::kRight, false);
    EXPECT_TRUE(fell);
    EXPECT_TRUE(Near({2030, -60}, Where(blue), 60.0f)) << Where(blue).x << ", " << Where(blue).y;
    EXPECT_TRUE(*ObjectVariable<bool>(Named("LevelObj"), "isShaking")) << "a fall shakes the screen";
    EXPECT_TRUE(SoundSystem::GetInstance().IsPlaying("Respawn"));
    EXPECT_TRUE(Carried(ball)) << "a respawn never moves a ball its character does not hold";
    EXPECT_EQ(0, IntOf(ball, "Team"));
    EXPECT_EQ(Level_1, GameStateManager::currentState);
}

}  // namespace
