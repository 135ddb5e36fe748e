// The pause overlay played end to end on the real engine: Level_1 as shipped, two players'
// characters, scripted keys and pads, pictures read back.
#include <gtest/gtest.h>

#include <epoxy/gl.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graph/ai_component.h"
#include "graph/behaviour_tree.h"
#include "graph/node_helpers.h"
#include "graphics/sprite.h"
#include "nodes/camera_control.h"
#include "nodes/controller_node.h"
#include "physics/body.h"
#include "physics/physics.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"
#include "platform/virtual_keys.h"
#include "support/game_test.h"
#include "support/match_fixture.h"

namespace {

namespace vk = platform::vk;

constexpr int kPlayerTwoDown = 40;
constexpr int kPlayerTwoUp = 38;
enum Choice { kResume = 0, kRestart = 1, kMainMenu = 2 };

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
};

class GamePause : public GameTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        StartGame();
        EnterState(Level_1, {{0, LadyRed}, {1, BoxerBlue}});
        ASSERT_NE(nullptr, Named("PauseOverlay"));
        Frames(30);  // the characters land
    }

    void PressPad(int player, uint16_t button) {
        scripted->SetPad(player, {++packet, button});
        Frames(1);
        scripted->SetPad(player, {++packet, 0});
        Frames(2);
    }
    // Presses a key that leads to another state and enters it.
    void PressAndEnter(int key) {
        scripted->SetKey(key, true);
        bool running = systems.RunFrame();
        scripted->SetKey(key, false);
        for (int i = 0; running && i < 30; ++i) running = systems.RunFrame();
        ASSERT_FALSE(running) << "the state did not change";
        ASSERT_TRUE(systems.EndPass());
        systems.BeginPass();
    }

    static Vec2 Where(const std::string& name) { return Named(name)->Get<Body>(BODY)->Position(); }
    static bool Paused() { return GameStateManager::isPaused; }
    static bool PhysicsPaused() { return SystemManager::GetInstance().Get<Physics>(PHYSICS)->paused; }
    static int Choice() {
        const AI_Component* overlay = Named("PauseOverlay")->Get<AI_Component>(AI_COMPONENT);
        return *LookupVariableByName<int>(overlay->tree->globalStore.get(), "Selection");
    }
    static const Sprite& OverlayLooks() { return *Named("PauseOverlay")->Get<Sprite>(SPRITE); }
    bool MusicPaused() { return scripted->GetSound().GroupPaused(platform::SoundGroup::Music); }
    bool EffectsPaused() { return scripted->GetSound().GroupPaused(platform::SoundGroup::Effects); }
    // The colour drawn at the centre of the view.
    static Rgb Centre() {
        unsigned char p[4] = {};
        glReadPixels(640, 360, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }
    static Vec2 InitPos(int player) {
        const AI_Component* level = Named("LevelObj")->Get<AI_Component>(AI_COMPONENT);
        return *LookupVariableByName<Vec2>(level->store.get(), "InitPos" + std::to_string(player));
    }

    uint32_t packet = 0;
};

TEST_F(GamePause, PFreezesPlaySoundAndRumbleShowsTheOverlayAndResumeLetsPlayGoOn) {
    scripted->SetPad(0, {++packet, 0});
    Frames(2);
    TheInputManager()->GetPad(0)->Vibrate(20000);
    ASSERT_EQ(20000, scripted->LastRumble(0).left);
    ASSERT_FALSE(MusicPaused());
    const Rgb playing = Centre();
    EXPECT_FALSE(OverlayLooks().active) << "hidden while playing";

    scripted->SetKey('D', true);
    Frames(10);
    const float runStart = Where("LadyRed0").x;
    Frames(5);
    ASSERT_GT(Where("LadyRed0").x, runStart + 5.0f) << "the lady runs before the pause";

    Press('P');
    EXPECT_TRUE(Paused());
    EXPECT_TRUE(PhysicsPaused());
    EXPECT_TRUE(MusicPaused());
    EXPECT_TRUE(EffectsPaused());
    EXPECT_EQ(0, scripted->LastRumble(0).left) << "the pause stops the rumble";
    const float frozenAt = Where("LadyRed0").x;
    Frames(20);
    EXPECT_EQ(frozenAt, Where("LadyRed0").x) << "a running character stops while its key is still held";
    scripted->SetKey('D', false);
    EXPECT_TRUE(OverlayLooks().active);
    EXPECT_EQ(1.0f, OverlayLooks().state.rgba[3]);
    EXPECT_FALSE(Centre() == playing) << "the overlay is drawn over the level";
    EXPECT_EQ(kResume, Choice()) << "a pause starts on Resume";

    Press(vk::kReturn);
    EXPECT_FALSE(Paused());
    EXPECT_FALSE(PhysicsPaused());
    Frames(2);
    EXPECT_FALSE(MusicPaused());
    EXPECT_FALSE(EffectsPaused());
    EXPECT_FALSE(OverlayLooks().active);
    EXPECT_EQ(0.0f, OverlayLooks().state.rgba[3]);
    scripted->SetKey('D', true);
    Frames(10);
    EXPECT_GT(Where("LadyRed0").x, frozenAt + 5.0f) << "play goes on after Resume";
    scripted->SetKey('D', false);
}

