// Scene and level-flow nodes: boundary crossings between camera scenes, scene queries, level
// changes, the pause and the full-screen toggle, each run from small graph files.
#include <gtest/gtest.h>

#include "core/message_center.h"
#include "graph/behaviour_tree.h"
#include "graphics/game_window.h"
#include "nodes_menu_fixture.h"

namespace {

using namespace graphtext;

const std::string S1 = In("Vec2", 0), S2 = In("Vec2", 1), S3 = In("Vec2", 2), Gate = In("GameObject*", 0);

// A crossing object's variables; `team` empty leaves "Team" out.
std::string Crosser(int scene, const std::string& team) {
    return R"({"int": {"0": {"name": "Scene", "val": )" + std::to_string(scene) + "}" +
           (team.empty() ? "" : R"(, "1": {"name": "Team", "val": )" + team + "}") +
           R"(}, "Vec2": {"0": {"name": "S1", "x": -920, "y": 1}, "1": {"name": "S2", "x": 360, "y": 2},
                          "2": {"name": "S3", "x": 1640, "y": 3}},
              "GameObject*": {"0": {"name": "Gate"}}})";
}
std::string BoundaryVars(int scene, bool withDirection = true) {
    return R"({"int": {"0": {"name": "Scene", "val": )" + std::to_string(scene) +
           R"(}, "1": {"name": "Team", "val": 5})" + (withDirection ? R"(, "2": {"name": "Direction", "val": 5})" : "") +
           "}}";
}

class MenuSceneNodes : public MenuNodesTest {
protected:
    void SetUp() override {
        MenuNodesTest::SetUp();
        level = Thing("LevelObj", "Default", R"({"GameObject*": {"0": {"name": "CurrentBoundary"}}})");
    }
    // The running object crosses boundary `crossed` (its partner is `other`).
    GameObject* Cross(int ownScene, const std::string& team, GameObject* crossed,
                      std::vector<std::string> positions = {S1, S2, S3}) {
        std::vector<std::string> ins = {Gate};
        ins.insert(ins.end(), positions.begin(), positions.end());
        GameObject* self = Make({{0, "ChangeSceneNode", {1}, ins}, {1, "MoveCameraNode", {}, {""}}},
                                Crosser(ownScene, team));
        Var<GameObject*>(self, "Gate") = crossed;
        return self;
    }
    GameObject* level = nullptr;
};

TEST_F(MenuSceneNodes, CrossingABoundarySwapsScenesTurnsItToTheOtherTeamAndMovesTheCamera) {
    const struct {
        const char* situation;
        const char* crossedName;
        int own, boundary;
        const char* team;
        int newTeam, direction;
        Vec2 camera;
    } cases[] = {
        {"red walks left into scene 0", "Gate", 1, 0, "0", 1, 1, {-920, 1}},
        {"blue walks right into scene 2", "Gate", 1, 2, "1", 0, -1, {1640, 3}},
        {"any team but blue counts as red", "Gate", 2, 1, "2", 1, 1, {360, 2}},
        {"the second gate pairs with the first", "Gate_2", 0, 1, "1", 0, -1, {360, 2}},
    };
    for (const auto& c : cases) {
        const std::string partnerName = std::string(c.crossedName) == "Gate" ? "Gate_2" : "Gate";
        GameObject* crossed = Thing(c.crossedName, "Boundary", BoundaryVars(c.boundary));
        GameObject* partner = Thing(partnerName, "Boundary", BoundaryVars(7));
        GameObject* self = Cross(c.own, c.team, crossed);
        const size_t sent = MessageCenter::GetInstance().SentCount();
        EXPECT_EQ(-1, Run(self)) << c.situation;
        EXPECT_EQ(c.boundary, Var<int>(self, "Scene")) << c.situation;
        for (GameObject* gate : {crossed, partner}) {
            EXPECT_EQ(c.own, Var<int>(gate, "Scene")) << c.situation << " " << gate->name;
            EXPECT_EQ(c.newTeam, Var<int>(gate, "Team")) << c.situation << " " << gate->name;
            EXPECT_EQ(c.direction, Var<int>(gate, "Direction")) << c.situation << " " << gate->name;
        }
        EXPECT_EQ(c.boundary, GameStateManager::requestedScene) << c.situation;
        EXPECT_EQ(sent + 1, MessageCenter::GetInstance().SentCount()) << c.situation;
        EXPECT_EQ(crossed, Var<GameObject*>(level, "CurrentBoundary")) << c.situation;
        EXPECT_EQ(c.camera, CameraAt()) << c.situation;
        crossed->name = partner->name = "gone";
    }

    // Standing on the boundary's own side swaps nothing but still moves the camera there.
    GameObject* crossed = Thing("Wall", "Boundary", BoundaryVars(2));
    GameObject* self = Cross(2, "0", crossed);
    EXPECT_EQ(-1, Run(self));
    EXPECT_EQ(5, Var<int>(crossed, "Team"));
    EXPECT_EQ(5, Var<int>(crossed, "Direction"));
    EXPECT_EQ(2, GameStateManager::requestedScene);
    EXPECT_EQ((Vec2{1640, 3}), CameraAt());
}

