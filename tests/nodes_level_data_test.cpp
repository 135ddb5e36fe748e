// Level-data and object-state nodes, run from small graph files.
#include <gtest/gtest.h>

#include "graph_fixture.h"
#include "support/probe_component.h"

namespace {

using namespace graphtext;

const char* const kPlayer = R"({
    "int": {"0": {"name": "Score", "val": 1}, "1": {"name": "Unknown", "val": 2}},
    "double": {"0": {"name": "intensity", "val": 0.5}},
    "Vec2": {"0": {"name": "InitPos1", "x": 1, "y": 2}},
    "GameState": {"0": {"name": "NextLevel", "val": "MainMenu"}},
    "GameObject*": {"0": {"name": "Ball"}, "1": {"name": "Target"}},
    "string": {"0": {"name": "flag", "val": "Ready"}, "1": {"name": "missing", "val": "NoSuchFlag"}},
    "bool": {"0": {"name": "yes", "val": true}, "1": {"name": "no", "val": false}, "9": {"name": "ran", "val": false}}})";

const char* const kLevel = R"({
    "int": {"5": {"name": "Score", "val": 7}},
    "double": {"0": {"name": "intensity", "val": 2.5}},
    "Vec2": {"0": {"name": "InitPos1", "x": 10, "y": 20}},
    "GameState": {"0": {"name": "NextLevel", "val": "Level_2"}},
    "GameObject*": {"0": {"name": "Ball"}},
    "bool": {"0": {"name": "Ready", "val": false}}})";

std::vector<std::string> LevelDataInputs() {
    return {"", In("int", 0), In("GameObject*", 0), In("double", 0), In("GameState", 0), In("Vec2", 0)};
}

class LevelDataNodes : public GraphTest {
protected:
    void SetUp() override {
        GraphTest::SetUp();
        LoadGraph("level", Graph({{0, "DebugNode", {}, {}}}, kLevel));
        level = Spawn("LevelObj", "level");
        ball = Spawn("Ball", "level", "{}", "Default", 2);
        Var<GameObject*>(level, "Ball") = ball;
    }
    GameObject* level = nullptr;
    GameObject* ball = nullptr;
};

TEST_F(LevelDataNodes, GetAndSetCopyBetweenSameNamedVariables) {
    LoadGraph("get", Graph({{0, "GetLevelDataNode", {1}, LevelDataInputs()}, {1, "SetBoolToNode", {}, {In("bool", 9)}}},
                           kPlayer));
    GameObject* player = Spawn("Player", "get");
    EXPECT_EQ(-1, Run(player));
    EXPECT_EQ(7, Var<int>(player, "Score"));
    EXPECT_EQ(2.5, Var<double>(player, "intensity"));
    EXPECT_EQ(Vec2(10, 20), Var<Vec2>(player, "InitPos1"));
    EXPECT_EQ(Level_2, Var<GameState>(player, "NextLevel"));
    EXPECT_EQ(ball, Var<GameObject*>(player, "Ball"));
    EXPECT_TRUE(Var<bool>(player, "ran"));

    // A name the level object does not hold keeps its value.
    LoadGraph("odd", Graph({{0, "GetLevelDataNode", {}, {"", In("int", 1)}}}, kPlayer));
    GameObject* odd = Spawn("Odd", "odd");
    Run(odd);
    EXPECT_EQ(2, Var<int>(odd, "Unknown"));

    LoadGraph("set", Graph({{0, "SetLevelDataNode", {}, LevelDataInputs()}}, kPlayer));
    GameObject* writer = Spawn("Writer", "set");
    Var<int>(writer, "Score") = 42;
    Var<GameObject*>(writer, "Ball") = nullptr;
    Run(writer);
    EXPECT_EQ(42, Var<int>(level, "Score"));
    EXPECT_EQ(0.5, Var<double>(level, "intensity"));
    EXPECT_EQ(nullptr, Var<GameObject*>(level, "Ball"));
}

