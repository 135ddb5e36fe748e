#pragma once

// The real game on the scripted backend with offscreen GL, in a temporary copy of Resources/:
// started at the main menu and stepped frame by frame with scripted keys and pads.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"
#include "support/engine_test.h"

class GameTest : public ResourcesTest {
protected:
    // Starts the game; it stands at the start of the main menu's first pass.
    void StartGame() {
        auto backend = std::make_unique<platform::ScriptedBackend>(true);
        scripted = backend.get();
        platform::Install(std::move(backend));
        ASSERT_TRUE(StartUp());
        systems.BeginRun();
        systems.BeginPass();
    }
    // Ends the current pass and enters `state` with these player -> character choices, as the
    // selection leaves them.
    void EnterState(GameState state, const std::map<int, CHARID>& characters = {}) {
        for (const auto& [player, character] : characters) GameStateManager::Instance().playerCharacters[player] = character;
        GameStateManager::nextState = state;
        ASSERT_TRUE(systems.EndPass());
        systems.BeginPass();
        ASSERT_EQ(state, GameStateManager::currentState);
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) ASSERT_TRUE(systems.RunFrame()) << "the state changed early, at frame " << i;
    }
    // One press and release; graphs act on it a frame after it is polled.
    void Press(int key) {
        scripted->SetKey(key, true);
        Frames(1);
        scripted->SetKey(key, false);
        Frames(2);
    }
    static GameObject* Named(const std::string& name) { return GameStateManager::FindObjectByName(name); }

    SystemManager& systems = SystemManager::GetInstance();
    platform::ScriptedBackend* scripted = nullptr;
};