TEST_F(MenuSceneNodes, ACrossingWithAPieceMissingChangesNothing) {
    const struct {
        const char* situation;
        bool gateSet, partner, direction, team, levelObject;
        int gateScene;
        std::vector<std::string> positions;
    } cases[] = {
        {"no boundary object", false, true, true, true, true, 0, {S1, S2, S3}},
        {"no partner boundary", true, false, true, true, true, 0, {S1, S2, S3}},
        {"the boundary has no direction", true, true, false, true, true, 0, {S1, S2, S3}},
        {"the crossing object has no team", true, true, true, false, true, 0, {S1, S2, S3}},
        {"no level object", true, true, true, true, false, 0, {S1, S2, S3}},
        {"the scene's position is unbound", true, true, true, true, true, 0, {"", S2, S3}},
        {"the boundary's scene is no scene", true, true, true, true, true, 3, {S1, S2, S3}},
    };
    for (const auto& c : cases) {
        GameObject* crossed = Thing("Gate", "Boundary", BoundaryVars(c.gateScene, c.direction));
        GameObject* partner = Thing(c.partner ? "Gate_2" : "Elsewhere", "Boundary", BoundaryVars(7));
        level->name = c.levelObject ? "LevelObj" : "NotTheLevel";
        GameObject* self = Cross(1, c.team ? "0" : "", c.gateSet ? crossed : nullptr, c.positions);
        GameStateManager::requestedScene = 9;
        const size_t sent = MessageCenter::GetInstance().SentCount();
        EXPECT_EQ(0, Run(self)) << c.situation;
        EXPECT_EQ(1, Var<int>(self, "Scene")) << c.situation;
        EXPECT_EQ(c.gateScene, Var<int>(crossed, "Scene")) << c.situation;
        EXPECT_EQ(5, Var<int>(crossed, "Team")) << c.situation;
        EXPECT_EQ(7, Var<int>(partner, "Scene")) << c.situation;
        EXPECT_EQ(9, GameStateManager::requestedScene) << c.situation;
        EXPECT_EQ(sent, MessageCenter::GetInstance().SentCount()) << c.situation;
        EXPECT_EQ(nullptr, Var<GameObject*>(level, "CurrentBoundary")) << c.situation;
        crossed->name = partner->name = "gone";
    }
}