TEST_F(LevelDataNodes, WithoutALevelObjectNothingIsCopiedAndItIsSoughtAgain) {
    level->name = "NotTheLevel";
    LoadGraph("get", Graph({{0, "GetLevelDataNode", {1}, LevelDataInputs()}, {1, "SetBoolToNode", {}, {In("bool", 9)}}},
                           kPlayer));
    GameObject* player = Spawn("Player", "get");
    Run(player);
    EXPECT_EQ(1, Var<int>(player, "Score"));
    EXPECT_TRUE(Var<bool>(player, "ran"));
    level->name = "LevelObj";
    Run(player);
    EXPECT_EQ(7, Var<int>(player, "Score"));
}

TEST_F(LevelDataNodes, ObjectStateNodesSwitchAndSetOtherObjects) {
    struct Case {
        const char* situation;
        NodeText node;
        bool targetActive, selfActive, ready;
        int result;
    } cases[] = {
        {"bool by name", {0, "SetGameObjBoolNode", {}, {In("GameObject*", 1), In("bool", 0), In("string", 0)}},
         true, true, true, -1},
        {"bool of an unknown name", {0, "SetGameObjBoolNode", {}, {In("GameObject*", 1), In("bool", 0), In("string", 1)}},
         true, true, false, -1},
        {"bool without a value", {0, "SetGameObjBoolNode", {}, {In("GameObject*", 1), "", In("string", 0)}},
         true, true, false, -1},
        {"bool of no object", {0, "SetGameObjBoolNode", {}, {In("GameObject*", 0), In("bool", 0), In("string", 0)}},
         true, true, false, -1},
        {"switch another off", {0, "SetGameObjActive", {}, {In("GameObject*", 1), In("bool", 1)}}, false, true, false, -1},
        {"switch nothing off", {0, "SetGameObjActive", {}, {In("GameObject*", 0), In("bool", 1)}}, true, true, false, -1},
        {"switch self off", {0, "SetObjActiveNode", {}, {In("bool", 1)}}, true, false, false, -1},
        {"switch self unbound", {0, "SetObjActiveNode", {}, {""}}, true, true, false, -1},
        {"destroy", {0, "DestroyNode", {}, {}}, true, false, false, 0},
    };
    for (const Case& c : cases) {
        LoadGraph("state", Graph({c.node}, kPlayer));
        GameObject* self = Spawn("Self", "state");
        GameObject* target = Spawn("Target", "level");
        Var<GameObject*>(self, "Target") = target;
        Var<GameObject*>(self, "Ball") = nullptr;
        EXPECT_EQ(c.result, Run(self)) << c.situation;
        EXPECT_EQ(c.targetActive, target->active) << c.situation;
        EXPECT_EQ(c.selfActive, self->active) << c.situation;
        EXPECT_EQ(c.selfActive, Ai(self)->active) << c.situation;
        EXPECT_EQ(c.ready, Var<bool>(target, "Ready")) << c.situation;
    }
}

TEST_F(LevelDataNodes, ADestroyedObjectStopsRunningAndAHiddenSpriteStaysOff) {
    LoadGraph("doomed", Graph({{0, "IncreaseIntNode", {1}, {In("int", 0), In("int", 1)}}, {1, "DestroyNode", {}, {}}},
                              kPlayer));
    GameObject* doomed = Spawn("Doomed", "doomed");
    ai->Update(0.016);
    ai->Update(0.016);
    EXPECT_EQ(3, Var<int>(doomed, "Score")) << "ran once, then switched off";

    LoadGraph("wake", Graph({{0, "SetObjActiveNode", {}, {In("bool", 0)}}}, kPlayer));
    GameObject* sleeper = Spawn("Sleeper", "wake");
    auto* sprite = new ProbeComponent<SPRITE>();
    sprite->hidden = true;
    sleeper->AddComponent(sprite);
    sleeper->SetActive(false);
    Ai(sleeper)->active = true;
    Run(sleeper);
    EXPECT_TRUE(sleeper->active);
    EXPECT_FALSE(sprite->active);
}

}  // namespace
