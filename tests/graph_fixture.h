#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "core/composite_factory.h"
#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graph/ai_component.h"
#include "graph/ai_manager.h"
#include "graph/behaviour_tree.h"
#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "support/engine_test.h"

// Graph files as a level designer writes them, built from short pieces.
namespace graphtext {

// An input binding: {"type": ..., "isGlobal": ..., "indx": ...}.
inline std::string In(const std::string& type, int index, bool global = false) {
    return "{\"type\": \"" + type + "\", \"isGlobal\": " + (global ? "true" : "false") +
           ", \"indx\": " + std::to_string(index) + "}";
}

struct NodeText {
    int index;
    std::string name;
    std::vector<int> outs;          // out0, out1, ...
    std::vector<std::string> ins;   // in0, in1, ... ("" leaves a slot unbound)
};

inline std::string NodeJson(const NodeText& node) {
    std::string text = "\"" + std::to_string(node.index) + "\": {\"Name\": \"" + node.name + "\"";
    text += ", \"OutSlot\": {";
    for (size_t i = 0; i < node.outs.size(); ++i) {
        text += (i ? ", " : "") + std::string("\"out") + std::to_string(i) + "\": " + std::to_string(node.outs[i]);
    }
    text += "}, \"InSlot\": {";
    bool first = true;
    for (size_t i = 0; i < node.ins.size(); ++i) {
        if (node.ins[i].empty()) continue;
        text += (first ? "" : ", ") + std::string("\"in") + std::to_string(i) + "\": " + node.ins[i];
        first = false;
    }
    return text + "}}";
}

inline std::string Graph(const std::vector<NodeText>& nodes, const std::string& variables = "{}",
                         const std::string& globals = "{}", int root = 0) {
    std::string text = "{\"RootNodeId\": " + std::to_string(root) + ", \"InputNodeStruct\": " + variables +
                       ", \"GloInodeStruct\": " + globals + ", \"Nodes\": {";
    for (size_t i = 0; i < nodes.size(); ++i) text += (i ? ", " : "") + NodeJson(nodes[i]);
    return text + "}}";
}

}  // namespace graphtext

// A running engine core with the AI manager, every node class, and a level's object maps.
class GraphTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        auto& systems = SystemManager::GetInstance();
        factory = new CompositeFactory();
        ai = new AI_Manager();
        systems.AddSystem(factory);
        systems.AddSystem(ai);
        StartGraphEngine(*ai);
    }

    // Writes a graph file and a list naming it, and loads the list.
    BehaviourTree* LoadGraph(const std::string& name, const std::string& text) {
        const std::string path = "Resources/AI/" + name + ".json";
        WriteFile(path, text);
        WriteFile("Resources/AI/test_list.json", "{\"g\": \"" + path + "\"}");
        ai->registry.LoadFiles("Resources/AI/test_list.json");
        return ai->registry.FindByName(name);
    }

    // An object of the level (map 1) that runs `graph`, with its own variable overrides.
    GameObject* Spawn(const std::string& name, const std::string& graph, const std::string& variables = "{}",
                      const std::string& type = "Default", int map = 1) {
        auto& maps = GameStateManager::Instance().objectMaps;
        GameObject* object = maps[static_cast<size_t>(map)][factory->CreateGameObject(maps[static_cast<size_t>(map)])];
        object->name = name;
        object->SetType(type);
        json::Document description;
        const std::string text =
            "{\"AI_Component\": {\"AI_Type\": \"" + graph + "\", \"InputNodeStruct\": " + variables + "}}";
        description.Parse(text.c_str());
        auto* component = new AI_Component();
        object->AddComponent(component);
        component->Unserialize(*description.MemberBegin());
        return object;
    }

    static AI_Component* Ai(GameObject* object) { return object->Get<AI_Component>(AI_COMPONENT); }

    // One run of the object's graph from its entry node.
    static int Run(GameObject* object) {
        AI_Component* component = Ai(object);
        return component->tree->RunNode(component->tree->rootNode, component);
    }

    template <class T>
    static T& Var(GameObject* object, const std::string& name) {
        T* value = ObjectVariable<T>(object, name);
        if (!value) throw std::runtime_error("no variable " + name);
        return *value;
    }

    CompositeFactory* factory = nullptr;
    AI_Manager* ai = nullptr;
};
