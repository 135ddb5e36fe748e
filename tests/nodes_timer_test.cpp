// Timer, random-number and pass-through nodes, run from small graph files.
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "core/random.h"
#include "graph_fixture.h"

namespace {

using namespace graphtext;

const char* const kVariables = R"({
    "int": {"0": {"name": "from", "val": 0}, "1": {"name": "to", "val": 0}, "2": {"name": "out", "val": -99}},
    "double": {"0": {"name": "up", "val": 0}, "1": {"name": "down", "val": 1}},
    "bool": {"9": {"name": "ran", "val": false}}})";

using TimerNodes = GraphTest;

TEST_F(TimerNodes, TheTimerFollowsTheFrameLength) {
    struct Case {
        const char* situation;
        std::vector<std::string> ins;
        std::vector<double> frames;
        double up, down;
    } cases[] = {
        {"first frame has no length", {In("double", 0), In("double", 1)}, {0.0}, 0.0, 1.0},
        {"two frames of 16 ms", {In("double", 0), In("double", 1)}, {0.016, 0.016}, 0.032, 1.0 - 0.032},
        {"one variable both ways", {In("double", 0), In("double", 0)}, {0.016, 0.016}, 0.0, 1.0},
        {"nothing bound still goes on", {"", ""}, {0.016}, 0.0, 1.0},
    };
    for (const auto& c : cases) {
        LoadGraph("timer", Graph({{0, "TimerNode", {1}, c.ins}, {1, "SetBoolToNode", {}, {In("bool", 9)}}}, kVariables));
        GameObject* object = Spawn("Clock", "timer");
        for (double frame : c.frames) ai->Update(frame);
        EXPECT_NEAR(c.up, Var<double>(object, "up"), 1e-12) << c.situation;
        EXPECT_NEAR(c.down, Var<double>(object, "down"), 1e-12) << c.situation;
        EXPECT_TRUE(Var<bool>(object, "ran")) << c.situation;
        GameStateManager::DestroyAllObjects();
    }
}

TEST_F(TimerNodes, RandomNumbersStayWithinTheirBounds) {
    struct Case {
        int from, to;
        std::set<int> allowed;
    } cases[] = {{0, 1, {0}}, {0, 4, {0, 1, 2, 3}}, {5, 5, {5}}, {3, 1, {3, 4}}, {-2, 0, {-2, -1}}};
    for (const auto& c : cases) {
        const std::vector<std::string> ins = {In("int", 0), In("int", 1), In("int", 2)};
        LoadGraph("dice", Graph({{0, "GetRandomIntNode", {1}, ins}, {1, "SetBoolToNode", {}, {In("bool", 9)}}}, kVariables));
        GameObject* object = Spawn("Dice", "dice");
        Var<int>(object, "from") = c.from;
        Var<int>(object, "to") = c.to;
        for (int roll = 0; roll < 20; ++roll) {
            Run(object);
            EXPECT_EQ(1u, c.allowed.count(Var<int>(object, "out"))) << c.from << ".." << c.to;
        }
        EXPECT_TRUE(Var<bool>(object, "ran"));
    }
}

TEST_F(TimerNodes, RandomNumbersStayInTheirRangeReplayWithTheSeedAndNeedAllInputs) {
    LoadGraph("dice", Graph({{0, "GetRandomIntNode", {1}, {In("int", 0), In("int", 1), In("int", 2)}},
                             {1, "SetBoolToNode", {}, {In("bool", 9)}}},
                            kVariables));
    GameObject* object = Spawn("Dice", "dice");
    Var<int>(object, "to") = 1000;
    auto draws = [&] {
        std::vector<int> seen;
        for (int i = 0; i < 20; ++i) {
            Run(object);
            seen.push_back(Var<int>(object, "out"));
        }
        return seen;
    };
    SeedRandom(7);
    const std::vector<int> first = draws();
    for (int value : first) EXPECT_TRUE(value >= 0 && value < 1000) << value;
    EXPECT_NE(first.front(), first.back()) << "consecutive runs draw different numbers";
    SeedRandom(7);
    EXPECT_EQ(first, draws()) << "the same seed replays the same numbers";

    LoadGraph("half", Graph({{0, "GetRandomIntNode", {1}, {In("int", 0), "", In("int", 2)}},
                             {1, "SetBoolToNode", {}, {In("bool", 9)}}},
                            kVariables));
    GameObject* half = Spawn("Half", "half");
    EXPECT_EQ(-1, Run(half));
    EXPECT_EQ(-99, Var<int>(half, "out")) << "without a bound nothing is drawn";
    EXPECT_TRUE(Var<bool>(half, "ran"));
}

TEST_F(TimerNodes, PassThroughNodesOnlyGoOn) {
    LoadGraph("chain", Graph({{0, "LevelStartNode", {1}, {}},
                              {1, "SwapControlNode", {2}, {}},
                              {2, "DebugNode", {3}, {}},
                              {3, "SetBoolToNode", {}, {In("bool", 9)}}},
                             kVariables));
    GameObject* object = Spawn("Walker", "chain");
    EXPECT_EQ(-1, Run(object));
    EXPECT_TRUE(Var<bool>(object, "ran"));
    LoadGraph("open", Graph({{0, "DebugNode", {}, {}}}));
    EXPECT_EQ(-1, ai->registry.FindByName("open")->RunNode(0, nullptr));
}

}  // namespace
