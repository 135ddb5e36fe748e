// The time a state change takes: both resets and the load of a full level, with the level
// file and every graph file rewritten as the game does.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/startup.h"
#include "core/system_manager.h"
#include "figures.h"
#include "flow/game_state_manager.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"

namespace {

constexpr int kGraphs = 20;
constexpr int kLevelObjects = 139;  // with the attack pool's ten copies, about 150 objects
constexpr int kChanges = 60;

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::trunc) << text; }

// A graph of a few nodes with variables of several types, as the game's graphs have.
std::string GraphText(int index) {
    return R"({"RootNodeId": 0, "InputNodeStruct": {"int": {"0": {"name": "resSeq", "val": 0}},)"
           R"( "double": {"0": {"name": "Speed", "val": )" + std::to_string(index) + R"(}},)"
           R"( "Vec2": {"0": {"name": "InitPos0", "x": 0, "y": 0}, "1": {"name": "InitPos1", "x": 50, "y": 0},)"
           R"( "2": {"name": "InitPos2", "x": 100, "y": 0}, "3": {"name": "InitPos3", "x": 150, "y": 0}},)"
           R"( "GameObject*": {"0": {"name": "Ball", "search": {"0": "Default", "1": "Thing0"}}}},)"
           R"( "GloInodeStruct": {}, "Nodes": {"0": {"Name": "LevelStartNode", "OutSlot": {"out0": 1}},)"
           R"( "1": {"Name": "DebugNode", "OutSlot": {"out0": -1}}}})";
}

std::string LevelText() {
    std::string text = R"({"LevelSettings": {"cameraX": 0, "cameraY": 0, "cameraZ": 0, "gravity": -9.8,)"
                       R"( "AI file": "Resources/AI/bench_list.json"},)"
                       R"( "LevelObj": {"n": "LevelObj", "t": "Default", "on": true,)"
                       R"( "AI_Component": {"AI_Type": "Graph0", "InputNodeStruct": {}}},)"
                       R"( "Punch": {"n": "Punch", "t": "Attack", "on": true, "Body": {"shapeid": 0, "mass": 1}})";
    for (int i = 0; i < kLevelObjects - 2; ++i) {
        text += ", \"Thing" + std::to_string(i) + "\": {\"n\": \"Thing" + std::to_string(i) +
                R"(", "t": "Default", "on": true, "Body": {"shapeid": 1, "x": )" + std::to_string(i * 10) +
                R"(, "y": 0, "mass": 1}, "AI_Component": {"AI_Type": "Graph)" + std::to_string(i % kGraphs) +
                R"(", "InputNodeStruct": {}}})";
    }
    return text + "}";
}

void WriteGame() {
    std::string list = "{";
    for (int g = 0; g < kGraphs; ++g) {
        const std::string path = "Resources/AI/Graph" + std::to_string(g) + ".json";
        Write(path, GraphText(g));
        list += (g ? ", " : "") + std::string("\"Graph") + std::to_string(g) + "\": \"" + path + "\"";
    }
    Write("Resources/AI/bench_list.json", list + "}");
    for (GameState level : {Level_1, Level_2}) Write(LevelFileName(level), LevelText());
    std::string characters = "{";
    for (const char* name : {"LadyRed", "NinjaBlue"}) {
        characters += std::string(characters.size() > 1 ? ", " : "") + "\"" + name + "\": {\"n\": \"" + name +
                      R"(", "t": "Default", "on": true, "Body": {"shapeid": 1, "mass": 1, "isMove": true},)"
                      R"( "Controller": {"playerId": 0, "moveForce": 10, "jumpForce": 20},)"
                      R"( "AI_Component": {"AI_Type": "Graph1", "InputNodeStruct": {}}})";
    }
    Write("Resources/ObjData/Character.json", characters + "}");
}

void StateChange() {
    InResourcesCopy([] {
        WriteGame();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        if (StartUp()) {
            SystemManager& systems = SystemManager::GetInstance();
            systems.BeginRun();
            systems.BeginPass();
            GameStateManager::Instance().playerCharacters[0] = LadyRed;
            GameStateManager::Instance().playerCharacters[2] = NinjaBlue;
            GameStateManager::currentState = GameStateManager::nextState = Level_1;
            std::vector<double> milliseconds;
            for (int change = 0; change < kChanges; ++change) {
                systems.RunFrame();
                GameStateManager::nextState = change % 2 ? Level_1 : Level_2;
                const auto begin = std::chrono::steady_clock::now();
                systems.EndPass();
                systems.BeginPass();
                const auto end = std::chrono::steady_clock::now();
                milliseconds.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
            }
            size_t objects = 0;
            for (const auto& map : GameStateManager::Instance().objectMaps) objects += map.size();
            std::printf("state change: %zu objects, %d graphs\n", objects, kGraphs);
            ReportFigure("state_change_median", Median(milliseconds), "ms", "<= 20");
            ReportFigure("state_change_p95", Percentile(milliseconds, 0.95), "ms", "<= 20");
        }
        ResetEngine();
        platform::Uninstall();
    });
}

const bool registered = RegisterFigureBenchmark("state_change", StateChange);

}  // namespace
