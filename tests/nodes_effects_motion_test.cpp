// Scale and motion effect nodes: pulsing sprites, a scrolling background, floating bubbles and
// a cactus that pops up and sinks back, each run by small graph files.
#include <gtest/gtest.h>

#include "nodes_effects_fixture.h"

namespace {

using namespace graphtext;

const std::string kVars = R"({
    "bool": {"0": {"name": "Up", "val": true}, "1": {"name": "Scaled", "val": false},
             "2": {"name": "Popped", "val": false}},
    "double": {"0": {"name": "Scale", "val": 2}, "1": {"name": "Timing", "val": 1},
               "2": {"name": "Zero", "val": 0}, "3": {"name": "Max", "val": 64},
               "4": {"name": "Duration", "val": 4}, "5": {"name": "Speed", "val": 4},
               "6": {"name": "CurrDis", "val": 0}, "7": {"name": "Scroll", "val": -10},
               "8": {"name": "Rise", "val": 2}},
    "int": {"0": {"name": "X", "val": 0}, "1": {"name": "Y", "val": 1}, "2": {"name": "Other", "val": 5}},
    "Vec2": {"0": {"name": "Factor", "x": 2, "y": 3}, "1": {"name": "Warp", "x": -100, "y": 0},
             "2": {"name": "Home", "x": 500, "y": 60}},
    "GameObject*": {"0": {"name": "Obj"}}})";
const std::string Up = In("bool", 0), Scaled = In("bool", 1), Popped = In("bool", 2), Scale = In("double", 0),
                  Timing = In("double", 1), Zero = In("double", 2), Max = In("double", 3), Duration = In("double", 4),
                  Speed = In("double", 5), CurrDis = In("double", 6), Scroll = In("double", 7), Rise = In("double", 8),
                  X = In("int", 0), Y = In("int", 1), Other = In("int", 2), Factor = In("Vec2", 0), Warp = In("Vec2", 1),
                  Home = In("Vec2", 2), Obj = In("GameObject*", 0);

class MotionNodes : public EffectsTest {
protected:
    // The running object with a 32 by 32 body at (10, 20) and a 32 by 32 sprite.
    void Make(const NodeText& node, bool body = true, bool sprite = true) {
        LoadGraph("g", Graph({node}, kVars));
        self = Spawn("Self", "g");
        if (body) GiveBody(self, 10, 20);
        if (sprite) GiveSprite(self);
        Var<GameObject*>(self, "Obj") = self;
    }
    Sprite* SpriteOfSelf() const { return self->Get<Sprite>(SPRITE); }
    GameObject* self = nullptr;
};

TEST_F(MotionNodes, ScaleNodeSetsTheSpriteScale) {
    struct Case {
        std::vector<std::string> ins;
        float x, y;
    } cases[] = {{{}, 0, 0}, {{Factor, Scale, Timing}, 2, 3}, {{"", Scale, Timing}, 2, 1}, {{"", "", Timing}, 0, 1}};
    for (const Case& c : cases) {
        Make({0, "ScaleNode", {}, c.ins});
        EXPECT_EQ(-1, Run(self));
        EXPECT_FLOAT_EQ(c.x, SpriteOfSelf()->scaleX);
        EXPECT_FLOAT_EQ(c.y, SpriteOfSelf()->scaleY);
    }
    Make({0, "ScaleNode", {}, {Factor}}, true, false);
    EXPECT_EQ(-1, Run(self)) << "no sprite to scale";
}

TEST_F(MotionNodes, ScalingEffectPulsesByTheFrameLength) {
    FrameRateController::GetInstance().lastElapsed = 160'000;  // 16 ms
    Make({0, "ScalingEffectNode", {}, {Scale, Timing, Up}});
    float expected = 1.0f;
    for (int run = 0; run < 31; ++run) {
        Run(self);
        expected += 0.032f;
        ASSERT_NEAR(expected, SpriteOfSelf()->scaleX, 1e-4) << "run " << run;
    }
    Run(self);  // 1.992 + 0.032 reaches 2
    EXPECT_FLOAT_EQ(2.0f, SpriteOfSelf()->scaleX);
    EXPECT_FLOAT_EQ(2.0f, SpriteOfSelf()->scaleY);
    EXPECT_FALSE(Var<bool>(self, "Up"));
    Run(self);
    EXPECT_NEAR(1.968f, SpriteOfSelf()->scaleX, 1e-4);

    // A pulse that takes no time changes nothing.
    Make({0, "ScalingEffectNode", {}, {Scale, Zero, Up}});
    Run(self);
    EXPECT_FLOAT_EQ(1.0f, SpriteOfSelf()->scaleX);
}

