// Main-menu nodes: the arrow beside the selected entry, mouse clicks on buttons, the pulse of
// the selected button, the sliding boxes, text shown and hidden, and the level's background.
#include <gtest/gtest.h>

#include "nodes_menu_fixture.h"

namespace {

using namespace graphtext;

class MainMenuNodes : public MenuNodesTest {};

TEST_F(MainMenuNodes, TheArrowGoesBesideEntriesThatHaveAPlace) {
    const std::string vars = R"({"int": {"0": {"name": "selection", "val": 0}},
        "GameObject*": {"0": {"name": "Arrow"}},
        "Vec2": {"0": {"name": "P0", "x": 10, "y": 0}, "1": {"name": "P1", "x": 11, "y": 0},
                 "2": {"name": "P2", "x": 12, "y": 0}, "3": {"name": "P3", "x": 13, "y": 0},
                 "4": {"name": "P4", "x": 14, "y": 0}, "5": {"name": "P5", "x": 15, "y": 0},
                 "6": {"name": "P6", "x": 16, "y": 0}}})";
    std::vector<std::string> ins;
    for (int i = 0; i < 7; ++i) ins.push_back(i == 3 ? "" : In("Vec2", i));  // "quit" has no place
    ins.push_back(In("GameObject*", 0));
    ins.push_back(In("int", 0));
    GameObject* menu = Make({{0, "ArrowMovementNode", {}, ins}}, vars);
    GameObject* arrow = Thing("Arrow");
    Body* body = GiveBody(arrow, 1, 1);
    Var<GameObject*>(menu, "Arrow") = arrow;
    // Selection: where the arrow ends up from x = 1.
    const struct {
        int selection;
        float x;
    } cases[] = {{0, 10}, {1, 11}, {2, 12}, {3, 1}, {4, 1}, {5, 15}, {6, 16}, {7, 1}, {8, 1}, {9, 1}, {13, 1}, {-1, 1}};
    for (const auto& c : cases) {
        body->shape->SetPosition(1, 1);
        Var<int>(menu, "selection") = c.selection;
        EXPECT_EQ(-1, Run(menu)) << c.selection;
        EXPECT_FLOAT_EQ(c.x, body->shape->GetX()) << c.selection;
    }
    Var<GameObject*>(menu, "Arrow") = nullptr;
    EXPECT_EQ(-1, Run(menu)) << "no arrow: still goes on";
}

TEST_F(MainMenuNodes, AClickTakesTheButtonsOutputAndNextTurnsOnePagePerPress) {
    std::vector<NodeText> nodes = {{0, "IsClickedNode", {}, {}}};
    std::string markers;
    for (int i = 0; i < 10; ++i) {
        nodes[0].outs.push_back(i + 1);
        nodes.push_back({i + 1, "SetDoubleNode", {}, {In("double", 0), In("double", i + 1)}});
        markers += ", \"" + std::to_string(i + 1) + "\": {\"name\": \"m\", \"val\": " + std::to_string(i) + "}";
    }
    GameObject* menu = Make(nodes, R"({"double": {"0": {"name": "taken", "val": -1})" + markers + "}}");
    auto clicked = [&](GameObject* button) {
        ai->pickedBody = button ? button->Get<Body>(BODY) : nullptr;
        Var<double>(menu, "taken") = -1;
        Run(menu);
        return static_cast<int>(Var<double>(menu, "taken"));
    };
    auto button = [&](const char* type) {
        GameObject* object = Thing(std::string("b_") + type, type);
        GiveBody(object, 0, 0);
        return object;
    };
    const struct {
        const char* type;
        int output;
    } buttons[] = {{"Start", 0}, {"Options", 9}, {"HowToPlay", 1}, {"Credits", 2}, {"Quit", 3},
                   {"Back", 4},  {"Yes", 6},     {"No", 7},        {"Button", 5}};
    for (const auto& b : buttons) EXPECT_EQ(b.output, clicked(button(b.type))) << b.type;
    // A type the table does not know is "Default", which is no button.
    EXPECT_EQ(5, clicked(button("Unheard")));

    GameObject* next = button("Next");
    GameObject* yes = button("Yes");
    GameObject* plain = button("Button");
    const struct {
        GameObject* held;
        int output;
    } frames[] = {{next, 8}, {next, 5}, {yes, 6}, {next, 5}, {nullptr, 5}, {next, 8}, {plain, 5}, {next, 8}};
    for (const auto& f : frames) EXPECT_EQ(f.output, clicked(f.held)) << (f.held ? f.held->name : "nothing");
}

