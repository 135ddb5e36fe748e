// Arithmetic and value nodes, each run from a small graph file: the node under test at index
// 0, and behind its output a node that marks the bool "ran", so a case sees whether the chain
// went on.
#include <gtest/gtest.h>

#include <array>

#include "graph_fixture.h"

namespace {

using namespace graphtext;

const char* const kVariables = R"({
    "int": {"0": {"name": "i0", "val": 0}, "1": {"name": "i1", "val": 0}, "2": {"name": "i2", "val": 0}},
    "double": {"0": {"name": "d0", "val": 0}, "1": {"name": "d1", "val": 0}, "2": {"name": "d2", "val": 0}},
    "bool": {"0": {"name": "b0", "val": false}, "1": {"name": "b1", "val": false}, "9": {"name": "ran", "val": false}},
    "GameObject*": {"0": {"name": "o0"}}})";

struct Values {
    std::array<int, 3> ints{};
    std::array<double, 3> doubles{};
    std::array<bool, 2> bools{};
};

struct Case {
    const char* situation;
    const char* node;
    std::vector<std::string> ins;
    Values before;
    Values after;
    bool continues;
};

class ArithmeticNodes : public GraphTest {
protected:
    GameObject* Load(const Case& c) {
        LoadGraph("arith", Graph({{0, c.node, {1}, c.ins}, {1, "SetBoolToNode", {}, {In("bool", 9)}}}, kVariables));
        GameObject* object = Spawn("Counter", "arith");
        for (int i = 0; i < 3; ++i) Var<int>(object, "i" + std::to_string(i)) = c.before.ints[i];
        for (int i = 0; i < 3; ++i) Var<double>(object, "d" + std::to_string(i)) = c.before.doubles[i];
        for (int i = 0; i < 2; ++i) Var<bool>(object, "b" + std::to_string(i)) = c.before.bools[i];
        return object;
    }
    void Check(const Case& c, GameObject* object, int result) {
        for (int i = 0; i < 3; ++i) EXPECT_EQ(c.after.ints[i], Var<int>(object, "i" + std::to_string(i))) << c.situation;
        for (int i = 0; i < 3; ++i) {
            EXPECT_DOUBLE_EQ(c.after.doubles[i], Var<double>(object, "d" + std::to_string(i))) << c.situation;
        }
        for (int i = 0; i < 2; ++i) EXPECT_EQ(c.after.bools[i], Var<bool>(object, "b" + std::to_string(i))) << c.situation;
        EXPECT_EQ(c.continues, Var<bool>(object, "ran")) << c.situation;
        EXPECT_EQ(c.continues ? -1 : 0, result) << c.situation;
    }
};

const std::string I0 = In("int", 0), I1 = In("int", 1), I2 = In("int", 2);
const std::string D0 = In("double", 0), D1 = In("double", 1), D2 = In("double", 2);
const std::string B0 = In("bool", 0), B1 = In("bool", 1);

