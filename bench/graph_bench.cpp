// Graph running and graph loading speed.
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "core/composite_factory.h"
#include "core/startup.h"
#include "core/system_manager.h"
#include "figures.h"
#include "flow/game_state_manager.h"
#include "graph/ai_component.h"
#include "graph/ai_manager.h"
#include "graph/node_registry.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point begin, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - begin).count();
}

std::string In(const char* type, int index) {
    return std::string("{\"type\": \"") + type + "\", \"isGlobal\": false, \"indx\": " + std::to_string(index) + "}";
}

// A chain of `count` nodes of the pure-logic classes, each leading to the next.
std::string ChainGraph(int count) {
    const char* const kinds[] = {"IncreaseIntNode", "ClampIntNode", "TimerNode", "IsGreaterIntNode",
                                 "MultiplyDoubleNode", "SetBoolToNode", "IsWithinTimeNode", "ChangeIntNode"};
    std::string nodes;
    for (int i = 0; i < count; ++i) {
        const std::string kind = kinds[i % 8];
        std::string ins;
        if (kind == "IncreaseIntNode") ins = "\"in0\": " + In("int", 0) + ", \"in1\": " + In("int", 1);
        if (kind == "ClampIntNode") ins = "\"in0\": " + In("int", 1) + ", \"in1\": " + In("int", 2) + ", \"in2\": " + In("int", 0);
        if (kind == "TimerNode") ins = "\"in0\": " + In("double", 0) + ", \"in1\": " + In("double", 1);
        if (kind == "IsGreaterIntNode") ins = "\"in0\": " + In("int", 0) + ", \"in1\": " + In("int", 2);
        if (kind == "MultiplyDoubleNode") ins = "\"in0\": " + In("double", 0) + ", \"in1\": " + In("double", 2) + ", \"in2\": " + In("double", 3);
        if (kind == "SetBoolToNode") ins = "\"in0\": " + In("bool", 0) + ", \"in1\": " + In("bool", 1);
        if (kind == "IsWithinTimeNode") ins = "\"in0\": " + In("double", 2) + ", \"in1\": " + In("double", 0);
        if (kind == "ChangeIntNode") ins = "\"in0\": " + In("int", 3) + ", \"in1\": " + In("int", 0);
        const int next = i + 1 < count ? i + 1 : -1;
        const bool branches = kind.rfind("Is", 0) == 0;
        std::string outs = "\"out0\": " + std::to_string(next);
        if (branches) outs += ", \"out1\": " + std::to_string(next);
        nodes += (i ? ", " : "") + std::string("\"") + std::to_string(i) + "\": {\"Name\": \"" + kind +
                 "\", \"OutSlot\": {" + outs + "}, \"InSlot\": {" + ins + "}}";
    }
    return R"({"RootNodeId": 0, "InputNodeStruct": {
        "int": {"0": {"name": "n", "val": 0}, "1": {"name": "step", "val": 1}, "2": {"name": "max", "val": 1000},
                "3": {"name": "copy", "val": 0}},
        "double": {"0": {"name": "t", "val": 0}, "1": {"name": "left", "val": 100}, "2": {"name": "cd", "val": 5},
                   "3": {"name": "product", "val": 0}},
        "bool": {"0": {"name": "on", "val": false}, "1": {"name": "off", "val": true}}},
        "GloInodeStruct": {}, "Nodes": {)" + nodes + "}}";
}

AI_Manager* StartGraphSystems() {
    auto& systems = SystemManager::GetInstance();
    auto* ai = new AI_Manager();
    systems.AddSystem(new CompositeFactory());
    systems.AddSystem(ai);
    StartGraphEngine(*ai);
    return ai;
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::trunc) << text; }

void RunHundredObjects() {
    InResourcesCopy([] {
        AI_Manager* ai = StartGraphSystems();
        WriteText("Resources/AI/chain.json", ChainGraph(50));
        WriteText("Resources/AI/bench_list.json", R"({"g": "Resources/AI/chain.json"})");
        ai->registry.LoadFiles("Resources/AI/bench_list.json");
        auto* factory = SystemManager::GetInstance().Get<CompositeFactory>(COMPOSITE_FACTORY);
        auto& map = GameStateManager::Instance().objectMaps[1];
        json::Document description;
        description.Parse(R"({"AI_Component": {"AI_Type": "chain"}})");
        for (int i = 0; i < 100; ++i) {
            GameObject* object = map[factory->CreateGameObject(map)];
            auto* component = new AI_Component();
            object->AddComponent(component);
            component->Unserialize(*description.MemberBegin());
        }
        std::vector<double> frames;
        for (int frame = 0; frame < 600; ++frame) {
            const auto begin = Clock::now();
            ai->Update(0.016);
            frames.push_back(Milliseconds(begin, Clock::now()));
        }
        ReportFigure("graph_100_objects_50_nodes_frame", Median(frames), "ms", "<= 0.5");
        ResetEngine();
    });
}

void LoadAndRewrite() {
    InResourcesCopy([] {
        AI_Manager* ai = StartGraphSystems();
        const std::string text = ChainGraph(300);
        WriteText("Resources/AI/bench_list.json", R"({"g": "Resources/AI/big.json"})");
        std::vector<double> loads;
        for (int run = 0; run < 50; ++run) {
            WriteText("Resources/AI/big.json", text);
            const auto begin = Clock::now();
            ai->registry.LoadFiles("Resources/AI/bench_list.json");
            loads.push_back(Milliseconds(begin, Clock::now()));
            ai->registry.Clear();
        }
        ReportFigure("graph_300_nodes_load_and_rewrite", Median(loads), "ms", "<= 3");
        ResetEngine();
    });
}

const bool registered =
    RegisterFigureBenchmark("graph_run", RunHundredObjects) && RegisterFigureBenchmark("graph_load", LoadAndRewrite);

}  // namespace