TEST_F(MainMenuNodes, TheSelectedButtonPulsesAndItsNeighboursRest) {
    FrameRateController::GetInstance().lastElapsed = 160'000;  // 16 ms
    const std::string vars = R"({"GameObject*": {"0": {"name": "B"}, "1": {"name": "Prev"}, "2": {"name": "Next"}},
        "double": {"0": {"name": "Scale", "val": 1.2}, "1": {"name": "Timing", "val": 0.5}, "2": {"name": "Zero", "val": 0}}})";
    GameObject* menu = Make({{0, "ScaleEffectNode", {}, {In("GameObject*", 0), In("GameObject*", 1), In("GameObject*", 2),
                                                       In("double", 0), In("double", 1)}}},
                            vars);
    GameObject* b = Thing("B");
    GameObject* prev = Thing("Prev");
    Sprite* sprite = GiveSprite(b);
    GiveSprite(prev, 1.2f);
    Var<GameObject*>(menu, "B") = b;
    Var<GameObject*>(menu, "Prev") = prev;  // "Next" stays empty: skipped
    EXPECT_EQ(-1, Run(menu));
    EXPECT_FLOAT_EQ(1.0f, sprite->scaleX) << "a new pulse snaps to 1 and turns to grow";
    EXPECT_FLOAT_EQ(1.0f, SpriteOf(prev).scaleX);
    Run(menu);
    EXPECT_NEAR(1.0384, sprite->scaleX, 1e-5);
    EXPECT_NEAR(1.0384, sprite->scaleY, 1e-5);
    for (int i = 0; i < 5; ++i) Run(menu);
    EXPECT_FLOAT_EQ(1.2f, sprite->scaleX) << "capped at the scale, then shrinking";
    Run(menu);
    EXPECT_NEAR(1.2 - 0.0384, sprite->scaleX, 1e-5);

    // A pulse that takes no time would jump to infinity: it is left alone.
    GameObject* still = Make({{0, "ScaleEffectNode", {}, {In("GameObject*", 0), "", "", In("double", 0), In("double", 2)}}},
                             vars, "still");
    Var<GameObject*>(still, "B") = b;
    const float before = sprite->scaleX;
    EXPECT_EQ(-1, Run(still));
    EXPECT_FLOAT_EQ(before, sprite->scaleX);
}