TEST_F(ArithmeticNodes, ComputeAndCopyVariablesInPlace) {
    const double eps = 2.220446049250313e-16;
    const Case cases[] = {
        {"clamp raises to min", "ClampIntNode", {I0, I1, I2}, {{0, 10, -3}}, {{0, 10, 0}}, true},
        {"clamp lowers to max", "ClampIntNode", {I0, I1, I2}, {{0, 10, 12}}, {{0, 10, 10}}, true},
        {"clamp keeps inside", "ClampIntNode", {I0, I1, I2}, {{0, 10, 5}}, {{0, 10, 5}}, true},
        {"crossed bounds end at max", "ClampIntNode", {I0, I1, I2}, {{10, 0, 5}}, {{10, 0, 0}}, true},
        {"clamp without bounds", "ClampIntNode", {"", "", I2}, {{0, 0, -7}}, {{0, 0, -7}}, true},
        {"clamp without value", "ClampIntNode", {I0, I1, ""}, {{5, 6, 1}}, {{5, 6, 1}}, true},
        {"double on its bound", "ClampDoubleNode", {D0, D1, D2}, {{}, {1.0, 2.0, 1.0}}, {{}, {1.0, 2.0, 1.0}}, true},
        {"double below", "ClampDoubleNode", {D0, D1, D2}, {{}, {1.0, 2.0, 0.5}}, {{}, {1.0, 2.0, 1.0}}, true},
        {"double within epsilon", "ClampDoubleNode", {D0, D1, D2}, {{}, {0, 1.0, 1.0 + eps / 2}},
         {{}, {0, 1.0, 1.0 + eps / 2}}, true},
        {"double above", "ClampDoubleNode", {D0, D1, D2}, {{}, {0, 1.0, 3.0}}, {{}, {0, 1.0, 1.0}}, true},
        {"add ints", "IncreaseIntNode", {I0, I1}, {{4, 3}}, {{7, 3}}, true},
        {"add nothing", "IncreaseIntNode", {I0, ""}, {{4, 3}}, {{4, 3}}, true},
        {"add doubles", "IncreaseDoubleNode", {D0, D1}, {{}, {0.5, 0.25}}, {{}, {0.75, 0.25}}, true},
        {"multiply", "MultiplyDoubleNode", {D0, D1, D2}, {{}, {3, 0.5, 9}}, {{}, {3, 0.5, 1.5}}, true},
        {"multiply into itself", "MultiplyDoubleNode", {D0, D1, D0}, {{}, {3, 2, 0}}, {{}, {6, 2, 0}}, true},
        {"multiply without factor", "MultiplyDoubleNode", {D0, "", D2}, {{}, {3, 2, 9}}, {{}, {3, 2, 9}}, true},
        {"change bool", "ChangeBoolNode", {B0, B1}, {{}, {}, {false, true}}, {{}, {}, {true, true}}, true},
        {"change bool unbound", "ChangeBoolNode", {"", B1}, {{}, {}, {false, true}}, {{}, {}, {false, true}}, true},
        {"change int", "ChangeIntNode", {I0, I1}, {{1, 2}}, {{2, 2}}, true},
        {"change int unbound", "ChangeIntNode", {I0, ""}, {{1, 2}}, {{1, 2}}, true},
        {"reset double", "ResetDoubleNode", {D0, D1}, {{}, {1, 2}}, {{}, {2, 2}}, true},
        {"reset double unbound", "ResetDoubleNode", {"", D1}, {{}, {1, 2}}, {{}, {1, 2}}, true},
        {"set double", "SetDoubleNode", {D0, D1}, {{}, {1, 2}}, {{}, {2, 2}}, true},
        {"set double stops", "SetDoubleNode", {D0, ""}, {{}, {1, 2}}, {{}, {1, 2}}, false},
        {"get force always stops", "GetForceNode", {In("GameObject*", 0), D1}, {{}, {1, 2}}, {{}, {1, 2}}, false},
        {"get force with a double", "GetForceNode", {D0, D1}, {{}, {1, 2}}, {{}, {1, 2}}, false},
        {"bools to true and false", "SetBoolToNode", {B0, B1}, {{}, {}, {false, true}}, {{}, {}, {true, false}}, true},
        {"same bool ends false", "SetBoolToNode", {B0, B0}, {{}, {}, {false, true}}, {{}, {}, {false, true}}, true},
        {"only true bound", "SetBoolToNode", {B0, ""}, {{}, {}, {false, true}}, {{}, {}, {true, true}}, true},
        {"reset time", "ResetTimeNode", {D0}, {{}, {5, 1}}, {{}, {0, 1}}, true},
        {"reset time unbound", "ResetTimeNode", {""}, {{}, {5, 1}}, {{}, {5, 1}}, true},
    };
    for (const Case& c : cases) {
        GameObject* object = Load(c);
        Check(c, object, Run(object));
    }
}

TEST_F(ArithmeticNodes, GraphWideInputsChangeWhatEveryObjectSees) {
    const std::string globals = R"({"int": {"0": {"name": "Total", "val": 0}, "1": {"name": "Step", "val": 5}}})";
    LoadGraph("shared", Graph({{0, "IncreaseIntNode", {}, {In("int", 0, true), In("int", 1, true)}}}, "{}", globals));
    GameObject* a = Spawn("A", "shared");
    GameObject* b = Spawn("B", "shared");
    Run(a);
    Run(b);
    EXPECT_EQ(10, *LookupVariableByName<int>(Ai(a)->tree->globalStore.get(), "Total"));
    EXPECT_EQ(-1, Ai(a)->tree->RunNode(0, nullptr)) << "graph-wide inputs need no running object";
    EXPECT_EQ(15, *LookupVariableByName<int>(Ai(b)->tree->globalStore.get(), "Total"));
}

TEST_F(ArithmeticNodes, WithoutARunningObjectOwnVariablesAreMissing) {
    LoadGraph("alone", Graph({{0, "ClampIntNode", {}, {I0, I1, I2}}}, kVariables));
    GameObject* object = Spawn("Counter", "alone");
    Var<int>(object, "i2") = -5;
    EXPECT_EQ(-1, Ai(object)->tree->RunNode(0, nullptr));
    EXPECT_EQ(-5, Var<int>(object, "i2"));

    // A variable added after loading is seen on the next run, without reloading.
    Ai(object)->store->maps.at(VT_INT).reset(new InputNodeMap<int>());
    EXPECT_EQ(-1, Run(object));
    AddVariable<int>(Ai(object)->store.get(), VT_INT, 2, "late", -9);
    AddVariable<int>(Ai(object)->store.get(), VT_INT, 0, "min", 0);
    Run(object);
    EXPECT_EQ(0, *LookupVariable<int>(Ai(object)->store.get(), VT_INT, 2));
}

}  // namespace