TEST_F(MenuSceneNodes, TheSceneIsFollowedAndItsPositionHandedOn) {
    const std::string vars = R"({"int": {"0": {"name": "Seen", "val": 1}},
        "Vec2": {"0": {"name": "S1", "x": -920, "y": 1}, "1": {"name": "S2", "x": 360, "y": 2},
                 "2": {"name": "S3", "x": 1640, "y": 3}}})";
    const struct {
        int scene;
        int seenAfter;
        bool forwarded;
        Vec2 camera;
    } cases[] = {
        {1, 1, true, {360, 2}},
        {0, 0, true, {-920, 1}},
        {2, 2, true, {1640, 3}},
        {5, 5, false, {0, 0}},
    };
    for (const auto& c : cases) {
        GameStateManager::Instance().currentScene = c.scene;
        renderer->camera.SetPosition(0, 0);
        GameObject* check = Make({{0, "CheckAndSetSceneNode", {}, {In("int", 0)}}}, vars, "check");
        EXPECT_EQ(-1, Run(check));
        EXPECT_EQ(c.seenAfter, Var<int>(check, "Seen")) << "scene " << c.scene;
        GameObject* forward = Make({{0, "ForwardScenePosNode", {1}, {S1, S2, S3}}, {1, "MoveCameraNode", {}, {""}}},
                                   vars, "forward");
        EXPECT_EQ(c.forwarded ? -1 : 0, Run(forward)) << "scene " << c.scene;
        EXPECT_EQ(c.camera, CameraAt()) << "scene " << c.scene;
    }
}

// Which output a one-node graph takes: its outputs lead to SetDoubleNode markers.
class MenuSceneQueries : public MenuSceneNodes {
protected:
    int Taken(const std::string& node, int outputs, const std::vector<std::string>& ins, const std::string& vars) {
        std::vector<NodeText> nodes = {{0, node, {}, ins}};
        std::string markers = R"({"double": {)";
        for (int i = 0; i < outputs; ++i) {
            nodes[0].outs.push_back(i + 1);
            nodes.push_back({i + 1, "SetDoubleNode", {}, {In("double", 0), In("double", i + 1)}});
            markers += (i ? ", " : "") + std::string("\"") + std::to_string(i + 1) + "\": {\"name\": \"m" +
                       std::to_string(i) + "\", \"val\": " + std::to_string(i) + "}";
        }
        std::string text = vars;
        text.insert(1, R"("double": {"0": {"name": "taken", "val": -1}, )" + markers.substr(12) + "}, ");
        GameObject* self = Make(nodes, text);
        Run(self);
        return static_cast<int>(Var<double>(self, "taken"));
    }
};

