// The graph generator: readable descriptions become graph files the engine loads as written,
// faults in a description are named, and the committed graphs match their descriptions.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/json_file.h"
#include "graph/behaviour_tree.h"
#include "graph_fixture.h"
#include "tools/graph_gen/graph_files.h"

namespace {

namespace fs = std::filesystem;

const char* const kMenu = R"({"graph": "Resources/AI/gen.json", "root": "move",
    "variables": {"int": {"selection": 0, "other": 4}, "Vec2": {"home": [10, 20.5]},
                  "GameObject*": {"Arrow": ["Default", "Arrow"], "Nothing": []}},
    "globals": {"GameState": {"NextLevel": "Selection"}},
    "nodes": {
        "arrow": {"class": "ArrowMovementNode", "in": {"start": "home", "ArrowObj": "Arrow", "selection": "other"}},
        "move": {"class": "MenuMovementNode", "in": {"selection": "selection"},
                 "out": {"Start": "arrow", "Quit": "leave"}},
        "leave": {"class": "ChangeLevelNode", "in": {"NextLevel": "NextLevel"}}}})";

class GraphGenerator : public GraphTest {
protected:
    bool Generate(const std::string& description, std::string& path, std::string& text, std::string& error) {
        WriteFile("desc.json", description);
        return GenerateGraph("desc.json", path, text, error);
    }
};

TEST_F(GraphGenerator, ADescriptionBecomesAGraphTheEngineLoadsAsWritten) {
    std::string path, text, error;
    ASSERT_TRUE(Generate(kMenu, path, text, error)) << error;
    EXPECT_EQ("Resources/AI/gen.json", path);
    WriteFile(path, text);
    WriteFile("Resources/AI/list.json", R"({"gen": "Resources/AI/gen.json"})");
    ai->registry.LoadFiles("Resources/AI/list.json");
    BehaviourTree* tree = ai->registry.FindByName("gen");
    ASSERT_NE(nullptr, tree);
    EXPECT_EQ(text, ReadFile(path)) << "the program writes it back unchanged";

    // Nodes numbered in listed order, variables per type in listed order.
    ASSERT_EQ(3u, tree->nodes.size());
    EXPECT_EQ(1, tree->rootNode);
    EXPECT_EQ(kArrowMovementNode, tree->nodes[0]->type);
    EXPECT_EQ(0, tree->nodes[1]->OutputTarget(0));
    EXPECT_EQ(2, tree->nodes[1]->OutputTarget(3));
    EXPECT_EQ(-1, tree->nodes[1]->OutputTarget(1));
    const INode& arrow = *tree->nodes[0];
    EXPECT_EQ(0, arrow.inputs.at(0).key);
    EXPECT_EQ(0, arrow.inputs.at(7).key);
    EXPECT_EQ(1, arrow.inputs.at(8).key);
    EXPECT_EQ(-1, arrow.inputs.at(1).key);
    EXPECT_TRUE(tree->nodes[2]->inputs.at(0).isGlobal);
    EXPECT_EQ(Selection, *LookupVariableByName<GameState>(tree->globalStore.get(), "NextLevel"));
    const Vec2* home = LookupVariableByName<Vec2>(tree->defaultStore.get(), "home");
    ASSERT_NE(nullptr, home);
    EXPECT_EQ((Vec2{10, 20.5f}), *home);
}

TEST_F(GraphGenerator, FaultsInADescriptionAreNamed) {
    const struct {
        const char* from;
        const char* to;
        const char* fault;
    } cases[] = {
        {"\"MenuMovementNode\"", "\"MenuMoveNode\"", "class \"MenuMoveNode\" is not registered"},
        {"\"Quit\": \"leave\"", "\"Exit\": \"leave\"", "node \"move\": no slot labelled \"Exit\""},
        {"\"Quit\": \"leave\"", "\"Quit\": \"away\"", "output \"Quit\" leads to no node"},
        {"\"start\": \"home\"", "\"start\": \"selection\"", "input \"start\" takes Vec2, \"selection\" is int"},
        {"\"start\": \"home\"", "\"start\": \"nowhere\"", "input \"start\" names no declared variable"},
        {"\"other\": 4", "\"home\": 4", "variable \"home\" is declared twice"},
        {"[10, 20.5]", "[10]", "variable \"home\" has no Vec2 value"},
        {"\"other\": 4", "\"other\": \"four\"", "a variable has a value of the wrong type"},
        {"\"int\": {", "\"integer\": {", "no value type \"integer\""},
        {"\"root\": \"move\"", "\"root\": \"first\"", "\"root\" names no node"},
    };
    for (const auto& c : cases) {
        std::string description = kMenu;
        description.replace(description.find(c.from), std::string(c.from).size(), c.to);
        std::string path, text, error;
        EXPECT_FALSE(Generate(description, path, text, error)) << c.fault;
        EXPECT_NE(std::string::npos, error.find(c.fault)) << error;
        EXPECT_EQ(0u, error.find("desc.json: ")) << error;
    }
    // Slots may also be named by number.
    std::string numbered = kMenu;
    numbered.replace(numbered.find("\"Quit\": \"leave\""), 15, "\"#3\": \"leave\"");
    std::string path, text, error;
    EXPECT_TRUE(Generate(numbered, path, text, error)) << error;

    EXPECT_FALSE(GenerateGraph("missing.json", path, text, error));
    EXPECT_FALSE(fs::exists("missing.json")) << "a mistyped name leaves no empty file behind";
}

// The committed graphs: each description regenerates its file exactly, and every graph file
// of the game loads with every node placed and every written binding taken.
TEST_F(GraphGenerator, TheGamesGraphsMatchTheirDescriptionsAndLoadWhole) {
    const fs::path descriptions = fs::path(BRAMBLE_SOURCE_RESOURCES).parent_path() / "tools" / "graphs";
    for (const auto& entry : fs::directory_iterator(descriptions)) {
        std::string path, text, error;
        ASSERT_TRUE(GenerateGraph(entry.path().string(), path, text, error)) << error;
        EXPECT_EQ(text, ReadFile(path)) << path << " differs from " << entry.path() << ": run make_graphs build";
    }
    for (const auto& entry : fs::directory_iterator("Resources/AI")) {
        JsonFile file;
        ASSERT_TRUE(file.Read(entry.path().string(), IfMissing::kRefuse));
        const json::Value* nodes = json::Find(file.Doc(), "Nodes");
        if (!nodes) continue;  // a graph list
        const std::string name = entry.path().stem().string();
        WriteFile("Resources/AI/check_list.json", "{\"" + name + "\": \"" + entry.path().string() + "\"}");
        ai->registry.LoadFiles("Resources/AI/check_list.json");
        BehaviourTree* tree = ai->registry.FindByName(name);
        ASSERT_NE(nullptr, tree) << name;
        for (const auto& node : nodes->GetObject()) {
            const size_t index = std::stoul(node.name.GetString());
            ASSERT_TRUE(index < tree->nodes.size() && tree->nodes[index]) << name << " node " << index;
            const json::Value* ins = json::Find(node.value, "InSlot");
            if (!ins) continue;
            for (const auto& in : ins->GetObject()) {
                const int slot = std::stoi(in.name.GetString() + 2);
                EXPECT_NE(-1, tree->nodes[index]->inputs.at(slot).key) << name << " node " << index << " " << in.name.GetString();
            }
        }
        ai->registry.Clear();
    }
}

}  // namespace
