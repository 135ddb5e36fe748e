// Menus: the cursor that any player moves through the menu rings, the branch on another
// object's cursor, and the graph's own record of which player it belongs to.
#include <gtest/gtest.h>

#include <vector>

#include "graph/behaviour_tree.h"
#include "nodes_controller_fixture.h"

namespace {

namespace vk = platform::vk;
using graphtext::In;

enum Item { kStart = 0, kHowToPlay = 1, kCredits = 2, kQuit = 3, kCreditsBack = 4, kOptions = 9 };

TEST_F(ControllerNodeTest, TheMenuCursorRunsThroughItsRingOnAnyPlayersKeysAndPads) {
    const struct {
        const char* situation;
        int start;
        std::vector<int> keys;
        uint16_t dpad;
        int selection;
        int output;
    } cases[] = {
        {"down from quit wraps to start", kQuit, {'S'}, 0, kStart, -1},
        {"up from start wraps to quit", kStart, {'W'}, 0, kQuit, -1},
        {"player 2's right from options", kOptions, {vk::kRight}, 0, kCredits, -1},
        {"player 3's left steps back", kHowToPlay, {'J'}, 0, kStart, -1},
        {"credits back never moves", kCreditsBack, {'S'}, 0, kCreditsBack, -1},
        {"yes and no swap", 5, {'D'}, 0, 6, -1},
        {"the options ring wraps forward", 13, {'S'}, 0, 10, -1},
        {"the options ring wraps back", 10, {'W'}, 0, 13, -1},
        {"no item stays put", 42, {'S'}, 0, 42, -1},
        {"the first player decides", kStart, {'S', vk::kUp}, 0, kHowToPlay, -1},
        {"enter follows the moved cursor", kStart, {'S', vk::kReturn}, 0, kHowToPlay, kHowToPlay},
        {"exit leads to credits back", kCredits, {vk::kEscape}, 0, kCredits, kCreditsBack},
        {"enter on credits back", kCreditsBack, {vk::kReturn}, 0, kCreditsBack, kCreditsBack},
        {"jump follows at once, later players unheard", kOptions, {'U', vk::kNumpad8}, platform::kPadDpadDown, kOptions,
         kOptions},
        {"a d-pad edge on player 4's pad", kStart, {}, platform::kPadDpadRight, kHowToPlay, -1},
        {"d-pad up and down together step back once", kCredits, {}, platform::kPadDpadUp | platform::kPadDpadDown,
         kOptions, -1},
        {"a key and the d-pad step twice", kStart, {'S'}, platform::kPadDpadDown, kOptions, -1},
        {"nothing pressed", kQuit, {}, platform::kPadB | platform::kPadStart, kQuit, -1},
    };
    LoadMarked("menu", "MenuMovementNode", {In("int", 20)}, 14, R"("int": {"20": {"name": "selection", "val": 0}})");
    SetPad(3, 0);
    for (const auto& c : cases) {
        GameObject* menu = Spawn("Menu", "menu");
        Var<int>(menu, "selection") = c.start;
        for (int key : c.keys) scripted->SetKey(key, true);
        SetPad(3, c.dpad);
        EXPECT_EQ(c.output, RunTaken(menu)) << c.situation;
        EXPECT_EQ(c.selection, Var<int>(menu, "selection")) << c.situation;
        Frame();
        RunTaken(menu);
        EXPECT_EQ(c.selection, Var<int>(menu, "selection")) << c.situation << ": held, it steps once";
        Press(c.keys, false);
        SetPad(3, 0);
    }

    LoadMarked("loose", "MenuMovementNode", {""}, 14);
    GameObject* loose = Spawn("Loose", "loose");
    Press({vk::kReturn});
    EXPECT_EQ(0, Run(loose)) << "without its cursor the menu runs nothing";
}

TEST_F(ControllerNodeTest, AScreenFollowsTheCursorKeptByTheMenuObject) {
    // The object keeps a "Selection" of its own too: only the graph-wide one counts.
    const std::string cursor = R"({"int": {"0": {"name": "Selection", "val": 0}}})";
    LoadGraph("holder", graphtext::Graph({{0, "DebugNode", {}, {}}}, cursor, cursor));
    LoadMarked("screen", "GetSelectionNode", {In("GameObject*", 0)}, 14,
               R"("GameObject*": {"0": {"name": "MENU_AI_HOLDER"}})");
    GameObject* holder = Spawn("MenuHolder", "holder");
    AI_Component* holderGraph = Ai(holder);
    int& selection = *LookupVariableByName<int>(holderGraph->tree->globalStore.get(), "Selection");
    GameObject* screen = Spawn("Screen", "screen");
    Var<GameObject*>(screen, "MENU_AI_HOLDER") = holder;
    Var<int>(holder, "Selection") = kCredits;

    const struct {
        const char* situation;
        int selection;
        bool hidden;
        int output;
    } cases[] = {{"start", 0, false, 0},       {"volume down", 13, false, 13}, {"past the last item", 14, false, -1},
                 {"negative", -1, false, -1}, {"a hidden graph", 9, true, -1}};
    for (const auto& c : cases) {
        selection = c.selection;
        holderGraph->hidden = c.hidden;
        EXPECT_EQ(c.output, RunTaken(screen)) << c.situation;
    }
    Var<GameObject*>(screen, "MENU_AI_HOLDER") = nullptr;
    EXPECT_EQ(0, Run(screen)) << "no holder";
}

TEST_F(ControllerNodeTest, AGraphLearnsAndBranchesOnItsPlayer) {
    std::vector<graphtext::NodeText> nodes = {{0, "SetControllerIDInputNode", {1}, {}},
                                              {1, "GetControllerIDNode", {2, 3, 4, 5}, {}}};
    for (int k = 0; k < 4; ++k) nodes.push_back({k + 2, "SetBoolToNode", {}, {In("bool", k)}});
    const std::string variables = "{" + Markers(4) + R"(, "int": {"0": {"name": "ControllerID", "val": 6}}})";
    LoadGraph("who", graphtext::Graph(nodes, variables));
    const struct {
        const char* situation;
        int playerId;
        Fitted controller;
        int id;
        int output;
    } cases[] = {
        {"player 1", 0, Fitted::kVisible, 0, 0},      {"player 3", 2, Fitted::kVisible, 2, 2},
        {"player 4", 3, Fitted::kVisible, 3, 3},      {"an id that is no player", 9, Fitted::kVisible, 9, -1},
        {"no controller", 1, Fitted::kNone, 6, -1},   {"a hidden controller", 1, Fitted::kHidden, 6, -1},
    };
    for (const auto& c : cases) {
        GameObject* character = Spawn("Character", "who");
        Fit(character, c.playerId, c.controller);
        EXPECT_EQ(c.output, RunTaken(character)) << c.situation;
        EXPECT_EQ(c.id, Var<int>(character, "ControllerID")) << c.situation;
    }

    LoadMarked("unnamed", "GetControllerIDNode", {}, 4);
    GameObject* unnamed = Spawn("Unnamed", "unnamed");
    Fit(unnamed, 2);
    EXPECT_EQ(0, RunTaken(unnamed)) << "without the variable it counts as player 1";
}

}  // namespace
