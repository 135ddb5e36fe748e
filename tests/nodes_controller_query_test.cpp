// Graphs that branch on what a player does: character moves, menu confirm and back, pause,
// and selection screens.
#include <gtest/gtest.h>

#include "nodes_controller_fixture.h"

namespace {

namespace vk = platform::vk;

TEST_F(ControllerNodeTest, ACharacterDoesTheFirstThingItsFlagsAskFor) {
    enum { kPush, kSkill, kMoveLeft, kMoveRight, kMoveJump, kNoMovement, kPull };
    const struct {
        const char* situation;
        uint32_t bits;
        Fitted controller;
        int output;
    } cases[] = {
        {"nothing pressed", 0, Fitted::kVisible, kNoMovement},
        {"push while running right", kControlFlagPush | kControlFlagRight, Fitted::kVisible, kPush},
        {"skill while jumping", kControlFlagSkill | kControlFlagJump, Fitted::kVisible, kSkill},
        {"pull beats skill", kControlFlagPull | kControlFlagSkill, Fitted::kVisible, kPull},
        {"jump while running left", kControlFlagJump | kControlFlagLeft, Fitted::kVisible, kMoveJump},
        {"right beats left", kControlFlagRight | kControlFlagLeft, Fitted::kVisible, kMoveRight},
        {"left", kControlFlagLeft, Fitted::kVisible, kMoveLeft},
        {"only down", kControlFlagDown, Fitted::kVisible, kNoMovement},
        {"up, enter and exit", kControlFlagUp | kControlFlagEnter | kControlFlagExit, Fitted::kVisible, kNoMovement},
        {"a hidden controller", kControlFlagPush, Fitted::kHidden, kNoMovement},
        {"no controller", 0, Fitted::kNone, kNoMovement},
    };
    LoadMarked("moves", "MoveByControllerNode", {}, 7);
    for (const auto& c : cases) {
        GameObject* fighter = Spawn("Fighter", "moves");
        if (Controller* controller = Fit(fighter, 0, c.controller)) controller->controlBits = c.bits;
        EXPECT_EQ(c.output, RunTaken(fighter)) << c.situation;
    }
}

TEST_F(ControllerNodeTest, PlayerBackAndEnterTestsReadTheOwnersController) {
    const struct {
        const char* situation;
        const char* nodeClass;
        Fitted controller;
        uint32_t bits;
        int output;
    } cases[] = {
        {"a player", "IsPlayerNode", Fitted::kVisible, 0, 0},
        {"a hidden controller is no player", "IsPlayerNode", Fitted::kHidden, 0, 1},
        {"no controller is no player", "IsPlayerNode", Fitted::kNone, 0, 1},
        {"left steps back", "CheckBackNode", Fitted::kVisible, kControlFlagLeft | kControlFlagUp, 0},
        {"right does not step back", "CheckBackNode", Fitted::kVisible, kControlFlagRight, 1},
        {"back with a hidden controller", "CheckBackNode", Fitted::kHidden, kControlFlagLeft, 1},
        {"jump confirms", "CheckEnterNode", Fitted::kVisible, kControlFlagJump, 0},
        {"the enter key alone does not", "CheckEnterNode", Fitted::kVisible, kControlFlagEnter, 1},
        {"confirm without a controller", "CheckEnterNode", Fitted::kNone, 0, 1},
    };
    for (const auto& c : cases) {
        LoadMarked(c.nodeClass, c.nodeClass, {}, 2);
        GameObject* object = Spawn("Object", c.nodeClass);
        if (Controller* controller = Fit(object, 0, c.controller)) controller->controlBits = c.bits;
        EXPECT_EQ(c.output, RunTaken(object)) << c.situation;
    }
}

TEST_F(ControllerNodeTest, AnyPlayerPausesWhoeverRunsTheGraph) {
    LoadMarked("pause", "IsPauseTriggeredNode", {}, 2);
    GameObject* level = Spawn("LevelObj", "pause");
    EXPECT_EQ(1, RunTaken(level));
    Press({vk::kEscape});
    EXPECT_EQ(0, RunTaken(level)) << "exit pauses";
    Frame();
    EXPECT_EQ(1, RunTaken(level)) << "a held key pauses once";
    Press({'P'});
    EXPECT_EQ(0, RunTaken(level)) << "pause pauses";
    SetPad(2, 0);
    SetPad(2, platform::kPadStart);
    EXPECT_EQ(0, RunTaken(level)) << "player 3's start button";
}

TEST_F(ControllerNodeTest, ASelectionCursorFollowsItsOwnPlayer) {
    enum { kEnter, kBack, kRightSlot, kLeftSlot, kUp, kDown };
    const struct {
        const char* situation;
        int playerId;
        uint32_t bits;
        int key;
        int output;
    } cases[] = {
        {"jump confirms", 1, kControlFlagJump | kControlFlagPull, vk::kRight, kEnter},
        {"pull goes back", 1, kControlFlagPull, vk::kRight, kBack},
        {"any player's exit goes back", 1, 0, vk::kEscape, kBack},
        {"right leads to output 2", 1, 0, vk::kRight, kRightSlot},
        {"left leads to output 3", 1, 0, vk::kLeft, kLeftSlot},
        {"up", 1, 0, vk::kUp, kUp},
        {"down", 1, 0, vk::kDown, kDown},
        {"an unbound key runs nothing", 1, 0, 'Q', -1},
        {"another player's right is not ours", 1, 0, 'D', -1},
        {"a stray id plays as player 1, like its controller", 7, 0, 'D', kRightSlot},
        {"so does a negative one", -1, 0, 'D', kRightSlot},
    };
    LoadMarked("select", "SelectionInputNode", {}, 6);
    for (const auto& c : cases) {
        GameObject* cursor = Spawn("Cursor", "select");
        Controller* controller = Fit(cursor, c.playerId);
        Press({c.key});
        controller->controlBits = c.bits;
        EXPECT_EQ(c.output, RunTaken(cursor)) << c.situation;
        Press({c.key}, false);
    }
    GameObject* stray = Spawn("NoPlayer", "select");
    Press({vk::kEscape});
    EXPECT_EQ(0, Run(stray)) << "without a controller nothing runs";
}

}  // namespace
