// The scancode map decides which key a saved binding means, so a wrong entry silently swaps
// controls for every player. The keyboard table is what input polling reads each frame.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "platform/key_state_table.h"
#include "platform/keyboard_mouse.h"
#include "platform/sdl_key_map.h"
#include "platform/virtual_keys.h"

namespace platform {
namespace {

struct ScancodeCase {
    SDL_Scancode scancode;
    int expected;
    const char* label;
};

TEST(PlatformKeyMap, RepresentativeKeysLandOnTheirVirtualKeys) {
    const ScancodeCase cases[] = {
        {SDL_SCANCODE_A, 'A', "first letter"},
        {SDL_SCANCODE_Q, 'Q', "Q is not a layout letter"},
        {SDL_SCANCODE_Z, 'Z', "last letter"},
        {SDL_SCANCODE_1, '1', "first digit"},
        {SDL_SCANCODE_9, '9', "nine"},
        {SDL_SCANCODE_0, '0', "zero sits after nine in SDL"},
        {SDL_SCANCODE_F1, vk::kF1, "F1"},
        {SDL_SCANCODE_F12, vk::kF12, "F12"},
        {SDL_SCANCODE_F13, vk::kF13, "F13 is not after F12 in SDL"},
        {SDL_SCANCODE_F24, vk::kF24, "F24"},
        {SDL_SCANCODE_RETURN, vk::kReturn, "Enter"},
        {SDL_SCANCODE_KP_ENTER, vk::kReturn, "keypad Enter"},
        {SDL_SCANCODE_ESCAPE, vk::kEscape, "Escape"},
        {SDL_SCANCODE_BACKSPACE, vk::kBack, "Backspace"},
        {SDL_SCANCODE_TAB, vk::kTab, "Tab"},
        {SDL_SCANCODE_SPACE, vk::kSpace, "Space"},
        {SDL_SCANCODE_CAPSLOCK, vk::kCapital, "Caps Lock"},
        {SDL_SCANCODE_SEMICOLON, vk::kOem1, "; key"},
        {SDL_SCANCODE_EQUALS, vk::kOemPlus, "= key"},
        {SDL_SCANCODE_COMMA, vk::kOemComma, ", key"},
        {SDL_SCANCODE_MINUS, vk::kOemMinus, "- key"},
        {SDL_SCANCODE_PERIOD, vk::kOemPeriod, ". key"},
        {SDL_SCANCODE_SLASH, vk::kOem2, "/ key"},
        {SDL_SCANCODE_GRAVE, vk::kOem3, "` key"},
        {SDL_SCANCODE_LEFTBRACKET, vk::kOem4, "[ key"},
        {SDL_SCANCODE_BACKSLASH, vk::kOem5, "\\ key"},
        {SDL_SCANCODE_NONUSHASH, vk::kOem5, "ISO key beside Enter"},
        {SDL_SCANCODE_RIGHTBRACKET, vk::kOem6, "] key"},
        {SDL_SCANCODE_APOSTROPHE, vk::kOem7, "' key"},
        {SDL_SCANCODE_NONUSBACKSLASH, vk::kOem102, "ISO key left of Z"},
        {SDL_SCANCODE_LEFT, vk::kLeft, "Left"},
        {SDL_SCANCODE_UP, vk::kUp, "Up"},
        {SDL_SCANCODE_RIGHT, vk::kRight, "Right"},
        {SDL_SCANCODE_DOWN, vk::kDown, "Down"},
        {SDL_SCANCODE_PAGEUP, vk::kPrior, "Page Up"},
        {SDL_SCANCODE_PAGEDOWN, vk::kNext, "Page Down"},
        {SDL_SCANCODE_HOME, vk::kHome, "Home"},
        {SDL_SCANCODE_END, vk::kEnd, "End"},
        {SDL_SCANCODE_INSERT, vk::kInsert, "Insert"},
        {SDL_SCANCODE_DELETE, vk::kDelete, "Delete"},
        {SDL_SCANCODE_PRINTSCREEN, vk::kSnapshot, "Print Screen"},
        {SDL_SCANCODE_SCROLLLOCK, vk::kScroll, "Scroll Lock"},
        {SDL_SCANCODE_PAUSE, vk::kPause, "Pause"},
        {SDL_SCANCODE_NUMLOCKCLEAR, vk::kNumLock, "Num Lock"},
        {SDL_SCANCODE_KP_0, vk::kNumpad0, "keypad 0"},
        {SDL_SCANCODE_KP_1, vk::kNumpad1, "keypad 1"},
        {SDL_SCANCODE_KP_9, vk::kNumpad9, "keypad 9"},
        {SDL_SCANCODE_KP_MULTIPLY, vk::kMultiply, "keypad *"},
        {SDL_SCANCODE_KP_PLUS, vk::kAdd, "keypad +"},
        {SDL_SCANCODE_KP_MINUS, vk::kSubtract, "keypad -"},
        {SDL_SCANCODE_KP_PERIOD, vk::kDecimal, "keypad ."},
        {SDL_SCANCODE_KP_DIVIDE, vk::kDivide, "keypad /"},
        {SDL_SCANCODE_LSHIFT, vk::kLShift, "left Shift"},
        {SDL_SCANCODE_RSHIFT, vk::kRShift, "right Shift"},
        {SDL_SCANCODE_LCTRL, vk::kLControl, "left Ctrl"},
        {SDL_SCANCODE_RCTRL, vk::kRControl, "right Ctrl"},
        {SDL_SCANCODE_LALT, vk::kLMenu, "left Alt"},
        {SDL_SCANCODE_RALT, vk::kRMenu, "right Alt"},
        {SDL_SCANCODE_LGUI, vk::kLWin, "left Windows key"},
        {SDL_SCANCODE_RGUI, vk::kRWin, "right Windows key"},
        {SDL_SCANCODE_APPLICATION, vk::kApps, "menu key"},
    };
    for (const ScancodeCase& c : cases) {
        EXPECT_EQ(VirtualKeyFromScancode(c.scancode), c.expected) << c.label;
    }
}

TEST(PlatformKeyMap, EveryKeyOfALetterDigitAndFunctionRowIsMapped) {
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_A + i), 'A' + i) << "letter " << i;
    }
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_1 + i), '1' + i) << "digit " << i + 1;
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F1 + i), vk::kF1 + i) << "F" << i + 1;
        EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_F13 + i), vk::kF13 + i) << "F" << i + 13;
    }
}

