// Respawn nodes: a knocked-out character comes back at its scene's point or at the point the
// level's current boundary keeps for it, and its respawn light marks the return.
#include <functional>

#include <gtest/gtest.h>

#include "nodes_combat_fixture.h"

namespace {

using namespace graphtext;

const std::string kRunner = R"(
    "Vec2": {"0": {"name": "Scene0", "x": -900, "y": 100}, "1": {"name": "Scene1", "x": 300, "y": 110},
             "2": {"name": "Scene2", "x": 1600, "y": 120}},
    "string": {"0": {"name": "RespawnPoint", "val": "Holder"}},
    "int": {"0": {"name": "Team", "val": 1}, "1": {"name": "resSeq", "val": 2}},
    "double": {"0": {"name": "RespawnTime", "val": 1.5}}, "GameObject*": {"0": {"name": "RespawnObj"}})";

class RespawnNodes : public CombatNodesTest {
protected:
    void Load(const NodeText& node) {
        LoadFighter(node, 1, R"("0": {"name": "IsRespawn", "val": false})", kRunner);
        BodyOf(fighter)->velX = 4;
    }
    // The level object whose current boundary keeps the respawn points.
    GameObject* LoadBoundaryLevel() {
        factory->DestroyAllObjects(GameStateManager::Instance().objectMaps[GameStateManager::kLevelMap]);
        LoadGraph("level", Graph({{0, "DebugNode", {}, {}}}, R"({"GameObject*": {"0": {"name": "CurrentBoundary"}}})"));
        LoadGraph("boundary", Graph({{0, "DebugNode", {}, {}}}, R"({
            "int": {"0": {"name": "Team", "val": 1}, "1": {"name": "Direction", "val": 1}},
            "Vec2": {"0": {"name": "LeftHolder", "x": 10, "y": 1}, "1": {"name": "RightHolder", "x": 20, "y": 2},
                     "2": {"name": "RightOppo2", "x": 30, "y": 3}, "3": {"name": "LeftFriend2", "x": 40, "y": 4}}})"));
        GameObject* boundary = Spawn("Gate", "boundary", "{}", "Boundary");
        Var<GameObject*>(Spawn("LevelObj", "level"), "CurrentBoundary") = boundary;
        Load({0, "NewRespawnNode", {}, {In("string", 0)}});
        return boundary;
    }
    // Where the runner is, and whether the respawn stopped it.
    std::pair<Vec2, bool> Runner() { return {At(fighter), BodyOf(fighter)->velX == 0}; }
};

TEST_F(RespawnNodes, ARunnerComesBackAtThePointOfTheSceneOnScreenAnnouncedOncePerFrame) {
    const std::string all[] = {In("Vec2", 0), In("Vec2", 1), In("Vec2", 2)};
    const struct {
        int scene;
        std::vector<std::string> ins;
        Vec2 at;
    } cases[] = {{0, {all[0], all[1], all[2]}, {-900, 100}}, {1, {"", all[1], ""}, {300, 110}},
                 {2, {all[0], all[1], all[2]}, {1600, 120}}, {2, {all[0], all[1], ""}, {100, 50}},
                 {3, {all[0], all[1], all[2]}, {100, 50}}};
    for (const auto& c : cases) {
        GameStateManager::Instance().currentScene = c.scene;
        Load({0, "RespawnNode", {}, c.ins});
        const bool respawns = c.at != Vec2(100, 50);
        EXPECT_EQ(respawns ? -1 : 0, Run(fighter)) << c.scene;
        Run(fighter);
        EXPECT_EQ(std::make_pair(c.at, respawns), Runner()) << c.scene;
        ApplyQueuedMoves();
        EXPECT_EQ(respawns ? 1u : 0u, posted) << c.scene << ": two respawns, one message";
        EXPECT_EQ(0, BodyOf(fighter)->accX) << "the message pushes nobody";
    }
    Hide(fighter, BODY);
    EXPECT_EQ(0, Run(fighter)) << "nobody to put back";
}

