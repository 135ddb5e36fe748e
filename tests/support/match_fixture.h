#pragma once

// Whole matches on the real engine and the real content: starts a level with chosen
// characters on the scripted backend and steps frames while scripted keys are held.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "audio/sound_system.h"
#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graph/node_helpers.h"
#include "graphics/sprite.h"
#include "nodes/camera_control.h"
#include "nodes/camera_scenes.h"
#include "physics/body.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"
#include "platform/virtual_keys.h"
#include "support/game_test.h"

class MatchTest : public GameTest {
protected:
    // Starts `level` with the given player -> character choices and lets the players land on
    // their platforms. Player 1 (red) and player 2 (blue) are found as `red` and `blue`.
    void StartLevel(GameState level, const std::map<int, CHARID>& characters) {
        StartGame();
        EnterState(level, characters);
        ball = Named("Ball");
        ASSERT_NE(nullptr, ball);
        Until([] { return false; }, 40);  // everyone lands on their platform
    }

    // Player 1 plays the red lady, player 2 the blue ninja, as the selection leaves them.
    void StartTwoPlayers(GameState level) {
        StartLevel(level, {{0, LadyRed}, {1, NinjaBlue}});
        red = Named("LadyRed0");
        blue = Named("NinjaBlue1");
        ASSERT_TRUE(red && blue);
    }

    // Runs frames until `done` holds (true) or `maxFrames` ran (false). A state change ends
    // the pass; the next state is then entered and `stateChanged` set.
    bool Until(const std::function<bool()>& done, int maxFrames) {
        for (int i = 0; i < maxFrames; ++i) {
            if (done()) return true;
            if (!systems.RunFrame()) {
                stateChanged = true;
                if (systems.EndPass()) systems.BeginPass();
                return done();
            }
        }
        return done();
    }
    // Holds a key until `done` holds; true when it did within `maxFrames`.
    bool HoldUntil(int key, const std::function<bool()>& done, int maxFrames) {
        scripted->SetKey(key, true);
        const bool reached = Until(done, maxFrames);
        scripted->SetKey(key, false);
        return reached;
    }

    static Vec2 Where(const GameObject* object) { return object->Get<Body>(BODY)->Position(); }
    static int IntOf(GameObject* object, const char* name) { return *ObjectVariable<int>(object, name); }
    static bool Carried(const GameObject* ball) { return !ball->Get<Sprite>(SPRITE)->active; }
    static bool LightOn(const std::string& name) {
        GameObject* light = Named(name);
        return light && light->Get<Sprite>(SPRITE)->active && *ObjectVariable<bool>(light, "ActiveBool");
    }
    static float CameraX() { return CameraPosition(*TheCamera()).x; }
    static int Scene() { return GameStateManager::Instance().currentScene; }
    // Whether a point lies on the screen the camera shows: within its scene's width, and
    // between the bottom and the top of the view.
    static constexpr float kViewHalfHeight = 360.0f;
    static bool OnScreen(Vec2 p) {
        return std::abs(p.x - SceneCentreX(Scene())) <= kSceneHalfWidth && std::abs(p.y) <= kViewHalfHeight;
    }
    static bool Near(Vec2 want, Vec2 have, float within) {
        return std::abs(want.x - have.x) < within && std::abs(want.y - have.y) < within;
    }

    // The carrier runs from its platform to the ball and on through the edge of the middle
    // scene, and the camera follows it into the next scene.
    void CarryIntoNextScene(GameObject* carrier, int key, int scene, float sceneX) {
        ASSERT_TRUE(HoldUntil(key, [this] { return Carried(ball); }, 200)) << "the carrier reaches the ball";
        scripted->SetKey(key, true);
        ASSERT_TRUE(Until([scene] { return Scene() == scene; }, 200)) << "carried over the scene's edge";
        EXPECT_EQ(scene, IntOf(carrier, "Scene"));
        EXPECT_TRUE(SoundSystem::GetInstance().IsPlaying("SceneChange"));
        EXPECT_TRUE(Until([sceneX] { return CameraX() == sceneX; }, 60)) << "the camera pans to the new scene";
        scripted->SetKey(key, false);
    }

    // Red carries the ball from the middle scene through scene two into blue's door.
    void RedCarriesToBluesDoor() {
        CarryIntoNextScene(red, 'D', 2, 1640.0f);
        scripted->SetKey('D', true);
        EXPECT_TRUE(Until([this] { return stateChanged; }, 300)) << "red reaches blue's door";
        scripted->SetKey('D', false);
    }

    // On a win screen, a jump once the screen takes keys (after its first second) goes back to
    // the main menu.
    void BackToTheMenu() {
        stateChanged = false;
        ASSERT_FALSE(Until([this] { return stateChanged; }, 80));
        EXPECT_TRUE(HoldUntil(' ', [this] { return stateChanged; }, 60)) << "the win screen leaves";
        EXPECT_EQ(MainMenu, GameStateManager::currentState);
    }

    GameObject* red = nullptr;
    GameObject* blue = nullptr;
    GameObject* ball = nullptr;
    bool stateChanged = false;
};