TEST_F(MainMenuNodes, ABoxSlidesOutByItsWidthAndBack) {
    const std::string vars = R"({"int": {"0": {"name": "d", "val": 10}, "1": {"name": "zero", "val": 0}},
        "double": {"0": {"name": "c", "val": 0}}, "bool": {"0": {"name": "left", "val": false},
        "1": {"name": "translated", "val": false}}, "GameObject*": {"0": {"name": "Obj"}}})";
    auto box = [&](const char* node, int displacement) {
        GameObject* self = Make({{0, node, {}, {In("int", displacement), In("double", 0), In("bool", 0), In("bool", 1),
                                                In("GameObject*", 0)}}},
                                vars, node);
        GiveBody(self, 100, 0);
        GiveSprite(self)->width = 100;
        GiveFont(self)->rgba[3] = 0;
        GameObject* obj = Thing(std::string("obj_") + node);
        GiveBody(obj, 0, 0);
        Var<GameObject*>(self, "Obj") = obj;
        return self;
    };
    GameObject* self = box("SlideBoxNode", 0);
    Body* obj = Var<GameObject*>(self, "Obj")->Get<Body>(BODY);
    Sprite& sprite = SpriteOf(self);
    for (int run = 1; run <= 10; ++run) {
        EXPECT_EQ(-1, Run(self));
        EXPECT_DOUBLE_EQ(10.0 * run, Var<double>(self, "c"));
        EXPECT_FLOAT_EQ(110.0f, obj->shape->GetX()) << "beside the box, to the right";
        EXPECT_FLOAT_EQ(1.0f, sprite.state.rgba[3]);
    }
    EXPECT_NEAR(1.0, self->Get<Font>(FONT)->rgba[3], 1e-5) << "the text faded in with it";
    Run(self);
    EXPECT_TRUE(Var<bool>(self, "translated"));
    EXPECT_DOUBLE_EQ(100.0, Var<double>(self, "c"));
    for (int run = 1; run <= 10; ++run) Run(self);
    EXPECT_FLOAT_EQ(90.0f, obj->shape->GetX()) << "the last step back";
    EXPECT_DOUBLE_EQ(0.0, Var<double>(self, "c"));
    Run(self);
    EXPECT_FLOAT_EQ(0.0f, sprite.state.rgba[3]) << "home again and hidden";

    // Sliding back from half-way, then a reset.
    GameObject* back = box("SlideBoxBackNode", 0);
    Var<double>(back, "c") = 20;
    Run(back);
    Run(back);
    EXPECT_DOUBLE_EQ(0.0, Var<double>(back, "c"));
    EXPECT_FALSE(Var<bool>(back, "translated"));
    Run(back);
    EXPECT_TRUE(Var<bool>(back, "translated"));
    SpriteOf(back).state.rgba[3] = 0.5f;
    Run(back);
    EXPECT_FLOAT_EQ(0.0f, SpriteOf(back).state.rgba[3]);
    GameObject* reset = Make({{0, "ResetBoxNode", {}, {In("bool", 1)}}}, vars, "reset");
    GiveSprite(reset);
    Var<bool>(reset, "translated") = true;
    EXPECT_EQ(-1, Run(reset));
    EXPECT_FALSE(Var<bool>(reset, "translated"));
    EXPECT_FLOAT_EQ(0.0f, SpriteOf(reset).state.rgba[3]);

    // A displacement of 0 would slide infinitely far: nothing moves.
    for (const char* node : {"SlideBoxNode", "SlideBoxBackNode"}) {
        GameObject* stuck = box(node, 1);
        Var<double>(stuck, "c") = 50;
        EXPECT_EQ(-1, Run(stuck)) << node;
        EXPECT_DOUBLE_EQ(50.0, Var<double>(stuck, "c")) << node;
        EXPECT_FLOAT_EQ(0.0f, Var<GameObject*>(stuck, "Obj")->Get<Body>(BODY)->shape->GetX()) << node;
    }
}

TEST_F(MainMenuNodes, TextIsShownAndHiddenAndTheBackgroundIsSetOnce) {
    GameObject* shown = Make({{0, "DisplayFontNode", {1}, {}}, {1, "DisableFontNode", {2}, {}}, {2, "DisplayFontNode", {}, {}}},
                             "{}", "shown");
    GiveFont(shown);
    EXPECT_EQ(-1, Run(shown));
    EXPECT_TRUE(shown->Get<Font>(FONT)->isVisible);
    GameObject* bare = Make({{0, "DisableFontNode", {}, {}}}, "{}", "bare");
    EXPECT_EQ(-1, Run(bare)) << "no text: goes on";

    GameObject* level = Thing("LevelObj", "Default", R"({"int": {"0": {"name": "bg_texture", "val": 63}}})");
    const std::string vars = R"({"GameObject*": {"0": {"name": "Level"}}})";
    const struct {
        const char* situation;
        GameObject* level;
        unsigned texture;
    } cases[] = {{"the chosen background", level, 63}, {"no level object", nullptr, 15}};
    for (const auto& c : cases) {
        GameObject* background = Make({{0, "InitBackgroundNode", {}, {In("GameObject*", 0)}}}, vars, "bg");
        GiveSprite(background)->SetTexture(15);
        Var<GameObject*>(background, "Level") = c.level;
        EXPECT_EQ(0, Run(background)) << c.situation;
        EXPECT_EQ(c.texture, SpriteOf(background).state.textureId) << c.situation;
        EXPECT_FALSE(Ai(background)->active) << c.situation << ": the graph runs only once";
    }
}

}  // namespace
