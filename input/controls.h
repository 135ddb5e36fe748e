#pragma once

#include <cstdint>

// Logical controls. The words are keys of the control files and the order is the flag order
// a Controller reports.
enum CONTROL {
    CONTROL_LEFT = 0,
    CONTROL_RIGHT = 1,
    CONTROL_JUMP = 2,
    CONTROL_DOWN = 3,
    CONTROL_PUSH = 4,
    CONTROL_PULL = 5,
    CONTROL_UP = 6,
    CONTROL_SKILL = 7,
};

// Keys every player shares per device.
enum MISCKEYS {
    MISC_EXIT = 0,
    MISC_PAUSE = 1,
    MISC_ENTER = 2,
};

enum PLAYERID {
    PLAYER_1 = 0,
    PLAYER_2 = 1,
    PLAYER_3 = 2,
    PLAYER_4 = 3,
};
constexpr int kPlayerSlots = 4;

enum STICK : int {
    LEFT_STICK = 0,
    RIGHT_STICK = 1,
};

// Pad values with a meaning of their own; every other pad value is a mask of button bits.
constexpr uint16_t kPadLeftTriggerValue = 9;
constexpr uint16_t kPadRightTriggerValue = 10;
constexpr uint16_t kPadLeftStickValue = 11;
constexpr uint16_t kPadRightStickValue = 12;

inline bool IsAnalogPadValue(uint16_t value) {
    return value >= kPadLeftTriggerValue && value <= kPadRightStickValue;
}

// The flags a Controller sets in its controlBits.
constexpr uint32_t kControlFlagLeft = 0x1;
constexpr uint32_t kControlFlagRight = 0x2;
constexpr uint32_t kControlFlagJump = 0x4;
constexpr uint32_t kControlFlagDown = 0x8;
constexpr uint32_t kControlFlagPush = 0x10;
constexpr uint32_t kControlFlagPull = 0x20;
constexpr uint32_t kControlFlagUp = 0x40;
constexpr uint32_t kControlFlagSkill = 0x80;
constexpr uint32_t kControlFlagExit = 0x100;
constexpr uint32_t kControlFlagEnter = 0x400;