TEST_F(GamePause, UpAndDownOfAnyPlayerMoveTheChoiceRoundTheThreeEntries) {
    Press('P');
    ASSERT_TRUE(Paused());
    const struct {
        int key;
        int chosen;
    } steps[] = {{'S', kRestart},       {'S', kMainMenu}, {kPlayerTwoDown, kResume}, {'W', kMainMenu},
                 {kPlayerTwoUp, kRestart}, {'W', kResume}};
    for (const auto& step : steps) {
        Press(step.key);
        EXPECT_EQ(step.chosen, Choice()) << "after key " << step.key;
        EXPECT_EQ(static_cast<unsigned>(step.chosen), OverlayLooks().state.animId) << "the lit entry follows";
    }
    scripted->SetPad(0, {++packet, 0});
    Frames(2);
    PressPad(0, platform::kPadDpadDown);
    EXPECT_EQ(kRestart, Choice()) << "a pad's D-pad moves it too";
    EXPECT_TRUE(Paused()) << "moving through the choices keeps the game paused";
}

TEST_F(GamePause, PauseKeysOfKeyboardAndPadToggleThePause) {
    scripted->SetPad(0, {++packet, 0});
    Frames(2);
    const struct {
        const char* what;
        int key;
        uint16_t button;
    } toggles[] = {{"P", 'P', 0},
                   {"Escape", vk::kEscape, 0},
                   {"pad Start", 0, platform::kPadStart},
                   {"pad Back", 0, platform::kPadBack}};
    for (const auto& toggle : toggles) {
        for (bool expectPaused : {true, false}) {
            if (toggle.key != 0) {
                Press(toggle.key);
            } else {
                PressPad(0, toggle.button);
            }
            EXPECT_EQ(expectPaused, Paused()) << toggle.what;
            EXPECT_EQ(expectPaused, OverlayLooks().active) << toggle.what;
        }
    }
}

TEST_F(GamePause, RestartReloadsLevelOneWithTheSameCharactersAtTheirStarts) {
    scripted->SetKey('D', true);
    Frames(20);
    scripted->SetKey('D', false);
    ASSERT_GT(Where("LadyRed0").x, InitPos(0).x + 10.0f);
    Press('P');
    Press('S');
    ASSERT_EQ(kRestart, Choice());
    PressAndEnter(vk::kReturn);

    EXPECT_EQ(Level_1, GameStateManager::currentState);
    EXPECT_FALSE(Paused());
    EXPECT_FALSE(PhysicsPaused());
    ASSERT_NE(nullptr, Named("LadyRed0"));
    ASSERT_NE(nullptr, Named("BoxerBlue1"));
    EXPECT_NEAR(InitPos(0).x, Where("LadyRed0").x, 1.0f);
    EXPECT_NEAR(InitPos(1).x, Where("BoxerBlue1").x, 1.0f);
    Frames(1);
    EXPECT_FALSE(OverlayLooks().active) << "the reloaded level plays, not paused";
}

TEST_F(GamePause, MainMenuLeavesTheLevelForTheMainMenu) {
    Press('P');
    Press('W');
    ASSERT_EQ(kMainMenu, Choice()) << "Up from Resume wraps to Main menu";
    PressAndEnter('K');  // player two's Jump chooses too
    EXPECT_EQ(MainMenu, GameStateManager::currentState);
    EXPECT_FALSE(Paused());
    EXPECT_EQ(None, GameStateManager::Instance().playerCharacters[0]) << "the chosen characters are let go";
}

