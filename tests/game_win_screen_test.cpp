// The two win screens played on the real engine and the real content: a match ends the way
// the game ends it (a request for the winner's state, delivered at the next frame), and the
// screen is watched through its fireworks, its jingle, its picture and the way back to the menu.
#include <gtest/gtest.h>

#include <epoxy/gl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "audio/sound_system.h"
#include "core/message_prototypes.h"
#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/flow_messages.h"
#include "flow/game_state_manager.h"
#include "graphics/particle.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"
#include "platform/virtual_keys.h"
#include "support/game_test.h"

namespace {

namespace vk = platform::vk;

constexpr int kFireworks = 6;
// Frames of 16 ms: the screen ignores Jump and Enter for its first second and leaves on its
// own after six.
constexpr int kGuardFrames = 63;
constexpr int kShowFrames = 376;

struct Screen {
    GameState state;
    const char* jingle;
    const char* otherJingle;
};
constexpr Screen kScreens[] = {{WinRed, "WinRedJingle", "WinBlueJingle"}, {WinBlue, "WinBlueJingle", "WinRedJingle"}};

class GameWinScreen : public GameTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        StartGame();
    }

    // A two-player match in Level_1 that the winner ends; `held` is down from the match's
    // last frames on, as a player still holding a key when the match ends.
    void WinMatch(GameState win, int held = 0) {
        EnterState(Level_1, {{0, LadyRed}, {1, NinjaBlue}});
        Frames(5);
        if (held) scripted->SetKey(held, true);
        Frames(3);
        GameStateManager::requestedState = win;
        CloneMessage<ChangeLevelMessage>()->Send();
        ASSERT_FALSE(systems.RunFrame()) << "the request ends the match";
        ASSERT_TRUE(systems.EndPass());
        systems.BeginPass();
        ASSERT_EQ(win, GameStateManager::currentState);
    }
    // Frames until the screen leaves (at most `limit`); how many it took, or -1.
    int FramesUntilLeaving(int limit) {
        for (int i = 1; i <= limit; ++i) {
            if (!systems.RunFrame()) return i;
        }
        return -1;
    }
    // Follows the state change that ended the pass.
    void EnterNext() {
        ASSERT_TRUE(systems.EndPass());
        systems.BeginPass();
    }

    static std::vector<Particle*> Fireworks() {
        std::vector<Particle*> emitters;
        for (int i = 1; i <= kFireworks; ++i) {
            const GameObject* object = GameStateManager::FindObjectByName("Firework" + std::to_string(i));
            emitters.push_back(object ? object->Get<Particle>(PARTICLE) : nullptr);
        }
        return emitters;
    }
    static int LiveParticles(const Particle& emitter) {
        int live = 0;
        for (const ParticleObj& particle : emitter.pool) live += particle.stopped ? 0 : 1;
        return live;
    }
    // The most gold pixels seen in one picture over the next `frames` frames: a firework fades
    // before it bursts again.
    int MostGoldOver(int frames) {
        int most = 0;
        for (int i = 0; i < frames; ++i) {
            Frames(1);
            most = std::max(most, GoldPixels());
        }
        return most;
    }
    // Pixels of the whole view in firework gold: bright red and green, little blue. Neither
    // team's backdrop nor the cream title comes near it.
    static int GoldPixels() {
        std::vector<unsigned char> pixels(1280 * 720 * 4);
        glReadPixels(0, 0, 1280, 720, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        int gold = 0;
        for (size_t i = 0; i < pixels.size(); i += 4) {
            if (pixels[i] > 200 && pixels[i + 1] > 150 && pixels[i + 1] < 235 && pixels[i + 2] < 120) ++gold;
        }
        return gold;
    }

};