TEST_F(MenuSceneQueries, EachQueryTakesTheOutputOfTheScene) {
    const std::string vars = R"({"int": {"0": {"name": "Scene", "val": 2}}, "GameState": {"0": {"name": "At", "val": "Level_2"}}})";
    const struct {
        int scene;
        GameState state;
        bool paused;
        int compare, check, get, changed, isPaused;
    } cases[] = {
        {2, Level_2, false, 0, 1, 2, 1, 1},
        {1, Level_1, true, 1, 0, 1, 0, 0},
        {0, MainMenu, false, 1, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        GameStateManager::Instance().currentScene = c.scene;
        GameStateManager::currentState = c.state;
        GameStateManager::isPaused = c.paused;
        EXPECT_EQ(c.compare, Taken("CompareSceneNode", 2, {In("int", 0)}, vars)) << c.scene;
        EXPECT_EQ(c.check, Taken("CheckAndSetSceneNode", 2, {In("int", 0)}, vars)) << c.scene;
        EXPECT_EQ(c.get, Taken("GetSceneNode", 3, {}, vars)) << c.scene;
        EXPECT_EQ(c.changed, Taken("IsLevelChangedNode", 2, {In("GameState", 0)}, vars)) << c.scene;
        EXPECT_EQ(c.isPaused, Taken("IsLevelPausedNode", 2, {}, vars)) << c.scene;
    }
    // Unbound: a missing scene compares unequal and counts as no change; no state, no answer.
    EXPECT_EQ(1, Taken("CompareSceneNode", 2, {}, vars));
    EXPECT_EQ(1, Taken("CheckAndSetSceneNode", 2, {}, vars));
    EXPECT_EQ(-1, Taken("IsLevelChangedNode", 2, {}, vars));
}

TEST_F(MenuSceneQueries, LevelFlowAsksForStatesPausesAndTogglesFullScreen) {
    const std::string vars = R"({"GameState": {"0": {"name": "Next", "val": "Selection"}},
        "GameObject*": {"0": {"name": "Loading"}}})";
    // A change of level ends the chain even when the file links an output to it.
    GameObject* changer = Make({{0, "ChangeLevelNode", {1}, {In("GameState", 0)}}, {1, "PauseLevelNode", {}, {}}}, vars);
    size_t sent = MessageCenter::GetInstance().SentCount();
    EXPECT_EQ(0, Run(changer));
    EXPECT_EQ(Selection, GameStateManager::requestedState);
    EXPECT_EQ(sent + 1, MessageCenter::GetInstance().SentCount());
    EXPECT_FALSE(GameStateManager::isPaused);
    GameObject* lost = Make({{0, "ChangeLevelNode", {}, {}}}, vars);
    GameStateManager::requestedState = MainMenu;
    sent = MessageCenter::GetInstance().SentCount();
    EXPECT_EQ(0, Run(lost));
    EXPECT_EQ(MainMenu, GameStateManager::requestedState) << "no state, no request";
    EXPECT_EQ(sent, MessageCenter::GetInstance().SentCount());

    // The loading screen's graph keeps where to go in its graph-wide "NextLevel".
    LoadGraph("loading", Graph({{0, "DebugNode", {}, {}}}, "{}", R"({"GameState": {"0": {"name": "NextLevel", "val": "MainMenu"}}})"));
    GameObject* screen = Spawn("Loading", "loading");
    BehaviourTree* loading = Ai(screen)->tree;
    GameObject* setter = Make({{0, "SetNextLevelNode", {}, {In("GameState", 0), In("GameObject*", 0)}}}, vars);
    EXPECT_EQ(0, Run(setter)) << "no loading screen yet";
    Var<GameObject*>(setter, "Loading") = screen;
    EXPECT_EQ(-1, Run(setter));
    EXPECT_EQ(Selection, *LookupVariableByName<GameState>(loading->globalStore.get(), "NextLevel"));
    Var<GameObject*>(setter, "Loading") = setter;
    EXPECT_EQ(0, Run(setter)) << "a screen whose graph has no NextLevel";

    GameObject* pauser = Make({{0, "PauseLevelNode", {}, {}}}, vars);
    Run(pauser);
    EXPECT_TRUE(GameStateManager::isPaused);
    Run(pauser);
    EXPECT_FALSE(GameStateManager::isPaused);

    EXPECT_EQ(-1, Taken("ToggleFullScreenNode", 2, {}, vars)) << "no window, nothing to toggle";
    auto* window = new GameWindow();
    SystemManager::GetInstance().AddSystem(window);
    ASSERT_TRUE(window->Init());
    EXPECT_EQ(0, Taken("ToggleFullScreenNode", 2, {}, vars));
    EXPECT_TRUE(window->isFullScreen);
    EXPECT_EQ(1, Taken("ToggleFullScreenNode", 2, {}, vars));
    EXPECT_FALSE(window->isFullScreen);
    // A switch the system refuses leaves the window as it was, and the output says so.
    auto& scripted = static_cast<platform::ScriptedBackend&>(platform::Current());
    scripted.RefuseFullScreenSwitches(true);
    EXPECT_EQ(1, Taken("ToggleFullScreenNode", 2, {}, vars)) << "still windowed";
    EXPECT_FALSE(window->isFullScreen);
    scripted.RefuseFullScreenSwitches(false);
    EXPECT_EQ(0, Taken("ToggleFullScreenNode", 2, {}, vars));
    scripted.RefuseFullScreenSwitches(true);
    EXPECT_EQ(0, Taken("ToggleFullScreenNode", 2, {}, vars)) << "still full screen";
    EXPECT_TRUE(window->isFullScreen);
}

}  // namespace
