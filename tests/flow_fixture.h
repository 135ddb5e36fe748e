#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graph_fixture.h"
#include "platform/scripted_backend.h"

// The whole engine on the scripted backend, with small level files of the test's own: a level
// graph "Flow_AI" that holds the players' start positions, and a character graph "Char_AI".
class FlowTest : public ResourcesTest {
protected:
    static constexpr const char* kLevelVariables = R"({
        "Vec2": {"0": {"name": "InitPos0", "x": -300, "y": 10}, "1": {"name": "InitPos1", "x": -100, "y": 20},
                 "2": {"name": "InitPos2", "x": 100, "y": 30}, "3": {"name": "InitPos3", "x": 300, "y": 40}},
        "int": {"0": {"name": "Score", "val": 0}}})";

    void SetUp() override {
        ResourcesTest::SetUp();
        using graphtext::Graph;
        WriteFile("Resources/AI/Flow_AI.json", Graph({{0, "DebugNode", {}, {}}}, kLevelVariables));
        WriteFile("Resources/AI/Char_AI.json",
                  Graph({{0, "DebugNode", {}, {}}}, R"({"int": {"0": {"name": "resSeq", "val": 0}}})"));
        WriteFile("Resources/AI/flow_list.json",
                  R"({"Flow_AI": "Resources/AI/Flow_AI.json", "Char_AI": "Resources/AI/Char_AI.json"})");
        BeforeStartUp();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        ASSERT_TRUE(StartUp());
        systems.BeginRun();
    }

    // Files that start-up reads (the object-type table) are written here.
    virtual void BeforeStartUp() {}

    // A level file: the settings, then the objects, each written as the level designer does.
    static std::string LevelText(const std::vector<std::string>& objects) {
        std::string text = R"({"LevelSettings": {"cameraX": 0, "cameraY": 0, "cameraZ": 0, "gravity": -9.8,)"
                           R"( "AI file": "Resources/AI/flow_list.json"})";
        for (size_t i = 0; i < objects.size(); ++i) text += ", \"o" + std::to_string(i) + "\": " + objects[i];
        return text + "}";
    }
    static std::string LevelObject(const std::string& variables = "{}") {
        return R"({"n": "LevelObj", "t": "Default", "on": true, "AI_Component": {"AI_Type": "Flow_AI",)"
               R"( "InputNodeStruct": )" + variables + "}}";
    }
    static std::string Thing(const std::string& name, const std::string& type = "Default",
                             const std::string& extra = "") {
        return "{\"n\": \"" + name + "\", \"t\": \"" + type + "\", " + extra + "\"on\": true, " +
               "\"Body\": {\"shapeid\": 1, \"x\": 0, \"y\": 0, \"width\": 20, \"height\": 20, \"mass\": 1}}";
    }
    void WriteLevel(GameState state, const std::vector<std::string>& objects) {
        WriteFile(LevelFileName(state), LevelText(objects));
    }

    // A complete character: a body, a controller and the character graph.
    static std::string Character(const std::string& name) {
        return "\"" + name + "\": {\"n\": \"" + name + R"(", "t": "Default", "on": true,)"
               R"( "Body": {"shapeid": 1, "x": 5, "y": 5, "width": 30, "height": 60, "mass": 1, "isMove": true},)"
               R"( "Controller": {"playerId": 0, "moveForce": 10, "jumpForce": 20},)"
               R"( "AI_Component": {"AI_Type": "Char_AI", "InputNodeStruct": {}}})";
    }
    void WriteCharacters(const std::vector<std::string>& names) {
        std::string text = "{";
        for (size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + Character(names[i]);
        WriteFile(kCharacterFileName, text + "}");
    }

    // The game's road from the state it is in to `state`: the request lands in a frame, the
    // pass ends, and the next pass loads the new state. False once the game has quit.
    bool Enter(GameState state) {
        GameStateManager::nextState = state;
        while (systems.RunFrame()) {
        }
        if (!systems.EndPass()) return false;
        systems.BeginPass();
        return true;
    }

    static GameObject* Named(const std::string& name) { return GameStateManager::FindObjectByName(name); }
    static ObjectMap& Map(size_t index) { return GameStateManager::Instance().objectMaps[index]; }
    static void Choose(int player, CHARID character) {
        GameStateManager::Instance().playerCharacters[player] = character;
    }

    static constexpr const char* kCharacterFileName = "Resources/ObjData/Character.json";
    SystemManager& systems = SystemManager::GetInstance();
};
