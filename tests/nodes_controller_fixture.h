#pragma once

#include <memory>
#include <string>
#include <vector>

#include "graph_fixture.h"
#include "graphics/game_window.h"
#include "input/controller.h"
#include "input_fixture.h"
#include "platform/virtual_keys.h"

enum class Fitted { kNone, kVisible, kHidden };

// Graphs that read the players' controls: the core, the node classes and the input system on
// the scripted backend. Keyboard: player 1 on WASD and Space, player 2 on the arrows and the
// numpad 0..3, player 3 on IJKL and U, player 4 on numpad 8/5/4/6/7; Escape, P and Return are
// shared. Pads: every direction on the left stick, A jumps.
class ControllerNodeTest : public GraphTest {
protected:
    void SetUp() override {
        GraphTest::SetUp();
        WriteFile("Resources/Controls/Keyboard.json",
                  ControlFile({ControlObject(87, 83, 65, 68, 32, 70, 71, 72),
                               ControlObject(38, 40, 37, 39, 96, 97, 98, 99),
                               ControlObject(73, 75, 74, 76, 85, 79, 89, 78),
                               ControlObject(104, 101, 100, 102, 103, 105, 106, 107)},
                              R"({"Exit": 27, "Pause": 80, "Enter": 13})"));
        const std::string pad = ControlObject(11, 11, 11, 11, 0x1000, 0x4000, 0x2000, 0x8000);
        WriteFile("Resources/Controls/XBox.json",
                  ControlFile({pad, pad, pad, pad}, R"({"Exit": 32, "Pause": 16, "Enter": 512})"));
        auto backend = std::make_unique<platform::ScriptedBackend>(false);
        scripted = backend.get();
        platform::Install(std::move(backend));
        auto* window = new GameWindow();
        ASSERT_TRUE(window->Init());
        SystemManager::GetInstance().AddSystem(window);
        input = new InputManager();
        ASSERT_TRUE(input->Init());
        SystemManager::GetInstance().AddSystem(input);
    }

    static std::string ControlFile(const std::vector<std::string>& players, const std::string& shared) {
        std::string text = "{";
        for (size_t i = 0; i < players.size(); ++i) {
            text += (i ? ", \"P" : "\"P") + std::to_string(i + 1) + "\": {\"Controls\": " + players[i] +
                    (i ? "}" : ", \"Shared\": " + shared + "}");
        }
        return text + "}";
    }

    // Plays `object` as `playerId`, the way a level file would; null for Fitted::kNone.
    Controller* Fit(GameObject* object, int playerId, Fitted fitted = Fitted::kVisible) {
        if (fitted == Fitted::kNone) return nullptr;
        auto* controller = new Controller();
        controller->playerId = playerId;
        controller->hidden = fitted == Fitted::kHidden;
        object->AddComponent(controller);
        return controller;
    }

    // One input update: controllers read the last poll, then keyboard and pads are polled.
    void Frame() { input->Update(1.0 / 60); }
    // The keys go down (or up) and the next poll sees it; graphs run now see the edge.
    void Press(const std::vector<int>& keys, bool down = true) {
        for (int key : keys) scripted->SetKey(key, down);
        Frame();
    }
    void SetPad(int player, uint16_t buttons, int16_t leftX = 0, int16_t leftY = 0) {
        platform::PadState state;
        state.buttons = buttons;
        state.thumbLX = leftX;
        state.thumbLY = leftY;
        scripted->SetPad(player, state);
        Frame();
    }

    // The bool variables "out0".."out<n-1>" that output markers set, as a graph's "bool" member.
    static std::string Markers(int outputs) {
        std::string bools;
        for (int k = 0; k < outputs; ++k) {
            const std::string index = std::to_string(k);
            bools += (k ? ", \"" : "\"") + index + "\": {\"name\": \"out" + index + "\", \"val\": false}";
        }
        return "\"bool\": {" + bools + "}";
    }

    // A graph of `nodeClass` (index 0) whose output k leads to a marker setting bool "out<k>";
    // `variables` adds members to the graph's variables.
    void LoadMarked(const std::string& name, const std::string& nodeClass, const std::vector<std::string>& inputs,
                    int outputs, const std::string& variables = "", const std::string& globals = "{}") {
        std::vector<graphtext::NodeText> nodes{{0, nodeClass, {}, inputs}};
        for (int k = 0; k < outputs; ++k) {
            nodes[0].outs.push_back(k + 1);
            nodes.push_back({k + 1, "SetBoolToNode", {}, {graphtext::In("bool", k)}});
        }
        const std::string store = "{" + Markers(outputs) + (variables.empty() ? "" : ", " + variables) + "}";
        LoadGraph(name, graphtext::Graph(nodes, store, globals));
    }

    // Runs the object's graph once: the output it took (-1 none, -2 several). Markers reset.
    static int RunTaken(GameObject* object) {
        Run(object);
        int taken = -1;
        for (int k = 0; bool* marker = ObjectVariable<bool>(object, "out" + std::to_string(k)); ++k) {
            if (*marker) taken = taken == -1 ? k : -2;
            *marker = false;
        }
        return taken;
    }

    platform::ScriptedBackend* scripted = nullptr;
    InputManager* input = nullptr;
};
