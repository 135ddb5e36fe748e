#pragma once

#include <memory>
#include <string>

#include "core/system_manager.h"
#include "graphics/game_window.h"
#include "input/input_manager.h"
#include "platform/scripted_backend.h"
#include "support/engine_test.h"

// The input system on the scripted backend, with the game's window registered, in a temporary
// copy of Resources/. Tests that need their own control files write them before StartInput.
class InputTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        auto backend = std::make_unique<platform::ScriptedBackend>(false);
        scripted = backend.get();
        platform::Install(std::move(backend));
        window = new GameWindow();
        ASSERT_TRUE(window->Init());
        SystemManager::GetInstance().AddSystem(window);
    }

    void StartInput() {
        input = new InputManager();
        ASSERT_TRUE(input->Init());
        SystemManager::GetInstance().AddSystem(input);
    }

    // One input frame: controllers run on the last poll, then keyboard and pads are polled.
    void Frame(int count = 1) {
        for (int i = 0; i < count; ++i) input->Update(1.0 / 60);
    }

    // A pad plugged in is seen at one poll and first read at the next.
    void PlugPad(int player, const platform::PadState& state = {}) {
        scripted->SetPad(player, state);
        Frame(2);
    }

    void Key(int virtualKey, bool down) { scripted->SetKey(virtualKey, down); }

    platform::ScriptedBackend* scripted = nullptr;
    GameWindow* window = nullptr;
    InputManager* input = nullptr;
};

// A control object in the files' layout.
inline std::string ControlObject(int up, int down, int left, int right, int jump, int push, int pull, int skill) {
    return "{\"Up\": " + std::to_string(up) + ", \"Down\": " + std::to_string(down) + ", \"Left\": " +
           std::to_string(left) + ", \"Right\": " + std::to_string(right) + ", \"Jump\": " + std::to_string(jump) +
           ", \"Push\": " + std::to_string(push) + ", \"Pull\": " + std::to_string(pull) + ", \"Skill\": " +
           std::to_string(skill) + "}";
}
