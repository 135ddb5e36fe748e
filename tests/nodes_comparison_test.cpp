// Comparison and test nodes, run from small graph files: "True" leads to a node marking the
// bool "wentTrue", "False" to one marking "wentFalse".
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graph_fixture.h"

namespace {

using namespace graphtext;

const char* const kVariables = R"({
    "int": {"0": {"name": "i0", "val": 0}, "1": {"name": "i1", "val": 0}},
    "double": {"0": {"name": "d0", "val": 0}, "1": {"name": "d1", "val": 0}},
    "bool": {"0": {"name": "b0", "val": false}, "8": {"name": "wentTrue", "val": false},
             "9": {"name": "wentFalse", "val": false}}})";

enum Way { kTrue, kFalse, kStop };

struct Case {
    const char* node;
    std::vector<std::string> ins;
    double a, b;  // the two inputs' values (ints take them truncated; bools: a != 0)
    Way way;
};

using ComparisonNodes = GraphTest;

TEST_F(ComparisonNodes, TakeTrueOrFalseOrStop) {
    const std::string I0 = In("int", 0), I1 = In("int", 1), D0 = In("double", 0), D1 = In("double", 1);
    const std::string B0 = In("bool", 0);
    const double nan = std::nan("");
    const Case cases[] = {
        {"IsGreaterNode", {D0, D1}, 2, 1, kTrue},       {"IsGreaterNode", {D0, D1}, 1, 1, kFalse},
        {"IsGreaterNode", {D0, D1}, nan, 1, kFalse},    {"IsGreaterNode", {D0, ""}, 2, 1, kStop},
        {"IsGreaterIntNode", {I0, I1}, 3, 3, kFalse},   {"IsGreaterIntNode", {I0, I1}, 4, 3, kTrue},
        {"IsGreaterIntNode", {"", I1}, 4, 3, kStop},    {"IsLesserIntNode", {I0, I1}, 3, 3, kFalse},
        {"IsLesserIntNode", {I0, I1}, 2, 3, kTrue},     {"IsLesserIntNode", {I0, ""}, 2, 3, kStop},
        {"IsWithinTimeNode", {D0, D1}, 1.0, 0.5, kTrue}, {"IsWithinTimeNode", {D0, D1}, 1.0, 1.0, kFalse},
        {"IsWithinTimeNode", {D0, ""}, 1.0, 5.0, kTrue}, {"IsWithinTimeNode", {D0, D1}, nan, 0, kFalse},
        {"IsTrueNode", {B0}, 1, 0, kTrue},              {"IsTrueNode", {B0}, 0, 0, kFalse},
        {"IsTrueNode", {""}, 1, 0, kStop},              {"IsHoldingBallNode", {B0}, 1, 0, kTrue},
        {"IsHoldingBallNode", {B0}, 0, 0, kFalse},      {"IsHoldingBallNode", {""}, 1, 0, kStop},
        {"IsCameraMovingNode", {B0}, 1, 0, kTrue},      {"IsCameraMovingNode", {""}, 1, 0, kStop},
    };
    for (const Case& c : cases) {
        LoadGraph("compare", Graph({{0, c.node, {1, 2}, c.ins},
                                    {1, "SetBoolToNode", {}, {In("bool", 8)}},
                                    {2, "SetBoolToNode", {}, {In("bool", 9)}}},
                                   kVariables));
        GameObject* object = Spawn("Tester", "compare");
        Var<double>(object, "d0") = c.a;
        Var<double>(object, "d1") = c.b;
        // NaN has no int; the int comparisons see 0 there.
        Var<int>(object, "i0") = std::isnan(c.a) ? 0 : static_cast<int>(c.a);
        Var<int>(object, "i1") = std::isnan(c.b) ? 0 : static_cast<int>(c.b);
        Var<bool>(object, "b0") = c.a != 0;
        const int result = Run(object);
        const std::string what = std::string(c.node) + " " + std::to_string(c.a) + " " + std::to_string(c.b);
        EXPECT_EQ(c.way == kTrue, Var<bool>(object, "wentTrue")) << what;
        EXPECT_EQ(c.way == kFalse, Var<bool>(object, "wentFalse")) << what;
        EXPECT_EQ(c.way == kStop ? 0 : -1, result) << what;
    }
}

TEST_F(ComparisonNodes, AnUnconnectedBranchEndsTheChain) {
    LoadGraph("open", Graph({{0, "IsTrueNode", {-1, 1}, {In("bool", 0)}}, {1, "SetBoolToNode", {}, {In("bool", 9)}}},
                            kVariables));
    GameObject* object = Spawn("Tester", "open");
    Var<bool>(object, "b0") = true;
    EXPECT_EQ(-1, Run(object));
    EXPECT_FALSE(Var<bool>(object, "wentFalse"));
}

}  // namespace
