// Camera nodes: jumps, pans towards a scene and the decaying screen shake, by the numbers.
#include <gtest/gtest.h>

#include "nodes_effects_fixture.h"

namespace {

using namespace graphtext;

const std::string kVars = R"({
    "bool": {"0": {"name": "Panning", "val": true}, "1": {"name": "isShaking", "val": true}},
    "double": {"0": {"name": "Speed", "val": 30}, "1": {"name": "Intensity", "val": 8},
               "2": {"name": "Decay", "val": 0.5}},
    "int": {"0": {"name": "Scene", "val": 1}},
    "Vec2": {"0": {"name": "S1", "x": -920, "y": 0}, "1": {"name": "S2", "x": 100, "y": 50},
             "2": {"name": "S3", "x": 1640, "y": 0}, "3": {"name": "Spot", "x": 30, "y": 40}},
    "GameObject*": {"0": {"name": "Level"}}})";
const std::string Panning = In("bool", 0), Shaking = In("bool", 1), Speed = In("double", 0),
                  Intensity = In("double", 1), Decay = In("double", 2), Scene = In("int", 0), S1 = In("Vec2", 0),
                  S2 = In("Vec2", 1), S3 = In("Vec2", 2), Spot = In("Vec2", 3), Level = In("GameObject*", 0);

class CameraNodes : public EffectsTest {
protected:
    void Make(const std::vector<NodeText>& nodes) {
        LoadGraph("g", Graph(nodes, kVars));
        self = Spawn("Self", "g");
    }
    GameObject* self = nullptr;
};

TEST_F(CameraNodes, MoveCameraGoesToTheDestinationOrTheLastPositionHandedOver) {
    renderer->camera.SetPosition(5, 5);
    Make({{0, "MoveCameraNode", {}, {""}}});
    Run(self);
    EXPECT_EQ((Vec2{0, 0}), CameraAt()) << "nothing received yet";
    Make({{0, "MoveCameraNode", {}, {Spot}}});
    Run(self);
    EXPECT_EQ((Vec2{30, 40}), CameraAt());
    GameStateManager::Instance().currentScene = 2;
    Make({{0, "ForwardScenePosNode", {1}, {S1, S2, S3}}, {1, "MoveCameraNode", {}, {""}}});
    Run(self);
    EXPECT_EQ((Vec2{1640, 0}), CameraAt());
}

TEST_F(CameraNodes, PanningStepsSidewaysAndStopsOnTheScene) {
    struct Case {
        const char* situation;
        float startX;
        std::vector<float> xs;
    } cases[] = {
        {"right towards the scene", 0, {30, 60, 90, 100, 100}},
        {"left towards the scene", 170, {140, 110, 100, 100}},
    };
    for (const Case& c : cases) {
        Make({{0, "PanCameraNode", {}, {Scene, S1, S2, S3, Speed, Panning}}});
        renderer->camera.SetPosition(c.startX, 0);
        for (size_t run = 0; run < c.xs.size(); ++run) {
            Var<bool>(self, "Panning") = true;
            Run(self);
            EXPECT_EQ((Vec2{c.xs[run], 50}), CameraAt()) << c.situation << " run " << run;
            EXPECT_EQ(c.xs[run] != 100, Var<bool>(self, "Panning")) << c.situation << " run " << run;
        }
    }
    Make({{0, "PanCameraNode", {}, {Scene, S1, "", S3, Speed, Panning}}});
    renderer->camera.SetPosition(7, 7);
    Run(self);
    EXPECT_EQ((Vec2{7, 7}), CameraAt()) << "no position for the scene: no pan";
}