TEST_F(RespawnNodes, TheBoundaryKeepsAPointForTheHolderAndForEachPlaceOnEachSide) {
    const struct {
        const char* point;
        int boundaryTeam, direction;
        Vec2 at;
    } cases[] = {{"Holder", 1, 1, {10, 1}}, {"Holder", 0, -1, {20, 2}}, {"Anything", 1, -1, {30, 3}}, {"", 0, -2, {40, 4}}};
    for (const auto& c : cases) {
        GameObject* boundary = LoadBoundaryLevel();
        Var<std::string>(fighter, "RespawnPoint") = c.point;
        Var<int>(boundary, "Team") = c.boundaryTeam;
        Var<int>(boundary, "Direction") = c.direction;
        EXPECT_EQ(-1, Run(fighter)) << c.point << " " << c.direction;
        EXPECT_EQ(std::make_pair(c.at, true), Runner()) << c.point << " " << c.direction;
    }
}

TEST_F(RespawnNodes, WithoutABoundaryPointNobodyRespawns) {
    const struct {
        const char* situation;
        std::function<void(GameObject* runner, GameObject* boundary)> spoil;
    } cases[] = {
        {"no current boundary", [](GameObject*, GameObject*) { Var<GameObject*>(TheAiManager()->FindLevelObject(), "CurrentBoundary") = nullptr; }},
        {"no level object", [](GameObject*, GameObject*) { TheAiManager()->FindLevelObject()->name = "Elsewhere"; }},
        {"a boundary without a direction", [](GameObject*, GameObject* b) { Forget<int>(b, "Direction"); }},
        {"no point of that name", [](GameObject*, GameObject* b) { Forget<Vec2>(b, "LeftHolder"); }},
        {"a runner without a place", [](GameObject* r, GameObject*) { Var<std::string>(r, "RespawnPoint") = "Oppo"; Forget<int>(r, "resSeq"); }},
    };
    for (const auto& c : cases) {
        GameObject* boundary = LoadBoundaryLevel();
        c.spoil(fighter, boundary);
        EXPECT_EQ(0, Run(fighter)) << c.situation;
        EXPECT_EQ(std::make_pair(Vec2(100, 50), false), Runner()) << c.situation;
        ApplyQueuedMoves();
        EXPECT_EQ(0u, posted) << c.situation;
    }
}

TEST_F(RespawnNodes, TheRespawnLightStandsAtTheRunnerAndStartsItsAnimation) {
    const std::vector<std::string> ins = {In("int", 1), In("bool", 0), In("double", 0), In("GameObject*", 0), In("int", 0)};
    Load({0, "RespawnAnimNode", {}, ins});
    LoadGraph("light", Graph({{0, "DebugNode", {}, {}}}, R"({
        "double": {"0": {"name": "AnimTime", "val": 0}}, "bool": {"0": {"name": "ActiveBool", "val": false}}})"));
    Spawn("RespawnLight21", "light");
    GameObject* light = Spawn("RespawnLight12", "light");
    GiveBody(light, 0, 0);
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(-1, Run(fighter)) << run;
        EXPECT_EQ(light, Var<GameObject*>(fighter, "RespawnObj")) << "team 1, place 2";
        EXPECT_EQ(Vec2(100, 360), At(light));
        EXPECT_EQ(1.5, Var<double>(light, "AnimTime"));
        EXPECT_TRUE(Var<bool>(light, "ActiveBool"));
        EXPECT_TRUE(Var<bool>(fighter, "IsRespawn")) << "also when it was set already";
    }
    light->name = "Gone";
    Load({0, "RespawnAnimNode", {}, ins});
    EXPECT_EQ(0, Run(fighter)) << "no light of that name";
    EXPECT_FALSE(Var<bool>(fighter, "IsRespawn"));
}

}  // namespace