TEST_F(GameWinScreen, EachScreenPlaysItsJingleAndFireworksThenReturnsToTheMenuOnItsOwn) {
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(screen.jingle);
        WinMatch(screen.state);
        Frames(2);
        EXPECT_TRUE(SoundSystem::GetInstance().IsPlaying(screen.jingle));
        EXPECT_FALSE(SoundSystem::GetInstance().IsPlaying(screen.otherJingle));
        EXPECT_FALSE(SoundSystem::GetInstance().IsPlaying("LevelTheme")) << "the match's music stopped";
        EXPECT_EQ(0, GoldPixels()) << "no firework has gone up yet";

        // The fireworks go up one after another, each at its own moment.
        int lit = 0;
        for (Particle* emitter : Fireworks()) {
            ASSERT_NE(nullptr, emitter);
            lit += emitter->stopped ? 0 : 1;
        }
        EXPECT_LT(lit, kFireworks) << "not all at once";
        Frames(150);
        for (Particle* emitter : Fireworks()) {
            EXPECT_FALSE(emitter->stopped);
            EXPECT_TRUE(emitter->burst);
            EXPECT_GT(LiveParticles(*emitter), 0);
        }
        EXPECT_GT(MostGoldOver(30), 50) << "the fireworks are drawn";
        Frames(30);
        EXPECT_GT(MostGoldOver(60), 50) << "and keep bursting";

        const int left = FramesUntilLeaving(kShowFrames);
        ASSERT_NE(-1, left) << "the screen leaves on its own";
        EXPECT_NEAR(kShowFrames, 2 + 150 + 30 + 30 + 60 + left, 3) << "after six seconds";
        EnterNext();
        ASSERT_EQ(MainMenu, GameStateManager::currentState);
        Frames(10);
        EXPECT_EQ(MainMenu, GameStateManager::currentState);
    }
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources"))
        << "the win screens are committed as the game rewrites them";
}

// A key still held from the match never skips the screen; a fresh press after the guard time
// does, and so does Escape at any time, but not P: a player pausing as the goal goes in keeps
// the win screen. Each case starts from a match that ends.
TEST_F(GameWinScreen, AFreshPressAfterTheGuardLeavesButAKeyHeldFromTheMatchDoesNot) {
    const struct {
        const char* name;
        GameState win;
        int heldFromMatch;  // 0: none
        int pressAt;        // frame of the win screen the key goes down
        int key;
        bool leaves;
    } cases[] = {
        {"Jump held from the match", WinRed, ' ', -1, 0, false},
        {"Enter held from the match", WinBlue, vk::kReturn, -1, 0, false},
        {"Enter during the guard", WinRed, 0, kGuardFrames / 2, vk::kReturn, false},
        {"Jump after the guard", WinBlue, 0, kGuardFrames + 20, ' ', true},
        {"Enter after the guard", WinRed, 0, kGuardFrames + 20, vk::kReturn, true},
        {"Jump released and pressed again", WinRed, ' ', kGuardFrames + 20, ' ', true},
        {"Escape at once", WinBlue, 0, 5, vk::kEscape, true},
        {"P (pause) during the guard", WinRed, 0, 5, 'P', false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WinMatch(c.win, c.heldFromMatch);
        if (c.pressAt < 0) {
            Frames(kGuardFrames + 60);
            EXPECT_EQ(c.win, GameStateManager::currentState);
            scripted->SetKey(c.heldFromMatch, false);
        } else {
            Frames(c.pressAt);
            scripted->SetKey(c.heldFromMatch, false);
            if (c.heldFromMatch) Frames(2);
            scripted->SetKey(c.key, true);
            const int left = FramesUntilLeaving(4);
            scripted->SetKey(c.key, false);
            EXPECT_EQ(c.leaves, left != -1);
            if (left != -1) {
                EnterNext();
                EXPECT_EQ(MainMenu, GameStateManager::currentState);
                Frames(5);
                EXPECT_EQ(MainMenu, GameStateManager::currentState) << "the press does not also act in the menu";
                continue;
            }
        }
        // Still on the screen: leave it for the next case the way a player would.
        scripted->SetKey(vk::kEscape, true);
        ASSERT_NE(-1, FramesUntilLeaving(4));
        scripted->SetKey(vk::kEscape, false);
        EnterNext();
        ASSERT_EQ(MainMenu, GameStateManager::currentState);
    }
}

}  // namespace
