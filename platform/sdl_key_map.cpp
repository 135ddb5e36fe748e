#include "platform/sdl_key_map.h"

#include <SDL.h>

#include <array>

#include "platform/virtual_keys.h"

namespace platform {
namespace {

struct KeyPair {
    SDL_Scancode scancode;
    int virtualKey;
};

// Everything that is not a letter, a digit or a function key (those are runs, filled below).
constexpr KeyPair kNamedKeys[] = {
    {SDL_SCANCODE_RETURN, vk::kReturn},
    {SDL_SCANCODE_KP_ENTER, vk::kReturn},  // Windows does not tell the two Enter keys apart
    {SDL_SCANCODE_ESCAPE, vk::kEscape},
    {SDL_SCANCODE_BACKSPACE, vk::kBack},
    {SDL_SCANCODE_TAB, vk::kTab},
    {SDL_SCANCODE_SPACE, vk::kSpace},
    {SDL_SCANCODE_CAPSLOCK, vk::kCapital},

    {SDL_SCANCODE_MINUS, vk::kOemMinus},
    {SDL_SCANCODE_EQUALS, vk::kOemPlus},
    {SDL_SCANCODE_LEFTBRACKET, vk::kOem4},
    {SDL_SCANCODE_RIGHTBRACKET, vk::kOem6},
    {SDL_SCANCODE_BACKSLASH, vk::kOem5},
    {SDL_SCANCODE_NONUSHASH, vk::kOem5},  // ISO keyboards report the same key this way
    {SDL_SCANCODE_SEMICOLON, vk::kOem1},
    {SDL_SCANCODE_APOSTROPHE, vk::kOem7},
    {SDL_SCANCODE_GRAVE, vk::kOem3},
    {SDL_SCANCODE_COMMA, vk::kOemComma},
    {SDL_SCANCODE_PERIOD, vk::kOemPeriod},
    {SDL_SCANCODE_SLASH, vk::kOem2},
    {SDL_SCANCODE_NONUSBACKSLASH, vk::kOem102},

    {SDL_SCANCODE_PRINTSCREEN, vk::kSnapshot},
    {SDL_SCANCODE_SCROLLLOCK, vk::kScroll},
    {SDL_SCANCODE_PAUSE, vk::kPause},
    {SDL_SCANCODE_INSERT, vk::kInsert},
    {SDL_SCANCODE_HOME, vk::kHome},
    {SDL_SCANCODE_PAGEUP, vk::kPrior},
    {SDL_SCANCODE_DELETE, vk::kDelete},
    {SDL_SCANCODE_END, vk::kEnd},
    {SDL_SCANCODE_PAGEDOWN, vk::kNext},
    {SDL_SCANCODE_RIGHT, vk::kRight},
    {SDL_SCANCODE_LEFT, vk::kLeft},
    {SDL_SCANCODE_DOWN, vk::kDown},
    {SDL_SCANCODE_UP, vk::kUp},

    {SDL_SCANCODE_NUMLOCKCLEAR, vk::kNumLock},
    {SDL_SCANCODE_KP_DIVIDE, vk::kDivide},
    {SDL_SCANCODE_KP_MULTIPLY, vk::kMultiply},
    {SDL_SCANCODE_KP_MINUS, vk::kSubtract},
    {SDL_SCANCODE_KP_PLUS, vk::kAdd},
    {SDL_SCANCODE_KP_PERIOD, vk::kDecimal},
    {SDL_SCANCODE_KP_COMMA, vk::kSeparator},
    {SDL_SCANCODE_KP_0, vk::kNumpad0},
    {SDL_SCANCODE_KP_1, vk::kNumpad1},
    {SDL_SCANCODE_KP_2, vk::kNumpad2},
    {SDL_SCANCODE_KP_3, vk::kNumpad3},
    {SDL_SCANCODE_KP_4, vk::kNumpad4},
    {SDL_SCANCODE_KP_5, vk::kNumpad5},
    {SDL_SCANCODE_KP_6, vk::kNumpad6},
    {SDL_SCANCODE_KP_7, vk::kNumpad7},
    {SDL_SCANCODE_KP_8, vk::kNumpad8},
    {SDL_SCANCODE_KP_9, vk::kNumpad9},

    {SDL_SCANCODE_LSHIFT, vk::kLShift},
    {SDL_SCANCODE_RSHIFT, vk::kRShift},
    {SDL_SCANCODE_LCTRL, vk::kLControl},
    {SDL_SCANCODE_RCTRL, vk::kRControl},
    {SDL_SCANCODE_LALT, vk::kLMenu},
    {SDL_SCANCODE_RALT, vk::kRMenu},
    {SDL_SCANCODE_LGUI, vk::kLWin},
    {SDL_SCANCODE_RGUI, vk::kRWin},
    {SDL_SCANCODE_APPLICATION, vk::kApps},
    {SDL_SCANCODE_MENU, vk::kApps},

    {SDL_SCANCODE_CLEAR, vk::kClear},
    {SDL_SCANCODE_SELECT, vk::kSelect},
    {SDL_SCANCODE_EXECUTE, vk::kExecute},
    {SDL_SCANCODE_HELP, vk::kHelp},
    {SDL_SCANCODE_SLEEP, vk::kSleep},

    {SDL_SCANCODE_MUTE, vk::kVolumeMute},
    {SDL_SCANCODE_AUDIOMUTE, vk::kVolumeMute},
    {SDL_SCANCODE_VOLUMEDOWN, vk::kVolumeDown},
    {SDL_SCANCODE_VOLUMEUP, vk::kVolumeUp},
    {SDL_SCANCODE_AUDIONEXT, vk::kMediaNextTrack},
    {SDL_SCANCODE_AUDIOPREV, vk::kMediaPrevTrack},
    {SDL_SCANCODE_AUDIOSTOP, vk::kMediaStop},
    {SDL_SCANCODE_AUDIOPLAY, vk::kMediaPlayPause},
    {SDL_SCANCODE_MAIL, vk::kLaunchMail},
    {SDL_SCANCODE_MEDIASELECT, vk::kLaunchMediaSelect},
    {SDL_SCANCODE_COMPUTER, vk::kLaunchApp1},
    {SDL_SCANCODE_CALCULATOR, vk::kLaunchApp2},
    {SDL_SCANCODE_AC_BACK, vk::kBrowserBack},
    {SDL_SCANCODE_AC_FORWARD, vk::kBrowserForward},
    {SDL_SCANCODE_AC_REFRESH, vk::kBrowserRefresh},
    {SDL_SCANCODE_AC_STOP, vk::kBrowserStop},
    {SDL_SCANCODE_AC_SEARCH, vk::kBrowserSearch},
    {SDL_SCANCODE_AC_BOOKMARKS, vk::kBrowserFavorites},
    {SDL_SCANCODE_AC_HOME, vk::kBrowserHome},
};

using ScancodeTable = std::array<unsigned char, SDL_NUM_SCANCODES>;

ScancodeTable BuildTable() {
    ScancodeTable table{};
    for (int i = 0; i < 26; ++i) {
        table[SDL_SCANCODE_A + i] = static_cast<unsigned char>(vk::kA + i);
    }
    // SDL orders the digit row as it lies on the keyboard: 1..9, then 0.
    for (int i = 0; i < 9; ++i) {
        table[SDL_SCANCODE_1 + i] = static_cast<unsigned char>('1' + i);
    }
    table[SDL_SCANCODE_0] = '0';
    for (int i = 0; i < 12; ++i) {
        table[SDL_SCANCODE_F1 + i] = static_cast<unsigned char>(vk::kF1 + i);
        table[SDL_SCANCODE_F13 + i] = static_cast<unsigned char>(vk::kF13 + i);
    }
    for (const KeyPair& pair : kNamedKeys) {
        table[pair.scancode] = static_cast<unsigned char>(pair.virtualKey);
    }
    return table;
}

}  // namespace

int VirtualKeyFromScancode(int scancode) {
    static const ScancodeTable table = BuildTable();
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) {
        return 0;
    }
    return table[static_cast<size_t>(scancode)];
}

int VirtualKeyFromMouseButton(int sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return vk::kLButton;
        case SDL_BUTTON_RIGHT: return vk::kRButton;
        case SDL_BUTTON_MIDDLE: return vk::kMButton;
        case SDL_BUTTON_X1: return vk::kXButton1;
        case SDL_BUTTON_X2: return vk::kXButton2;
        default: return 0;
    }
}

}  // namespace platform