TEST(PlatformKeyMap, KeysWithoutACodeAndNonsenseAnswerZero) {
    const int unmapped[] = {SDL_SCANCODE_UNKNOWN, SDL_SCANCODE_UNDO, SDL_SCANCODE_KP_EQUALS,
                            -1, SDL_NUM_SCANCODES, 1 << 20};
    for (int scancode : unmapped) {
        EXPECT_EQ(VirtualKeyFromScancode(scancode), 0) << "scancode " << scancode;
    }
}

TEST(PlatformKeyMap, MouseButtonsShareTheKeyboardTable) {
    EXPECT_EQ(VirtualKeyFromMouseButton(SDL_BUTTON_LEFT), vk::kLButton);
    EXPECT_EQ(VirtualKeyFromMouseButton(SDL_BUTTON_RIGHT), vk::kRButton);
    EXPECT_EQ(VirtualKeyFromMouseButton(SDL_BUTTON_MIDDLE), vk::kMButton);
    EXPECT_EQ(VirtualKeyFromMouseButton(0), 0);
    EXPECT_EQ(VirtualKeyFromMouseButton(99), 0);
}

struct ModifierCase {
    int side;
    int generic;
};

TEST(PlatformKeyStateTable, ASidedModifierAlsoShowsAsTheGenericOne) {
    const ModifierCase cases[] = {
        {vk::kLShift, vk::kShift},     {vk::kRShift, vk::kShift},
        {vk::kLControl, vk::kControl}, {vk::kRControl, vk::kControl},
        {vk::kLMenu, vk::kMenu},       {vk::kRMenu, vk::kMenu},
    };
    for (const ModifierCase& c : cases) {
        KeyStateTable table;
        table.Set(c.side, true);
        uint8_t state[256] = {};
        table.CopyTo(state);
        EXPECT_EQ(state[c.side], kKeyDown) << "side " << c.side;
        EXPECT_EQ(state[c.generic], kKeyDown) << "generic for " << c.side;
        int downCount = 0;
        for (uint8_t entry : state) {
            downCount += entry != 0 ? 1 : 0;
        }
        EXPECT_EQ(downCount, 2) << "nothing else may light up for " << c.side;

        table.Set(c.side, false);
        table.CopyTo(state);
        EXPECT_EQ(state[c.generic], 0) << "generic released with " << c.side;
    }
}

TEST(PlatformKeyStateTable, GenericModifierStaysWhileTheOtherSideIsHeld) {
    KeyStateTable table;
    table.Set(vk::kLShift, true);
    table.Set(vk::kRShift, true);
    table.Set(vk::kLShift, false);
    uint8_t state[256] = {};
    table.CopyTo(state);
    EXPECT_EQ(state[vk::kShift], kKeyDown);
    EXPECT_EQ(state[vk::kLShift], 0);
    EXPECT_EQ(state[vk::kRShift], kKeyDown);
}

TEST(PlatformKeyStateTable, OutOfRangeCodesAreIgnoredAndReleaseAllClears) {
    KeyStateTable table;
    table.Set(-1, true);
    table.Set(0, true);
    table.Set(256, true);
    table.Set(100000, true);
    uint8_t state[256];
    std::fill(std::begin(state), std::end(state), uint8_t{0xAB});
    table.CopyTo(state);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(state[i], 0) << "entry " << i;
    }
    EXPECT_FALSE(table.IsDown(-5));
    EXPECT_FALSE(table.IsDown(300));

    table.Set('W', true);
    table.Set(vk::kRControl, true);
    table.ReleaseAll();
    table.CopyTo(state);
    EXPECT_EQ(state[int{'W'}], 0);
    EXPECT_EQ(state[vk::kControl], 0);
}

}  // namespace
}  // namespace platform