TEST_F(CameraNodes, AShakeCirclesTheSceneWithShrinkingStepsAndEndsOnIt) {
    // On each of the three screens where every stage has them, side by side at one height: at
    // the outer two the shake goes past the stage's end, and up and down, as in the middle.
    const Vec2 offsets[] = {{4, 0}, {0, 0}, {0, 2}, {1, 0}, {1, -0.5f}, {0.75f, 0}, {0, 0}};
    const double intensity[] = {4, 2, 1, 0.5, 0.25, 0.125, 0.0625};
    for (int scene : {0, 1, 2}) {
        Make({{0, "ScreenShakeNode", {}, {"", S1, S2, S3, Intensity, Decay, Shaking}}});
        Var<Vec2>(self, "S1") = {-920, 0};
        Var<Vec2>(self, "S2") = {360, 0};
        Var<Vec2>(self, "S3") = {1640, 0};
        const Vec2 centre = {-920.0f + 1280.0f * scene, 0};
        GameStateManager::Instance().currentScene = scene;
        renderer->camera.SetPosition(centre.x, centre.y);
        for (int run = 0; run < 7; ++run) {
            Run(self);
            const Vec2 want = {centre.x + offsets[run].x, centre.y + offsets[run].y};
            EXPECT_EQ(want, CameraAt()) << "scene " << scene << " run " << run;
            EXPECT_DOUBLE_EQ(intensity[run], Var<double>(self, "Intensity")) << "scene " << scene << " run " << run;
            EXPECT_EQ(run < 6, Var<bool>(self, "isShaking")) << "scene " << scene << " run " << run;
        }
        Run(self);
        EXPECT_EQ(centre, CameraAt()) << "scene " << scene << ": a finished shake stays put";
        EXPECT_DOUBLE_EQ(0.0625, Var<double>(self, "Intensity"));

        // The next shake: a half step right, then on from the bottom side.
        Var<double>(self, "Intensity") = 8;
        Var<bool>(self, "isShaking") = true;
        Run(self);
        EXPECT_EQ((Vec2{centre.x + 4, 0}), CameraAt()) << "scene " << scene;
        Run(self);
        EXPECT_EQ((Vec2{centre.x + 4, 4}), CameraAt()) << "scene " << scene;
    }

    // Outside the three scenes the shake ends on the origin.
    GameStateManager::Instance().currentScene = 5;
    Var<double>(self, "Intensity") = 0.1;
    Run(self);
    EXPECT_EQ((Vec2{0, 0}), CameraAt());
}

TEST_F(CameraNodes, MakeScreenShakeStartsTheLevelObjectsShake) {
    // The level object runs the same graph; its own variables replace the graph's of the same
    // index.
    const std::string shakeVars = R"({"double": {"0": {"name": "intensity", "val": 0}, "1": {"name": "decay", "val": 0}},
                                      "bool": {"1": {"name": "isShaking", "val": false}}})";
    const std::string stillVars = R"({"double": {"0": {"name": "intensity", "val": 0}, "1": {"name": "decay", "val": 0}},
                                      "bool": {"1": {"name": "still", "val": false}}})";
    struct Case {
        const char* situation;
        std::string vars;
        bool shaking;
    } cases[] = {{"a level object with the shake variables", shakeVars, true},
                 {"one without \"isShaking\"", stillVars, false}};
    for (const Case& c : cases) {
        Make({{0, "MakeScreenShakeNode", {}, {Intensity, Decay, Level}}});
        GameObject* level = Spawn("LevelObj", "g", c.vars);
        Var<GameObject*>(self, "Level") = level;
        EXPECT_EQ(-1, Run(self)) << c.situation;
        EXPECT_DOUBLE_EQ(c.shaking ? 8 : 0, Var<double>(level, "intensity")) << c.situation;
        EXPECT_DOUBLE_EQ(c.shaking ? 0.5 : 0, Var<double>(level, "decay")) << c.situation;
        if (c.shaking) {
            EXPECT_TRUE(Var<bool>(level, "isShaking"));
        }
    }
    Make({{0, "ScreenShakeNode", {}, {"", S1, S2, S3, Intensity, Decay, Shaking}}});
    Var<bool>(self, "isShaking") = false;
    renderer->camera.SetPosition(3, 4);
    Run(self);
    EXPECT_EQ((Vec2{3, 4}), CameraAt()) << "no shake";
    EXPECT_DOUBLE_EQ(8, Var<double>(self, "Intensity"));
}

}  // namespace
