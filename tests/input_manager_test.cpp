// The input system's queries on the scripted backend, frame by frame as the game polls them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/message_center.h"
#include "flow/game_state_manager.h"
#include "input/mouse_position.h"
#include "input_fixture.h"
#include "physics/body_picking_message.h"
#include "physics/picking.h"
#include "platform/virtual_keys.h"

namespace {

namespace vk = platform::vk;
using platform::PadState;

PadState LeftStick(int16_t x, int16_t y) {
    PadState state;
    state.thumbLX = x;
    state.thumbLY = y;
    return state;
}

PadState Buttons(uint16_t bits) {
    PadState state;
    state.buttons = bits;
    return state;
}

// The committed keyboard file with player 1's pad controls replaced.
std::string PadFileWithPlayer1(const std::string& controls) {
    const std::string pad = ControlObject(11, 11, 11, 11, 0x1000, 0x4000, 0x2000, 0x8000);
    return "{\"P1\": {\"Controls\": " + controls +
           ", \"Shared\": {\"Exit\": 32, \"Pause\": 16, \"Enter\": 4096}}, \"P2\": {\"Controls\": " + pad +
           "}, \"P3\": {\"Controls\": " + pad + "}, \"P4\": {\"Controls\": " + pad + "}}";
}

TEST_F(InputTest, AKeyTriggersInItsFirstFrameAndIsPressedFromTheNextOn) {
    StartInput();
    struct Step {
        bool down;
        bool triggered;
        bool pressed;
    };
    const std::vector<Step> steps = {
        {false, false, false}, {true, true, false}, {true, false, true},
        {true, false, true},   {false, false, false}, {true, true, false},
    };
    for (size_t frame = 0; frame < steps.size(); ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        Key(' ', steps[frame].down);
        Frame();
        EXPECT_EQ(steps[frame].triggered, input->IsTriggered(CONTROL_JUMP, 0));
        EXPECT_EQ(steps[frame].pressed, input->IsPressed(CONTROL_JUMP, 0));
    }
    // Down and up again between two polls: never seen.
    Key('D', true);
    Key('D', false);
    Frame();
    EXPECT_FALSE(input->IsTriggered(CONTROL_RIGHT, 0));
    EXPECT_FALSE(input->IsPressed(CONTROL_RIGHT, 0));
}

TEST_F(InputTest, PadButtonsEdgeOnceAndAreHeldWhileDownOverTwoPolls) {
    StartInput();
    PlugPad(0);
    scripted->SetPad(0, Buttons(platform::kPadA));
    Frame();
    EXPECT_TRUE(input->IsTriggered(CONTROL_JUMP, 0));
    EXPECT_FALSE(input->IsPressed(CONTROL_JUMP, 0));
    Frame();
    EXPECT_FALSE(input->IsTriggered(CONTROL_JUMP, 0));
    EXPECT_TRUE(input->IsPressed(CONTROL_JUMP, 0));
    // The keyboard still plays for a player whose pad is plugged in.
    Key('F', true);
    Frame();
    EXPECT_TRUE(input->IsTriggered(CONTROL_PUSH, 0));
}

TEST(InputPadRecord, DeadZonesTriggersAndStickDirectionsOnRawValues) {
    struct Case {
        const char* situation;
        PadState state;
        int leftX, leftY, rightX, rightY;
        bool neutral;
    };
    auto make = [](int16_t lx, int16_t ly, int16_t rx, int16_t ry, uint8_t lt, uint8_t rt) {
        PadState s;
        s.thumbLX = lx;
        s.thumbLY = ly;
        s.thumbRX = rx;
        s.thumbRY = ry;
        s.leftTrigger = lt;
        s.rightTrigger = rt;
        return s;
    };
    const std::vector<Case> cases = {
        {"at rest", make(0, 0, 0, 0, 0, 0), 0, 0, 0, 0, true},
        {"left stick at its dead zone", make(7849, -7849, 0, 0, 0, 0), 0, 0, 0, 0, true},
        {"left stick just beyond", make(-7850, 7850, 0, 0, 0, 0), -7, 7, 0, 0, false},
        {"full deflection", make(-32768, 32767, 0, 0, 0, 0), -32, 32, 0, 0, false},
        {"right stick at its dead zone", make(0, 0, 8689, -8689, 0, 0), 0, 0, 0, 0, true},
        {"right stick just beyond", make(0, 0, 8690, -8690, 0, 0), 0, 0, 8, -8, false},
        {"left stick inside the right's dead zone", make(8000, 0, 8000, 0, 0, 0), 8, 0, 0, 0, false},
        {"trigger at 30", make(0, 0, 0, 0, 30, 30), 0, 0, 0, 0, true},
        {"trigger at 31", make(0, 0, 0, 0, 0, 31), 0, 0, 0, 0, false},
        {"axes truncate toward zero", make(-9999, 9999, 0, 0, 0, 0), -9, 9, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        XInput pad(0);
        pad.current = c.state;
        int x = 0, y = 0;
        pad.GetStickAxes(x, y, LEFT_STICK);
        EXPECT_EQ(c.leftX, x);
        EXPECT_EQ(c.leftY, y);
        pad.GetStickAxes(x, y, RIGHT_STICK);
        EXPECT_EQ(c.rightX, x);
        EXPECT_EQ(c.rightY, y);
        pad.GetStickAxes(x, y, static_cast<STICK>(2));
        EXPECT_EQ(0, x + y);
        EXPECT_EQ(c.neutral, pad.IsAnalogNeutral());
        EXPECT_EQ(c.state.rightTrigger > 30, pad.IsTriggerDown(kPadRightTriggerValue));
        EXPECT_EQ(c.state.thumbRY < -8689, pad.IsStickDown(RIGHT_STICK));
        EXPECT_EQ(c.state.thumbLX < -7849, pad.IsStickLeft(LEFT_STICK));
        EXPECT_EQ(c.state.thumbLY > 7849, pad.IsStickUp(LEFT_STICK));
        EXPECT_FALSE(pad.IsStickUp(static_cast<STICK>(5)));
    }
}

TEST_F(InputTest, OneAnalogEdgePerTripThroughTheNeutralZone) {
    StartInput();
    PlugPad(0);
    EXPECT_FALSE(input->IsTriggered(CONTROL_UP, 0));  // seen at rest: the latch opens
    scripted->SetPad(0, LeftStick(0, 20000));
    Frame();
    EXPECT_TRUE(input->IsTriggered(CONTROL_UP, 0));
    EXPECT_FALSE(input->IsTriggered(CONTROL_UP, 0));
    Frame();
    EXPECT_FALSE(input->IsTriggered(CONTROL_UP, 0));
    EXPECT_TRUE(input->IsPressed(CONTROL_UP, 0));
    // Straight over to "Down" without passing the neutral zone: nothing.
    scripted->SetPad(0, LeftStick(0, -20000));
    Frame();
    EXPECT_FALSE(input->IsTriggered(CONTROL_DOWN, 0));
    scripted->SetPad(0, LeftStick(0, 0));
    Frame();
    EXPECT_FALSE(input->IsTriggered(CONTROL_DOWN, 0));
    scripted->SetPad(0, LeftStick(0, -20000));
    Frame();
    EXPECT_TRUE(input->IsTriggered(CONTROL_DOWN, 0));
}

TEST_F(InputTest, TriggersCountAbove30AndShareTheLatchWithTheSticks) {
    WriteFile("Resources/Controls/XBox.json", PadFileWithPlayer1(ControlObject(11, 11, 11, 11, 9, 10, 0x2000, 10)));
    StartInput();
    PlugPad(0);
    EXPECT_FALSE(input->IsTriggered(CONTROL_JUMP, 0));
    PadState trigger;
    trigger.rightTrigger = 30;
    scripted->SetPad(0, trigger);
    Frame();
    EXPECT_FALSE(input->IsPressed(CONTROL_PUSH, 0));
    EXPECT_FALSE(input->IsTriggered(CONTROL_PUSH, 0));
    trigger.rightTrigger = 31;
    scripted->SetPad(0, trigger);
    Frame();
    EXPECT_TRUE(input->IsPressed(CONTROL_PUSH, 0));
    EXPECT_TRUE(input->IsTriggered(CONTROL_PUSH, 0));
    // The same trigger bound to another control, and the left trigger: the latch holds.
    trigger.leftTrigger = 255;
    scripted->SetPad(0, trigger);
    Frame();
    EXPECT_FALSE(input->IsTriggered(CONTROL_SKILL, 0));
    EXPECT_FALSE(input->IsTriggered(CONTROL_JUMP, 0));
    EXPECT_TRUE(input->IsPressed(CONTROL_JUMP, 0));
}

TEST_F(InputTest, AStickBoundToAControlWithoutADirectionReportsNothing) {
    WriteFile("Resources/Controls/XBox.json", PadFileWithPlayer1(ControlObject(11, 11, 11, 11, 11, 12, 0x2000, 12)));
    StartInput();
    PlugPad(0);
    EXPECT_FALSE(input->IsTriggered(CONTROL_JUMP, 0));
    scripted->SetPad(0, LeftStick(30000, 30000));
    Frame(2);
    EXPECT_FALSE(input->IsTriggered(CONTROL_JUMP, 0));
    EXPECT_FALSE(input->IsPressed(CONTROL_JUMP, 0));
    EXPECT_FALSE(input->IsPressed(CONTROL_PUSH, 0));
    EXPECT_TRUE(input->IsPressed(CONTROL_RIGHT, 0));
    Key(' ', true);
    Frame();
    EXPECT_TRUE(input->IsTriggered(CONTROL_JUMP, 0));  // the keyboard still works
}

TEST_F(InputTest, PadConnectionsAreReportedAndAGonePadLeavesNothingBehind) {
    StartInput();
    testing::internal::CaptureStdout();
    scripted->SetPad(2, LeftStick(32767, 0));
    Frame();
    EXPECT_TRUE(input->players[2]->isConnected);
    EXPECT_EQ(0, input->GetStickValue(CONTROL_RIGHT, 2).x);  // seen, not yet read
    Frame();
    EXPECT_EQ(32, input->GetStickValue(CONTROL_RIGHT, 2).x);
    scripted->DisconnectPad(2);
    Frame(2);
    Frame();
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_EQ("XBox console connected for player 3\nXBox console disconnected for player 3\n", console);
    EXPECT_FALSE(input->players[2]->isConnected);
    EXPECT_EQ(0, input->GetStickValue(CONTROL_RIGHT, 2).x);
    EXPECT_EQ(0, input->GetPad(2)->previous.thumbLX);
    EXPECT_EQ(0, input->GetPad(2)->current.thumbLX);
}

TEST_F(InputTest, SharedKeysTriggerForAnyActivePlayer) {
    StartInput();
    PlugPad(2);
    struct Case {
        const char* situation;
        int key;
        uint16_t padButtons;
        bool player3Inactive;
        MISCKEYS asked;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"Escape on the keyboard", vk::kEscape, 0, false, MISC_EXIT, true},
        {"Back on player 3's pad", 0, platform::kPadBack, false, MISC_EXIT, true},
        {"Start on player 3's pad pauses", 0, platform::kPadStart, false, MISC_PAUSE, true},
        {"Start is not Exit", 0, platform::kPadStart, false, MISC_EXIT, false},
        {"an inactive player's pad is ignored", 0, platform::kPadBack, true, MISC_EXIT, false},
        {"Return enters", vk::kReturn, 0, false, MISC_ENTER, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        input->players[2]->isInactive = c.player3Inactive;
        Frame(2);  // everything released
        if (c.key != 0) Key(c.key, true);
        scripted->SetPad(2, Buttons(c.padButtons));
        Frame();
        EXPECT_EQ(c.expected, input->IsMiscKeyTriggered(c.asked));
        Frame();
        EXPECT_FALSE(input->IsMiscKeyTriggered(c.asked)) << "only in the first frame";
        if (c.key != 0) Key(c.key, false);
        scripted->SetPad(2, PadState{});
        input->players[2]->isInactive = false;
    }
}

class PickingRecorder : public IListener {
public:
    void HandleMessage(IMessage* message) override {
        auto* picking = static_cast<BodyPickingMessage*>(message);
        points.push_back(Vec2(picking->x, picking->y));
    }
    std::vector<Vec2> points;
};

TEST_F(InputTest, HoldingTheLeftButtonPicksEveryFrameAndReleasingItDropsThePick) {
    StartInput();
    PickingRecorder recorder;
    MessageCenter& center = MessageCenter::GetInstance();
    center.AddListener(BODY_PICKING, &recorder);
    SetMousePosition(740, 260, 1280, 720);  // 100 right of and 100 above the centre
    Key(vk::kLButton, true);
    Frame();  // polled: the button is seen from the next frame
    center.Dispatch();
    EXPECT_TRUE(recorder.points.empty());
    for (int i = 0; i < 3; ++i) {
        Frame();
        center.Dispatch();
    }
    ASSERT_EQ(3u, recorder.points.size());
    EXPECT_NEAR(100.0f, recorder.points.back().x, 1e-3f);
    EXPECT_NEAR(100.0f, recorder.points.back().y, 1e-3f);

    int someBody = 0;
    PickedBody = reinterpret_cast<Body*>(&someBody);
    Key(vk::kLButton, false);
    Frame();  // still down in the last poll: one more pick
    center.Dispatch();
    EXPECT_EQ(4u, recorder.points.size());
    EXPECT_NE(nullptr, PickedBody);
    Frame();
    EXPECT_EQ(nullptr, PickedBody);
    center.RemoveListener(&recorder);
}

TEST_F(InputTest, AnInactiveOrMinimisedWindowPollsNothingAndPicksNothing) {
    StartInput();
    for (bool minimised : {false, true}) {
        SCOPED_TRACE(minimised ? "minimised" : "inactive");
        window->isActive = minimised;
        window->isMinimized = minimised;
        Key(vk::kLButton, true);
        Key(' ', true);
        Frame(3);
        EXPECT_EQ(0u, MessageCenter::GetInstance().PostedCount());
        EXPECT_FALSE(input->IsTriggered(CONTROL_JUMP, 0));
        EXPECT_FALSE(input->IsPressed(CONTROL_JUMP, 0));
        Key(vk::kLButton, false);
        Key(' ', false);
    }
    window->isActive = true;
    window->isMinimized = false;
    Key(' ', true);
    Frame();
    EXPECT_TRUE(input->IsTriggered(CONTROL_JUMP, 0));
}

TEST_F(InputTest, RumbleLastsUntilPausingOrALevelResetStopsIt) {
    StartInput();
    PlugPad(1);
    input->GetPad(1)->Vibrate(32767);
    EXPECT_EQ(32767, scripted->LastRumble(1).left);
    EXPECT_EQ(32767, scripted->LastRumble(1).right);
    GameStateManager::SetPause(true);
    EXPECT_EQ(0, scripted->LastRumble(1).left);
    GameStateManager::SetPause(false);
    input->GetPad(1)->SetVibration(1000, 2000);
    GameStateManager::ResetLevel();
    EXPECT_EQ(0, scripted->LastRumble(1).right);
}

class InputDeathTest : public InputTest {
protected:
    void SetUp() override {
        testing::FLAGS_gtest_death_test_style = "threadsafe";
        InputTest::SetUp();
    }
};

TEST_F(InputDeathTest, APlayerThatDoesNotExistEndsTheGameWithCode1) {
    StartInput();
    const char* expected = "^Player ID does not exist\\.\n$";
    EXPECT_EXIT(input->IsTriggered(CONTROL_JUMP, 4), testing::ExitedWithCode(1), expected);
    EXPECT_EXIT(input->IsPressed(CONTROL_JUMP, -1), testing::ExitedWithCode(1), expected);
    EXPECT_EXIT(input->GetPad(7), testing::ExitedWithCode(1), expected);
}

TEST_F(InputDeathTest, AControlFileWithTwoPlayersEndsTheGameAtTheFirstQueryForPlayer3) {
    const std::string pad = ControlObject(11, 11, 11, 11, 0x1000, 0x4000, 0x2000, 0x8000);
    WriteFile("Resources/Controls/XBox.json", "{\"P1\": {\"Controls\": " + pad +
                                                  ", \"Shared\": {\"Exit\": 32, \"Pause\": 16, \"Enter\": 4096}},"
                                                  " \"P2\": {\"Controls\": " + pad + "}}");
    const std::string keys = ControlObject('W', 'S', 'A', 'D', ' ', 'F', 'G', 'R');
    WriteFile("Resources/Controls/Keyboard.json", "{\"P1\": {\"Controls\": " + keys +
                                                      ", \"Shared\": {\"Exit\": 27, \"Pause\": 80, \"Enter\": 13}},"
                                                      " \"P2\": {\"Controls\": " + keys + "}}");
    StartInput();
    Frame();
    EXPECT_FALSE(input->IsTriggered(CONTROL_JUMP, 1));
    EXPECT_EXIT(input->IsTriggered(CONTROL_JUMP, 2), testing::ExitedWithCode(1),
                "^Control not found, check if controls created\\.\n$");
}

TEST_F(InputDeathTest, AControlFileThatDoesNotParseEndsTheGameWithCode1) {
    for (const char* file : {"Resources/Controls/Keyboard.json", "Resources/Controls/XBox.json"}) {
        SCOPED_TRACE(file);
        const std::string before = ReadFile(file);
        WriteFile(file, "{\"P1\": ");
        EXPECT_EXIT(StartInput(), testing::ExitedWithCode(1), "");
        EXPECT_EQ("{\"P1\": ", ReadFile(file)) << "a broken file is never written back";
        WriteFile(file, before);
    }
}

}  // namespace
