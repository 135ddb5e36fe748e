// Variable display nodes: graph values shown in an object's text.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/text_values.h"
#include "nodes_graphics_fixture.h"

namespace {

using namespace graphtext;

// "Sequence" is a graph-wide 1, "Value" the object's own variable.
std::string ShowGraph(const std::string& node, const std::string& type, bool sequence = true, bool value = true,
                      int position = 1) {
    return Graph({{0, node, {}, {sequence ? In("int", 0, true) : "", value ? In(type, 0) : ""}}}, "{}",
                 R"({"int": {"0": {"name": "Sequence", "val": )" + std::to_string(position) + "}}}");
}
std::string ValueVariable(const std::string& type, const std::string& extra = "") {
    return "{\"" + type + "\": {\"0\": {\"name\": \"Value\"" + extra + "}}}";
}

class DisplayNodes : public LookNodesTest {};

TEST_F(DisplayNodes, TextsFollowTheirValuesUpAndDown) {
    using Set = std::function<void(GameObject*, int run)>;
    struct Case {
        const char* node;
        const char* type;
        const char* extra;  // the variable's first value
        const char* text;
        Set set;
        std::vector<std::string> seen;  // the text after each run
        const char* refreshed;          // 'W' where a run asked the text to refresh
    } cases[] = {
        {"DisplayIntVarNode", "int", ", \"val\": 0", "[%d][%d]",
         [](GameObject* o, int run) { Var<int>(o, "Value") = std::vector<int>{0, 5, 5, 3}[run]; },
         {"[][]", "[0][5]", "[0][5]", "[0][3]"}, "-W-W"},
        {"DisplayDoubleVarNode", "double", ", \"val\": 0", "[%f][%f]",
         [](GameObject* o, int run) { Var<double>(o, "Value") = std::vector<double>{0, 2.5, 2.5, 1.25}[run]; },
         {"[][]", "[0][2.5]", "[0][2.5]", "[0][1.25]"}, "-W-W"},
        {"DisplayVec2VarNode", "Vec2", ", \"x\": 0, \"y\": 0", "[%v][%v]",
         [](GameObject* o, int run) { Var<Vec2>(o, "Value") = std::vector<Vec2>{{0, 0}, {1, 2}, {1, 2}, {1, 1}}[run]; },
         {"[][]", "[0, 0][1, 2]", "[0, 0][1, 2]", "[0, 0][1, 1]"}, "-W-W"},
        {"DisplayBoolVarNode", "bool", ", \"val\": false", "[%b][%b]",
         [](GameObject* o, int run) { Var<bool>(o, "Value") = run == 1 || run == 2; },
         {"[][]", "[false][true]", "[false][true]", "[false][false]"}, "-W-W"},
        {"DisplayStringVarNode", "string", ", \"val\": \"\"", "[%s][%s]",
         [](GameObject* o, int run) { Var<std::string>(o, "Value") = std::vector<std::string>{"", "Red", "Red", "Blue"}[run]; },
         {"[][]", "[][Red]", "[][Red]", "[][Blue]"}, "-W-W"},
        {"DisplayGameObjVarNode", "GameObject*", "", "[%x][%x]",
         [](GameObject* o, int run) { Var<GameObject*>(o, "Value") = run == 0 ? nullptr : o; },
         {"[][]", "[][Looker]", "[][Looker]", "[][Looker]"}, "-WWW"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        GameObject* object = Looker(ShowGraph(c.node, c.type), ValueVariable(c.type, c.extra));
        Font& font = FontOf(object);
        font.text = c.text;
        std::string refreshed;
        for (int run = 0; run < 4; ++run) {
            c.set(object, run);
            font.needsRefresh = false;
            EXPECT_EQ(-1, Run(object));
            refreshed += font.needsRefresh ? 'W' : '-';
            EXPECT_EQ(c.seen[static_cast<size_t>(run)], SubstituteValues(font.text, font)) << "run " << run;
        }
        EXPECT_EQ(c.refreshed, refreshed);
        GameStateManager::DestroyAllObjects();
    }
}

TEST_F(DisplayNodes, NothingToShowWritesNothingAndGoesOn) {
    struct Case {
        const char* situation;
        bool sequenceBound;
        bool valueBound;
        int sequence;
        void (*damage)(GameObject*);
    } cases[] = {
        {"no sequence bound", false, true, 1, nullptr},
        {"no value bound", true, false, 1, nullptr},
        {"a negative sequence", true, true, -1, nullptr},
        {"a hidden text", true, true, 1, [](GameObject* o) { Hide(o, FONT); }},
        {"no text at all", true, true, 1, [](GameObject* o) { Remove(o, FONT); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        GameObject* object =
            Looker(ShowGraph("DisplayIntVarNode", "int", c.sequenceBound, c.valueBound, c.sequence),
                   ValueVariable("int", ", \"val\": 7"));
        Font* font = object->components[FONT] ? static_cast<Font*>(object->components[FONT]) : nullptr;
        if (c.damage) c.damage(object);
        EXPECT_EQ(-1, Run(object));
        if (object->components[FONT]) {
            EXPECT_TRUE(font->intValues.empty());
            EXPECT_FALSE(font->needsRefresh);
        }
        GameStateManager::DestroyAllObjects();
    }
}

TEST_F(DisplayNodes, APositionBeyondTheLargestNodeIndexIsSkippedAndTheGraphSaysSoOnce) {
    // Two billion and one past the bound are refused; the bound itself is kept.
    const std::string graph = Graph({{0, "DisplayIntVarNode", {1}, {In("int", 0, true), In("int", 0)}},
                                     {1, "DisplayStringVarNode", {2}, {In("int", 1, true), In("string", 0)}},
                                     {2, "DisplayIntVarNode", {}, {In("int", 2, true), In("int", 0)}}},
                                    "{}", R"({"int": {"0": {"name": "Far", "val": 2000000000},
                                        "1": {"name": "JustPast", "val": 65536},
                                        "2": {"name": "Last", "val": 65535}}})");
    const std::string values =
        R"({"int": {"0": {"name": "Value", "val": 0}}, "string": {"0": {"name": "Value", "val": ""}}})";
    GameObject* first = Looker(graph, values, "First");
    GameObject* second = Dress(Spawn("Second", "looks", values));
    testing::internal::CaptureStdout();
    for (int frame = 1; frame <= 3; ++frame) {
        for (GameObject* object : {first, second}) {
            Var<int>(object, "Value") = frame * 10 + (object == first ? 1 : 2);
            Var<std::string>(object, "Value") = std::to_string(frame);
            EXPECT_EQ(-1, Run(object));
        }
    }
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(65536u, FontOf(first).intValues.size());
    EXPECT_EQ(31, FontOf(first).intValues.back());
    EXPECT_TRUE(FontOf(first).stringValues.empty());
    EXPECT_EQ(65536u, FontOf(second).intValues.size());
    EXPECT_EQ("graph \"looks\": a text position of 2000000000 is beyond 65535 and was not shown\n", printed);
}

}  // namespace
