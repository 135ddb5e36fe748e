#include <gtest/gtest.h>

#include "core/message_center.h"
#include "core/message_prototypes.h"
#include "graph_fixture.h"
#include "physics/body.h"
#include "physics/body_picking_message.h"
#include "physics/picking.h"

namespace {

using namespace graphtext;
using AiManagerTest = GraphTest;

// Counts runs and, on its first run, copies the running object (the copy joins the frame) and
// then takes the running object out of the manager's list, as destroying it would.
class CloneOnceProbe : public Node<CloneOnceProbe> {
public:
    CloneOnceProbe() : Node(kIsCollidedNode, {"Next"}, {}) {}
    int Execute(AI_Component* ctx) override {
        ++runs;
        if (!cloned) {
            cloned = true;
            auto& map = GameStateManager::Instance().objectMaps[1];
            SystemManager::GetInstance().Get<CompositeFactory>(COMPOSITE_FACTORY)->CloneGameObject(map, ctx->owner);
            TheAiManager()->RemoveComponent(ctx);
        }
        return RunOutput(0, ctx);
    }
    static inline int runs = 0;
    static inline bool cloned = false;
};

TEST_F(AiManagerTest, ActiveObjectsRunTheirGraphEveryFrameSharingGraphWideVariables) {
    const std::string own = R"({"int": {"0": {"name": "Steps", "val": 0}}})";
    const std::string shared = R"({"int": {"0": {"name": "AllSteps", "val": 0}, "1": {"name": "One", "val": 1}}})";
    LoadGraph("walker", Graph({{0, "IncreaseIntNode", {1}, {In("int", 0), In("int", 1, true)}},
                               {1, "IncreaseIntNode", {}, {In("int", 0, true), In("int", 1, true)}}},
                              own, shared));
    GameObject* a = Spawn("A", "walker");
    GameObject* b = Spawn("B", "walker", R"({"int": {"0": {"name": "Steps", "val": 10}}})");
    GameObject* off = Spawn("Off", "walker");
    GameObject* lost = Spawn("Lost", "no such graph");
    off->SetActive(false);

    ai->Update(0.016);
    ai->Update(0.016);
    EXPECT_EQ(2, Var<int>(a, "Steps"));
    EXPECT_EQ(12, Var<int>(b, "Steps"));
    EXPECT_EQ(0, Var<int>(off, "Steps")) << "a switched-off object does not run";
    EXPECT_EQ(nullptr, Ai(lost)->tree);
    EXPECT_EQ(nullptr, Ai(lost)->store);
    BehaviourTree* tree = ai->registry.FindByName("walker");
    EXPECT_EQ(4, *LookupVariableByName<int>(tree->globalStore.get(), "AllSteps"));
    EXPECT_EQ(0, *LookupVariableByName<int>(tree->defaultStore.get(), "Steps")) << "the template never changes";
    EXPECT_DOUBLE_EQ(0.016, ai->dt);
}

TEST_F(AiManagerTest, AnObjectCopiedByAGraphRunsInTheSameFrameAndLeavingObjectsAreSafe) {
    NodePrototypes().erase(kIsCollidedNode);
    RegisterNode<CloneOnceProbe>("IsCollidedNode");
    CloneOnceProbe::runs = 0;
    CloneOnceProbe::cloned = false;
    LoadGraph("cloner", Graph({{0, "IsCollidedNode", {}, {}}}, R"({"int": {"0": {"name": "Hp", "val": 3}}})"));
    GameObject* original = Spawn("Original", "cloner");
    Var<int>(original, "Hp") = 9;
    ai->Update(0.016);
    EXPECT_EQ(2, CloneOnceProbe::runs) << "the copy runs although the original left the list before it";
    // The original left mid-pass: the gap it left is closed after the pass.
    ASSERT_EQ(1u, ai->Components().size());
    AI_Component* copy = ai->Components()[0];
    EXPECT_NE(Ai(original), copy);
    EXPECT_EQ(9, *LookupVariableByName<int>(copy->store.get(), "Hp")) << "a copy takes the values by name";
    EXPECT_NE(Ai(original)->store.get(), copy->store.get());
}

TEST_F(AiManagerTest, FindObjectSearchesOneMapOrAllInOrder) {
    auto& maps = GameStateManager::Instance().objectMaps;
    GameObject* first = Spawn("Ball", "none", "{}", "Default", 2);
    GameObject* second = Spawn("Ball", "none", "{}", "Default", 1);
    Spawn("Ball", "none", "{}", "Platform", 0);
    struct Case {
        const char* type;
        const char* name;
        int map;
        GameObject* expected;
    } cases[] = {{"Default", "Ball", 6, second}, {"Default", "Ball", 2, first}, {"Default", "Ball", 0, nullptr},
                 {"Nonsense", "Ball", 6, second}, {"Default", "ball", 6, nullptr}, {"Default", "Ball", 7, nullptr},
                 {"Default", "Ball", -1, nullptr}};
    for (const Case& c : cases) EXPECT_EQ(c.expected, ai->FindObject(c.type, c.name, c.map)) << c.type << c.map;
    ai->objectMaps = nullptr;
    EXPECT_EQ(nullptr, ai->FindObject("Default", "Ball", 6));
    (void)maps;
}

TEST_F(AiManagerTest, APickIsSeenForTheFrameItArrivesIn) {
    Body body;
    PickedBody = &body;  // held by the body under the mouse
    auto* pick = CloneMessage<BodyPickingMessage>();
    pick->x = 12;
    pick->y = -3;
    pick->Post();
    MessageCenter::GetInstance().Dispatch();
    EXPECT_EQ(Vec2(12, -3), ai->pickPoint);
    EXPECT_EQ(&body, ai->pickedBody);
    ai->Update(0.016);
    EXPECT_EQ(nullptr, ai->pickedBody);
}

// Two levels in a row through the real level loader and reset.
class LevelHandOver : public GraphTest {
protected:
    void WriteLevel(const std::string& file, const std::string& graph, const std::string& graphText,
                    const std::string& levelObjVariables) {
        WriteFile("Resources/AI/" + graph + ".json", graphText);
        WriteFile("Resources/AI/" + file + "_list.json",
                  "{\"g\": \"Resources/AI/" + graph + ".json\"}");
        WriteFile(file, R"({"Settings": {"cameraX": 0, "cameraY": 0, "cameraZ": 0, "gravity": 0,
            "AI file": "Resources/AI/)" + file + R"(_list.json"},
            "a": {"Name": "Ball", "Type": "Default", "Active": true},
            "b": {"Name": "LevelObj", "Type": "Default", "Active": true,
                  "AI_Component": {"AI_Type": ")" + graph + R"(", "InputNodeStruct": )" + levelObjVariables + "}}}");
    }
    GameObject* LevelObject() { return ai->FindLevelObject(); }
};

