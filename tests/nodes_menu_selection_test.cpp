// Character and stage selection nodes: stepping through a team's characters, confirming and
// withdrawing, the portrait that follows the pick, and the stage with its preview.
#include <gtest/gtest.h>

#include "nodes_menu_fixture.h"

namespace {

using namespace graphtext;

const std::string kVars = R"({"int": {"0": {"name": "sel", "val": 0}, "1": {"name": "count", "val": 0},
        "2": {"name": "lr", "val": 40}, "3": {"name": "br", "val": 41}, "4": {"name": "nr", "val": 42},
        "5": {"name": "blank", "val": 43}, "6": {"name": "lb", "val": 44}, "7": {"name": "bb", "val": 45},
        "8": {"name": "nb", "val": 46}},
    "bool": {"0": {"name": "up", "val": true}, "1": {"name": "red", "val": true}, "2": {"name": "mine", "val": false}},
    "GameState": {"0": {"name": "stage", "val": "Level_1"}},
    "GameObject*": {"0": {"name": "Preview"}, "1": {"name": "Level"}}})";

class MenuSelectionNodes : public MenuNodesTest {};

TEST_F(MenuSelectionNodes, EachTeamStepsRoundItsOwnCharacters) {
    GameObject* player = Make({{0, "ToggleSelectionNode", {}, {In("int", 0), In("bool", 0), In("bool", 1)}}}, kVars);
    const struct {
        bool red, up;
        int from, to;
    } cases[] = {{true, true, 0, 1}, {true, true, 3, 0}, {true, false, 0, 3}, {true, false, 2, 1},
                 {false, true, 6, 3}, {false, true, 3, 4}, {false, false, 3, 6}, {false, false, 5, 4}};
    for (const auto& c : cases) {
        Var<bool>(player, "red") = c.red;
        Var<bool>(player, "up") = c.up;
        Var<int>(player, "sel") = c.from;
        EXPECT_EQ(-1, Run(player));
        EXPECT_EQ(c.to, Var<int>(player, "sel")) << (c.red ? "red " : "blue ") << (c.up ? "up from " : "down from ") << c.from;
    }
    GameObject* lost = Make({{0, "ToggleSelectionNode", {}, {In("int", 0), "", In("bool", 1)}}}, kVars, "lost");
    EXPECT_EQ(0, Run(lost));
    EXPECT_EQ(0, Var<int>(lost, "sel"));
}

TEST_F(MenuSelectionNodes, ConfirmingRecordsThePlayersCharacterOnce) {
    GameObject* player =
        Make({{0, "ConfirmCharNode", {}, {In("int", 1), In("bool", 0), In("bool", 2), In("int", 0)}}}, kVars);
    GiveSprite(player)->state.animId = 1;
    GiveController(player)->playerId = 2;
    auto& characters = GameStateManager::Instance().playerCharacters;
    const struct {
        const char* situation;
        bool confirm;
        int selection;
        int result, count;
        bool mine;
        CHARID character;
        unsigned anim;
    } steps[] = {
        {"None confirms nothing", true, 3, 0, 0, false, None, 1},
        {"withdrawing unconfirmed changes nothing", false, 1, -1, 0, false, None, 1},
        {"confirm the boxer", true, 1, -1, 1, true, BoxerRed, 0},
        {"confirming twice counts once", true, 2, -1, 1, true, BoxerRed, 0},
        {"withdraw", false, 1, -1, 0, false, None, 1},
        {"no character number", true, 9, 0, 0, false, None, 1},
        {"confirm the blue ninja", true, 6, -1, 1, true, NinjaBlue, 0},
    };
    for (const auto& s : steps) {
        Var<bool>(player, "up") = s.confirm;
        Var<int>(player, "sel") = s.selection;
        EXPECT_EQ(s.result, Run(player)) << s.situation;
        EXPECT_EQ(s.count, Var<int>(player, "count")) << s.situation;
        EXPECT_EQ(s.mine, Var<bool>(player, "mine")) << s.situation;
        EXPECT_EQ(s.character, characters[2]) << s.situation;
        EXPECT_EQ(s.anim, SpriteOf(player).state.animId) << s.situation;
    }
    // Without a controller there is no player to confirm for.
    GameObject* nobody =
        Make({{0, "ConfirmCharNode", {}, {In("int", 1), In("bool", 0), In("bool", 2), In("int", 0)}}}, kVars, "nobody");
    Var<int>(nobody, "sel") = 0;
    EXPECT_EQ(0, Run(nobody));
    EXPECT_EQ(0, Var<int>(nobody, "count"));
}