TEST_F(GamePause, TheOverlayFollowsTheCameraIntoTheThirdScene) {
    TheCamera()->SetPosition(1640, 0);
    GameStateManager::Instance().currentScene = 2;
    Frames(2);
    const Rgb playing = Centre();
    Press('P');
    ASSERT_TRUE(Paused());
    EXPECT_NEAR(1640.0f, Where("PauseOverlay").x, 0.01f);
    EXPECT_NEAR(0.0f, Where("PauseOverlay").y, 0.01f);
    EXPECT_FALSE(Centre() == playing) << "drawn where the camera looks";
}

// A carrier alone on the meadow takes the ball over an edge of the middle screen and pauses
// while the camera is still on its way to the next screen: red to the right, blue to the left.
struct Pan {
    const char* name;
    int player;
    CHARID character;
    int key;
    int scene;
    float sceneX;
};
void PrintTo(const Pan& pan, std::ostream* out) { *out << pan.name; }

class GamePauseMidPan : public MatchTest, public ::testing::WithParamInterface<Pan> {
protected:
    void PauseWhileTheCameraPans() {
        const Pan& pan = GetParam();
        StartLevel(Level_1, {{pan.player, pan.character}});
        scripted->SetKey(pan.key, true);
        ASSERT_TRUE(Until([&pan] { return Scene() == pan.scene; }, 400)) << "carried over the edge";
        ASSERT_TRUE(Until([] { return std::abs(CameraX() - kMiddleX) > 440.0f; }, 30)) << "the camera pans";
        ASSERT_GT(std::abs(CameraX() - pan.sceneX), 40.0f) << "still on its way";
        Press('P');
        scripted->SetKey(pan.key, false);
        ASSERT_TRUE(GameStateManager::isPaused);
    }
    // The colour drawn at a point of the view, (0, 0) at its centre.
    static Rgb At(int x, int y) {
        unsigned char p[4] = {};
        glReadPixels(640 + x, 360 + y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }
    static bool PanelCream(Rgb colour) {
        return std::abs(colour.r - 250) < 16 && std::abs(colour.g - 240) < 16 && std::abs(colour.b - 214) < 16;
    }
    static constexpr float kMiddleX = 360.0f;
};

TEST_P(GamePauseMidPan, PausingWhileTheCameraPansShowsTheWholePanelInTheMiddleOfTheView) {
    PauseWhileTheCameraPans();
    const Pan& pan = GetParam();
    // The pan is cut short rather than frozen half-way: the pause shows the screen play goes on in.
    const float view = CameraX();
    EXPECT_EQ(pan.sceneX, view) << "the view the pause shows is the next screen";
    Frames(10);
    EXPECT_EQ(view, CameraX()) << "the view holds still while paused";
    const Vec2 overlay = Where(Named("PauseOverlay"));
    EXPECT_NEAR(view, overlay.x, 0.01f) << "the dim covers the view the player sees";
    EXPECT_NEAR(0.0f, overlay.y, 0.01f);
    const struct {
        const char* where;
        int x, y;
    } panel[] = {{"left of the centre", -240, 0}, {"right of it", 240, 0}, {"above it", 0, 240}, {"below it", 0, -240}};
    for (const auto& point : panel) {
        const Rgb colour = At(point.x, point.y);
        EXPECT_TRUE(PanelCream(colour)) << "the panel " << point.where << ": " << colour.r << "," << colour.g << ","
                                        << colour.b;
    }

    Press(vk::kReturn);
    EXPECT_FALSE(GameStateManager::isPaused);
    Frames(30);
    EXPECT_EQ(pan.sceneX, CameraX()) << "play goes on in the screen the pause showed";
    EXPECT_EQ(pan.scene, Scene());
    EXPECT_FALSE(Named("PauseOverlay")->Get<Sprite>(SPRITE)->active);
}

INSTANTIATE_TEST_SUITE_P(Directions, GamePauseMidPan,
                         ::testing::Values(Pan{"Rightwards", 0, LadyRed, 'D', 2, 1640.0f},
                                           Pan{"Leftwards", 1, NinjaBlue, vk::kLeft, 0, -920.0f}),
                         [](const ::testing::TestParamInfo<Pan>& info) { return std::string(info.param.name); });

}  // namespace