TEST_F(MotionNodes, XYScaleEffectGrowsOneSideToTheMaximumAndBack) {
    Make({0, "XYScaleEffectNode", {}, {Obj, Max, Duration, X, Scaled}});
    const float widths[] = {40, 48, 56, 64, 56, 48, 40, 32, 40};
    const bool scaled[] = {false, false, false, true, true, true, true, false, false};
    for (int run = 0; run < 9; ++run) {
        Run(self);
        EXPECT_FLOAT_EQ(widths[run], SpriteOfSelf()->width) << "run " << run;
        EXPECT_EQ(scaled[run], Var<bool>(self, "Scaled")) << "run " << run;
    }
    EXPECT_FLOAT_EQ(32, SpriteOfSelf()->height);

    struct Case {
        const char* situation;
        std::vector<std::string> ins;
        float width, height;
    } cases[] = {{"the height", {Obj, Max, Duration, Y, Scaled}, 32, 40},
                 {"neither side", {Obj, Max, Duration, Other, Scaled}, 32, 32},
                 {"in no runs", {Obj, Max, Zero, X, Scaled}, 32, 32},
                 {"of nothing", {"", Max, Duration, X, Scaled}, 32, 32}};
    for (const Case& c : cases) {
        Make({0, "XYScaleEffectNode", {}, c.ins});
        EXPECT_EQ(-1, Run(self)) << c.situation;
        EXPECT_FLOAT_EQ(c.width, SpriteOfSelf()->width) << c.situation;
        EXPECT_FLOAT_EQ(c.height, SpriteOfSelf()->height) << c.situation;
    }
}

TEST_F(MotionNodes, BackgroundsScrollBubblesFloatAndPop) {
    struct Case {
        const char* situation;
        NodeText node;
        Vec2 start;
        std::vector<Vec2> places;
    } cases[] = {
        {"scrolls left", {0, "ScrollObjectNode", {}, {Warp, Home, Scroll}}, {10, 20}, {{0, 20}, {-10, 20}}},
        {"warps home at the warp x", {0, "ScrollObjectNode", {}, {Warp, Home, Scroll}}, {-85, 20}, {{-95, 20}, {500, 60}}},
        {"no speed, no scroll", {0, "ScrollObjectNode", {}, {Warp, Home, ""}}, {10, 20}, {{10, 20}}},
        {"floats up", {0, "FloatingBubblesNode", {}, {Rise}}, {10, 20}, {{10, 22}, {10, 24}}},
        {"over the top starts at the bottom", {0, "FloatingBubblesNode", {}, {Rise}}, {10, 719}, {{10, 0}}},
        {"pops below the view", {0, "BubblePopNode", {}, {}}, {10, 300}, {{10, -32}}},
    };
    for (const Case& c : cases) {
        Make(c.node);
        BodyOf(self)->shape->SetPosition(c.start);
        for (const Vec2& place : c.places) {
            EXPECT_EQ(-1, Run(self)) << c.situation;
            EXPECT_EQ(place, BodyOf(self)->Position()) << c.situation;
        }
    }
}

TEST_F(MotionNodes, ACactusPopsUpAndSinksBackToWhereItStarted) {
    LoadGraph("g", Graph({{0, "CactusPoppingNode", {1}, {Speed, Popped, CurrDis}},
                          {1, "CactusPopBackNode", {}, {Speed, Popped, CurrDis}}},
                         kVars));
    self = Spawn("Self", "g");
    GiveBody(self, 10, 20);
    GiveSprite(self);
    // Both nodes run every frame: the run that tops out flips "Popped", and the sinking starts
    // in the same run.
    const float ys[] = {28, 36, 44, 36, 28, 20, 20, 28};
    const double dis[] = {8, 16, 24, 24, 16, 8, 0, 8};
    for (int run = 0; run < 8; ++run) {
        Run(self);
        EXPECT_FLOAT_EQ(ys[run], BodyOf(self)->Position().y) << "run " << run;
        EXPECT_DOUBLE_EQ(dis[run], Var<double>(self, "CurrDis")) << "run " << run;
    }

    Make({0, "CactusPoppingNode", {}, {Zero, Popped, CurrDis}});
    Run(self);
    EXPECT_EQ((Vec2{10, 20}), BodyOf(self)->Position()) << "a pop in no steps";
    Make({0, "CactusPoppingNode", {}, {Speed, Popped, CurrDis}}, true, false);
    Run(self);
    EXPECT_EQ((Vec2{10, 20}), BodyOf(self)->Position()) << "no sprite to measure";
}

}  // namespace