TEST_F(MenuSelectionNodes, ThePortraitFollowsThePick) {
    std::vector<std::string> ins = {In("int", 0)};
    for (int i = 2; i <= 8; ++i) ins.push_back(i == 7 ? "" : In("int", i));  // blue boxer's picture missing
    GameObject* portrait = Make({{0, "SwitchSelectionAnimationNode", {}, ins}}, kVars);
    Sprite* sprite = GiveSprite(portrait);
    const struct {
        int selection, result;
        unsigned texture, anim;
    } cases[] = {{0, -1, 40, 1}, {2, -1, 42, 1}, {3, -1, 43, 0}, {6, -1, 46, 1}, {5, 0, 46, 1}, {7, 0, 46, 1}, {-1, 0, 46, 1}};
    for (const auto& c : cases) {
        Var<int>(portrait, "sel") = c.selection;
        EXPECT_EQ(c.result, Run(portrait)) << c.selection;
        EXPECT_EQ(c.texture, sprite->state.textureId) << c.selection;
        EXPECT_EQ(c.anim, sprite->state.animId) << c.selection;
    }
}

TEST_F(MenuSelectionNodes, TheStageStepsRoundWithItsPreviewAndBackground) {
    GameObject* picker = Make({{0, "SelectStageNode", {}, {In("bool", 0), In("GameState", 0), In("GameObject*", 0),
                                                         In("GameObject*", 1)}}},
                              kVars);
    GameObject* preview = Thing("Preview");
    GiveSprite(preview);
    GameObject* level = Thing("LevelObj", "Default", R"({"int": {"0": {"name": "bg_texture", "val": 0}}})");
    Var<GameObject*>(picker, "Preview") = preview;
    Var<GameObject*>(picker, "Level") = level;
    const struct {
        GameState from;
        bool forward;
        GameState to;
        unsigned preview;
        int background;
    } cases[] = {{Level_1, true, Level_2, 66, 63},  {Level_2, true, Level_3, 108, 108}, {Level_3, true, Level_1, 65, 15},
                 {MainMenu, true, Level_1, 65, 15}, {Level_1, false, Level_3, 108, 108}, {Level_2, false, Level_1, 65, 15},
                 {Level_3, false, Level_2, 66, 63}, {Selection, false, Level_2, 66, 63}};
    for (const auto& c : cases) {
        Var<GameState>(picker, "stage") = c.from;
        Var<bool>(picker, "up") = c.forward;
        EXPECT_EQ(-1, Run(picker));
        EXPECT_EQ(c.to, Var<GameState>(picker, "stage"));
        EXPECT_EQ(c.preview, SpriteOf(preview).state.textureId);
        EXPECT_EQ(c.background, Var<int>(level, "bg_texture"));
    }
    // Without the preview or the level object the stage still steps.
    Var<GameObject*>(picker, "Preview") = nullptr;
    Var<GameObject*>(picker, "Level") = nullptr;
    Var<GameState>(picker, "stage") = Level_1;
    Var<bool>(picker, "up") = true;
    EXPECT_EQ(-1, Run(picker));
    EXPECT_EQ(Level_2, Var<GameState>(picker, "stage"));
}

}  // namespace