std::string LevelGraph(double intensity, float camX) {
    return Graph({{0, "DebugNode", {}, {}}}, R"({
        "int": {"0": {"name": "Score", "val": 0}},
        "double": {"0": {"name": "intensity", "val": )" + std::to_string(intensity) + R"(}},
        "Vec2": {"0": {"name": "CamStartPos", "x": )" + std::to_string(camX) + R"(, "y": 0}},
        "GameObject*": {"0": {"name": "Ball", "search": {"0": "Default", "1": "Ball"}}}})");
}

TEST_F(LevelHandOver, TheLevelObjectCarriesItsVariablesIntoTheNextLevel) {
    struct Case {
        const char* nextGraph;
        float expectedCam;
        double expectedIntensity;
    } cases[] = {{"Level2_AI", 1.0f, 0.25}, {"Level1_AI", 5.0f, 0.75}};
    for (const Case& c : cases) {
        WriteLevel("first.json", "Start_AI", LevelGraph(0.25, 1.0f), "{}");
        WriteLevel("second.json", c.nextGraph, LevelGraph(0.75, 5.0f), "{}");
        GameStateManager::LoadLevel("first.json");
        GameObject* firstBall = GameStateManager::FindObjectByName("Ball");
        ASSERT_NE(nullptr, LevelObject());
        EXPECT_EQ(firstBall, Var<GameObject*>(LevelObject(), "Ball")) << "bound at load";
        Var<int>(LevelObject(), "Score") = 7;

        GameStateManager::ResetLevel();
        EXPECT_TRUE(ai->Components().empty());
        GameStateManager::LoadLevel("second.json");
        GameObject* level = LevelObject();
        ASSERT_NE(nullptr, level);
        EXPECT_EQ(7, Var<int>(level, "Score")) << c.nextGraph;
        EXPECT_EQ(c.expectedCam, Var<Vec2>(level, "CamStartPos").x) << c.nextGraph;
        EXPECT_EQ(c.expectedIntensity, Var<double>(level, "intensity")) << c.nextGraph;
        GameObject* ball = GameStateManager::FindObjectByName("Ball");
        EXPECT_EQ(ball, Var<GameObject*>(level, "Ball")) << "re-bound to the new level's ball";
        EXPECT_EQ(nullptr, ai->levelData);
        GameStateManager::ResetLevel();
    }
}

TEST_F(LevelHandOver, ALevelWithoutALevelObjectKeepsTheSavedDataForTheNext) {
    WriteLevel("first.json", "Start_AI", LevelGraph(0.25, 1.0f), R"({"int": {"0": {"name": "Score", "val": 3}}})");
    GameStateManager::LoadLevel("first.json");
    EXPECT_EQ(3, Var<int>(LevelObject(), "Score")) << "the level file overrides the graph's template";
    GameStateManager::ResetLevel();
    WriteFile("empty.json", R"({"Settings": {"cameraX": 0, "cameraY": 0, "cameraZ": 0, "gravity": 0,
        "AI file": "Resources/AI/none.json"}})");
    GameStateManager::LoadLevel("empty.json");
    EXPECT_NE(nullptr, ai->levelData);
    GameStateManager::ResetLevel();
    WriteLevel("third.json", "Level3_AI", LevelGraph(0.5, 2.0f), "{}");
    GameStateManager::LoadLevel("third.json");
    EXPECT_EQ(3, Var<int>(LevelObject(), "Score"));
}

TEST_F(AiManagerTest, AComponentWritesItsGraphAndVariables) {
    LoadGraph("writer", Graph({{0, "DebugNode", {}, {}}}, R"({"int": {"0": {"name": "Lives", "val": 3}}})"));
    GameObject* object = Spawn("W", "writer");
    GameObject* lost = Spawn("L", "missing");
    auto text = [](const IGameComponent* component) {
        rapidjson::StringBuffer buffer;
        json::Writer writer(buffer);
        component->Serialize(writer);
        return std::string(buffer.GetString());
    };
    EXPECT_NE(std::string::npos, text(Ai(object)).find("\"AI_Type\": \"writer\""));
    EXPECT_NE(std::string::npos, text(Ai(object)).find("\"Lives\""));
    EXPECT_EQ("{\n    \"AI_Type\": \"\"\n}", text(Ai(lost)));
}

}  // namespace
